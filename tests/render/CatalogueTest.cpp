#include "render/Catalogue.h"
#include "TestFiles.h"
#include "defs/DefinitionsFile.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct CatalogueFixture : ::testing::Test {
    std::unique_ptr<L_DEFINITIONS> Library = std::make_unique<L_DEFINITIONS>();
    TempDir Dir;

    CatalogueFixture() { LoadDefinitions(*Library, VIRELDO_DATA); }
};

// Pixels that are neither white nor the grey of the cell frames: what the
// parts and texts drew inside a rectangle of the sheet.
int Inked(const QImage& image, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = image.pixel(x, y) & 0xFFFFFF;
            count += c != 0xFFFFFF && c != 0xC0C0C0;
        }
    return count;
}

} // namespace

// Every part of every system is drawn in a cell of its own, above its texts,
// and the cells fill the rows.
TEST_F(CatalogueFixture, EveryPartDrawnInItsOwnCell) {
    for (int b = 0; b < Library->Count; ++b) {
        const L_BRAND& brand = *Library->Brands[b];
        SCOPED_TRACE(brand.Name);
        const CatalogueLayout layout = LayOutCatalogue(brand);
        EXPECT_GE(layout.Columns * layout.Rows, brand.PartCount);
        EXPECT_LT(layout.Columns * (layout.Rows - 1), brand.PartCount);
        QImage sheet(layout.Width, layout.Height, QImage::Format_ARGB32_Premultiplied);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        PaintCatalogue(painter, brand, layout);
        painter.end();
        for (int i = 0; i < brand.PartCount; ++i) {
            const QRect cell = CatalogueCell(layout, i);
            EXPECT_TRUE(sheet.rect().contains(cell)) << brand.Parts[i].Code;
            const QRect drawing(cell.left() + 1, cell.top() + 1, cell.width() - 2,
                                layout.DrawingHeight - 2);
            EXPECT_GT(Inked(sheet, drawing), 100) << brand.Parts[i].Code;
        }
    }
}

TEST(Catalogue, MainDimensions) {
    L_PARTDEF straight;
    straight.Type = PT_Straight;
    straight.StraightLength = 8.75f;
    EXPECT_EQ(PartDimensions(straight), "Length 8.75 cm");
    L_PARTDEF curve;
    curve.Type = PT_Curve;
    curve.CurveInnerRadius = 21.4f;
    curve.CurveOuterRadius = 37.0f;
    curve.CurveAngle = 90; // quarter degrees
    EXPECT_EQ(PartDimensions(curve), "Radius 21.4-37 cm, 22.5\xB0");
}

// The vector sheets carry every code as text, so a reader can search them.
TEST_F(CatalogueFixture, TheSvgNamesEveryPart) {
    const L_BRAND& brand = *Library->FindBrand("S132SPORT");
    const std::string file = Dir.File("sheet.svg");
    ASSERT_TRUE(WriteCatalogue(brand, file));
    const std::string svg = ReadFile(file);
    for (int i = 0; i < brand.PartCount; ++i)
        EXPECT_NE(svg.find(">" + brand.Parts[i].Code + "<"), std::string::npos)
            << brand.Parts[i].Code;
    EXPECT_EQ(FilesIn(Dir), 1); // nothing left beside it
}

TEST_F(CatalogueFixture, AnUnwritableSheetLeavesNothing) {
    EXPECT_FALSE(WriteCatalogue(*Library->Brands[0], Dir.File("no/such/folder/sheet.png")));
    EXPECT_EQ(FilesIn(Dir), 0);
}
