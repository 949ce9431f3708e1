#include "render/TemplateStyle.h"
#include "../geometry/GeometryTestParts.h"
#include "geometry/WorldLayout.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Recorder : TemplateSink {
    std::vector<TemplateText> Texts;
    void Line(const TemplatePen&, const PixelPoint*, int, bool) override {}
    void Text(const TemplateText& text) override { Texts.push_back(text); }
};

// One straight 60 cm long, drawn at 1:1 with a millimetre per device unit.
struct LongStraight : ::testing::Test {
    L_PARTDEF EmptyDef;
    L_BRAND Brand;
    std::unique_ptr<T_DESIGN> Design = std::make_unique<T_DESIGN>(&EmptyDef);
    F_FREEHAND None;
    WorldLayout Layout;
    const PaperMapping Map{10.0f, 0.0f, 0.0f, 1.0f};

    explicit LongStraight(bool crossing = false) {
        Brand.DefaultWidth = 10;
        Brand.PartCount = 1;
        Brand.Parts[0] = Straight(10, 60);
        Brand.Parts[0].Code = "S60";
        Brand.Parts[0].CrossTrack = crossing;
        Design->SetDesignBrand(&Brand);
        T_TRACK& track = *Design->AllocateTrack();
        *track.InsertAfter(nullptr) = PartOf(Brand.Parts[0]);
        Layout.Build(*Design, true);
    }

    std::vector<TemplateText> LabelsOn(const QRectF& pageCm) {
        Recorder recorder;
        DrawTemplate(recorder, Layout, None, None, Map, pageCm);
        return recorder.Texts;
    }
};

TEST_F(LongStraight, EveryPageShowingThePieceNamesIt) {
    ASSERT_EQ(Layout.Parts().size(), 1u);
    const WorldPart& part = Layout.Parts()[0];
    const QRectF box(part.MinX, part.MinY, part.MaxX - part.MinX, part.MaxY - part.MinY);
    // The whole piece: one label in its middle.
    const auto whole = LabelsOn(box);
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_EQ(whole[0].Text, QStringLiteral("S60 1"));
    EXPECT_NEAR(whole[0].At.x(), box.center().x() * Map.UnitsPerCm, 1.0);
    EXPECT_NEAR(whole[0].At.y(), box.center().y() * Map.UnitsPerCm, 1.0);
    // Pages each holding a third of it, none its middle: each names it inside itself.
    const bool alongX = box.width() > box.height();
    for (int third : {0, 2}) {
        QRectF page = box;
        if (alongX)
            page.setLeft(box.left() + third * box.width() / 3), page.setWidth(box.width() / 3);
        else
            page.setTop(box.top() + third * box.height() / 3), page.setHeight(box.height() / 3);
        const auto labels = LabelsOn(page);
        ASSERT_EQ(labels.size(), 1u) << "third " << third;
        const QRectF onPaper(page.topLeft() * Map.UnitsPerCm, page.size() * Map.UnitsPerCm);
        EXPECT_TRUE(onPaper.contains(labels[0].At)) << "third " << third;
        EXPECT_EQ(labels[0].Text, whole[0].Text);
    }
    // A page that only grazes its end has no room for the label.
    QRectF sliver = box;
    if (alongX)
        sliver.setWidth(1.0);
    else
        sliver.setHeight(1.0);
    EXPECT_TRUE(LabelsOn(sliver).empty());
}

struct CrossingRoad : LongStraight {
    CrossingRoad() : LongStraight(true) {}
};

// The two roads of a crossing meet in their middles: each label stands a
// quarter of the way along, clear of the other road's.
TEST_F(CrossingRoad, LabelStandsClearOfTheMiddle) {
    const WorldPart& part = Layout.Parts()[0];
    const QRectF box(part.MinX, part.MinY, part.MaxX - part.MinX, part.MaxY - part.MinY);
    const auto labels = LabelsOn(box);
    ASSERT_EQ(labels.size(), 1u);
    const QPointF fromMiddle = labels[0].At / Map.UnitsPerCm - box.center();
    EXPECT_NEAR(std::hypot(fromMiddle.x(), fromMiddle.y()), 15.0, 0.5);
}

} // namespace
