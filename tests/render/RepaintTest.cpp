#include "render/Repaint.h"
#include "../../bench/MaxDesign.h"
#include "../geometry/GeometryTestParts.h"
#include "RenderFixture.h"
#include "TestFiles.h"
#include "defs/DefinitionsFile.h"
#include "freehand/Freehand.h"

#include <QImage>
#include <limits>

namespace {

// The three canvases as the program holds them, 200 x 200 each.
struct Canvases : StandaloneCanvases {
    L_BRAND Brand;
    int Blits = 0;

    Canvases() {
        Brand.DefaultWidth = 10;
        Brand.PartCount = 1;
        Brand.Parts[0] = Straight(20, 40);
        Design.Design.SetDesignBrand(&Brand);
        for (P_PANEL* panel : {static_cast<P_PANEL*>(&Design), static_cast<P_PANEL*>(&Room)}) {
            panel->SetSize(200, 200);
            panel->WindowChanged = [this] { ++Blits; };
        }
        Room.Grid = false;
    }
    // A track of two straights from the world origin, drawn from (100, 100) down.
    T_TRACK& Track() {
        T_TRACK& track = *Design.Design.AllocateTrack();
        for (int i = 0; i < 2; ++i)
            *track.InsertAfter(nullptr) = T_PART{0, 0, &Brand.Parts[0]};
        return track;
    }
    Rgb Window(int x, int y) const { return Design.WindowImage.pixel(x, y) & 0xFFFFFF; }
};

} // namespace

TEST(Repaint, NoCurrentPanelDoesNothing) {
    auto canvases = std::make_unique<Canvases>();
    canvases->Set.Current = nullptr;
    RepaintPanel(canvases->Set);
    EXPECT_EQ(canvases->Blits, 0);
}

TEST(Repaint, EmptyDesignWithoutGridAndRulerIsWhiteButForItsDrawings) {
    auto canvases = std::make_unique<Canvases>();
    canvases->Design.Ruler = false;
    F_SHAPE* line = canvases->Design.Freehand.AddShape();
    line->Kind = SK_Polyline;
    line->Color = 0x0080FF;
    line->AddPoint(-50, 0);
    line->AddPoint(50, 0);
    RepaintPanel(canvases->Set);
    EXPECT_EQ(canvases->Blits, 1);
    EXPECT_COLOR_NEAR(canvases->Window(100, 100), OverWhite(0xFF8000));
    for (int y = 0; y < 200; y += 7)
        for (int x = 0; x < 200; x += 7)
            if (y != 100) {
                ASSERT_EQ(canvases->Window(x, y), RGB_WHITE) << x << "," << y;
            }
}

TEST(Repaint, TracksOverTheRoomAndTheDrawingUnderTheRuler) {
    auto canvases = std::make_unique<Canvases>();
    canvases->Track();
    F_SHAPE* room = canvases->Room.Layer.AddShape();
    room->Kind = SK_FilledRectangle;
    room->Color = 0x008000;
    room->AddPoint(-90, -90);
    room->AddPoint(90, 90);
    RepaintPanel(canvases->Set);
    EXPECT_COLOR_NEAR(canvases->Window(150, 150), OverWhite(0x008000));
    // The track (black at alpha 200) lies over the room's green.
    const QRgb track = canvases->Design.WindowImage.pixel(105, 150);
    EXPECT_LT(qGreen(track), 60);
    EXPECT_EQ(canvases->Window(5, 150), 0xF0F0E6u); // the ruler on top of the room
    // The box of the tracks: 20 x 80 pixels at zoom 1 from (100, 100).
    EXPECT_EQ(canvases->Design.View.Box.MinX, 100);
    EXPECT_EQ(canvases->Design.View.Box.MaxY, 180);
}

TEST(Repaint, SelectedPartsInTheSelectedColour) {
    auto canvases = std::make_unique<Canvases>();
    T_TRACK& track = canvases->Track();
    canvases->Design.SelectedTrack = &track;
    canvases->Design.SelectionFirst = canvases->Design.SelectionLast = 1;
    RepaintPanel(canvases->Set);
    EXPECT_COLOR_NEAR(canvases->Window(105, 160), OverWhite(RGB_BLUE));
    EXPECT_COLOR_NEAR(canvases->Window(105, 120), OverWhite(RGB_BLACK));
}

TEST(Repaint, OutlinesWhileDraggingThenFilledAgain) {
    auto canvases = std::make_unique<Canvases>();
    canvases->Track();
    // (The anchor cross stands at (110, 120), the centre of the first part.)
    RepaintOutlines(canvases->Set);
    EXPECT_EQ(canvases->Window(105, 130), RGB_WHITE);
    EXPECT_COLOR_NEAR(canvases->Window(100, 130), OverWhite(RGB_BLACK));
    EXPECT_TRUE(canvases->Design.View.Filled);
    RepaintPanel(canvases->Set);
    EXPECT_COLOR_NEAR(canvases->Window(105, 130), OverWhite(RGB_BLACK));
}

TEST(Repaint, WithoutCopyTheWindowKeepsWhatWasDrawnOnIt) {
    auto canvases = std::make_unique<Canvases>();
    RepaintPanel(canvases->Set);
    canvases->Design.WindowImage.setPixel(50, 50, 0xFF123456);
    canvases->Track();
    RepaintPanelNoBlit(canvases->Set);
    EXPECT_EQ(canvases->Window(50, 50), 0x123456u);
    EXPECT_EQ(canvases->Window(105, 130), RGB_WHITE); // the track is only in the bitmap
    BlitPanel(canvases->Set);
    EXPECT_EQ(canvases->Window(50, 50), RGB_WHITE);
    EXPECT_COLOR_NEAR(canvases->Window(105, 130), OverWhite(RGB_BLACK));
}

TEST(Repaint, RoomBorrowsTheDesignsRuler) {
    auto canvases = std::make_unique<Canvases>();
    canvases->Set.Current = &canvases->Room;
    RepaintPanel(canvases->Set);
    EXPECT_EQ(canvases->Room.WindowImage.pixel(5, 150) & 0xFFFFFF, 0xF0F0E6u);
    canvases->Design.Ruler = false;
    RepaintPanel(canvases->Set);
    EXPECT_EQ(canvases->Room.WindowImage.pixel(5, 150) & 0xFFFFFF, RGB_WHITE);
    EXPECT_FALSE(canvases->Room.Ruler);
}

TEST(Repaint, MeasureOnlyDrawsNothingAndMeasuresTheBox) {
    auto canvases = std::make_unique<Canvases>();
    canvases->Track();
    canvases->Design.View.MeasureOnly = true;
    canvases->Design.Zoom = 2;
    RepaintPanel(canvases->Set);
    canvases->Design.View.MeasureOnly = false;
    EXPECT_EQ(canvases->Blits, 0);
    EXPECT_EQ(canvases->Design.View.Box.MaxY, 260);
    EXPECT_EQ(canvases->Design.Bitmap.Pixels().pixel(105, 130) & 0xFFFFFF, RGB_WHITE);
}

TEST(Printing, ScaledByWholePagesPerCanvasAndCentred) {
    auto canvases = std::make_unique<Canvases>();
    T_TRACK& track = canvases->Track();
    canvases->Design.SelectedTrack = &track;
    canvases->Design.SelectionFirst = 0;
    canvases->Design.SelectionLast = 0;
    canvases->Design.Offset = {10, 0};
    QImage page(1300, 900, QImage::Format_ARGB32_Premultiplied); // s = min(6, 4) = 4
    page.fill(Qt::white);
    PrintDesign(canvases->Set, page, false);
    // Zoom 1 x 0.98 x 4: the track starts at (650 + 40, 450).
    EXPECT_EQ(page.pixel(700, 470) & 0xFFFFFF, RGB_BLUE);  // the selected first part
    EXPECT_EQ(page.pixel(700, 700) & 0xFFFFFF, RGB_BLACK); // the second part
    EXPECT_EQ(page.pixel(650, 470) & 0xFFFFFF, RGB_WHITE);
    EXPECT_TRUE(canvases->Design.View.UseBitmap);
    EXPECT_FALSE(canvases->Design.View.Printing);
}

TEST(Printing, MonochromeAndASmallPageReducedToFit) {
    auto canvases = std::make_unique<Canvases>();
    canvases->Track();
    QImage page(100, 100, QImage::Format_ARGB32_Premultiplied); // half the canvas
    page.fill(Qt::white);
    PrintDesign(canvases->Set, page, true);
    // Scale 0.49: the track runs from (50, 50) down to y 89.
    EXPECT_EQ(page.pixel(53, 70) & 0xFFFFFF, RGB_BLACK);
    EXPECT_EQ(page.pixel(53, 95) & 0xFFFFFF, RGB_WHITE);
}

TEST(Repaint, PartUnderEditIsCentredAsALeftCurveWithBorders) {
    auto canvases = std::make_unique<Canvases>();
    L_PARTDEF part = Straight(20, 40);
    part.InnerBorderWidth = part.OuterBorderWidth = 4;
    part.InnerBorderStep = part.OuterBorderStep = 1;
    canvases->Define.Part = &part;
    canvases->Define.SetSize(200, 200);
    canvases->Define.Grid = canvases->Define.Ruler = false;
    canvases->Set.Current = &canvases->Define;
    RepaintPanel(canvases->Set);
    const QImage& image = canvases->Define.WindowImage;
    EXPECT_EQ(canvases->Define.Offset.X, -10.0f);
    EXPECT_EQ(canvases->Define.Offset.Y, -20.0f);
    // The straight now spans 90..110 x 80..120, its borders shown on both sides.
    EXPECT_COLOR_NEAR(image.pixel(100, 100) & 0xFFFFFF, OverWhite(RGB_BLACK));
    EXPECT_COLOR_NEAR(image.pixel(112, 100) & 0xFFFFFF, OverWhite(RGB_RED));
    EXPECT_COLOR_NEAR(image.pixel(88, 100) & 0xFFFFFF, OverWhite(RGB_RED));
    EXPECT_EQ(image.pixel(100, 125) & 0xFFFFFF, RGB_WHITE);
}

TEST(Repaint, SnapshotWritesTheWindowPixels) {
    auto canvases = std::make_unique<Canvases>();
    canvases->Track();
    RepaintPanel(canvases->Set);
    TempDir dir;
    ASSERT_TRUE(SnapshotDesign(canvases->Design, dir.File("screen.gif")));
    const QImage back(QString::fromStdString(dir.File("screen.gif")));
    ASSERT_EQ(back.size(), canvases->Design.WindowImage.size());
    EXPECT_EQ(back.pixel(5, 150) & 0xFFFFFF, 0xF0F0E6u);
    EXPECT_EQ(back.pixel(150, 150) & 0xFFFFFF, RGB_WHITE);
}

namespace {

// Ten ovals of the shipped 1:32 system, 500 parts, in a 1280 x 800 canvas.
struct TypicalCanvas : StandaloneCanvases {
    std::unique_ptr<L_DEFINITIONS> Library = std::make_unique<L_DEFINITIONS>();

    TypicalCanvas() {
        LoadDefinitions(*Library, VIRELDO_DATA);
        Design.Design.SetDesignBrand(Library->FindBrand("S132SPORT"));
        LayTypicalOvals(Design.Design);
        Design.SetSize(1280, 800);
    }
    QImage Paint(float zoom, bool strokes) {
        Design.Zoom = zoom;
        SetSmallPartStrokes(strokes);
        RepaintPanel(Set);
        SetSmallPartStrokes(true);
        return Design.WindowImage.copy();
    }
};

} // namespace

// Parts of a few pixels are strokes; at every zoom where parts are larger
// the picture is exactly what the full drawing gives.
TEST(Repaint, SmallPartsAreStrokesOnlyBelowTheirThreshold) {
    TypicalCanvas canvas;
    for (float zoom : {1.0f, 2.0f, 4.0f})
        EXPECT_TRUE(canvas.Paint(zoom, true) == canvas.Paint(zoom, false)) << zoom;
    // At 0.05 a straight covers under 2 pixels: a dark stroke along its
    // middle, with no outline or kerb around it.
    const QImage strokes = canvas.Paint(0.05f, true);
    EXPECT_FALSE(strokes == canvas.Paint(0.05f, false));
    const T_PLACED& first = canvas.Placement->Entries[0];
    const int x = TruncToPixel(first.X), y = TruncToPixel(first.Y);
    int dark = 0;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            dark += qGray(strokes.pixel(x + dx, y + dy)) < 128;
    EXPECT_GT(dark, 0);
    // At 0.25 a straight is 9 pixels long but under 4 wide: a stroke too; the
    // strokes measure the design (its size in the track list) as the outlines
    // do, to a pixel.
    const QImage full = canvas.Paint(0.25f, false);
    const BoundingBox outlines = canvas.Design.View.Box;
    EXPECT_FALSE(canvas.Paint(0.25f, true) == full);
    const BoundingBox stroked = canvas.Design.View.Box;
    EXPECT_NEAR(stroked.MinX, outlines.MinX, 1);
    EXPECT_NEAR(stroked.MinY, outlines.MinY, 1);
    EXPECT_NEAR(stroked.MaxX, outlines.MaxX, 1);
    EXPECT_NEAR(stroked.MaxY, outlines.MaxY, 1);
}

// A curve of any angle a definition file gives is a stroke like any other.
TEST(Repaint, ACurveOfTheLargestAngleIsStrokedToo) {
    auto canvases = std::make_unique<Canvases>();
    canvases->Brand.Parts[1] = Curve(std::numeric_limits<QuarterDegrees>::max(), 92, 108);
    canvases->Brand.PartCount = 2;
    *canvases->Design.Design.AllocateTrack()->InsertAfter(nullptr) =
        T_PART{0, PS_LEFT, &canvases->Brand.Parts[1]};
    canvases->Design.Grid = canvases->Design.Ruler = false;
    canvases->Design.Zoom = 0.2f;
    RepaintPanel(canvases->Set);
    int drawn = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            drawn += canvases->Window(x, y) != RGB_WHITE;
    EXPECT_GT(drawn, 0);
}

// A U-turn too narrow to show its lanes is a stroke that bends with it, not a
// line from its start to its end.
TEST(Repaint, ASmallCurveIsAStrokeAlongItsArc) {
    auto canvases = std::make_unique<Canvases>();
    canvases->Brand.Parts[1] = Curve(720, 92, 108);
    canvases->Brand.PartCount = 2;
    canvases->Design.Grid = canvases->Design.Ruler = false;
    *canvases->Design.Design.AllocateTrack()->InsertAfter(nullptr) =
        T_PART{0, PS_LEFT, &canvases->Brand.Parts[1]};
    const float zoom = 0.2f; // 3.2 pixels across, 20 pixels round
    canvases->Design.Zoom = zoom;
    RepaintPanel(canvases->Set);
    const T_PLACED& placed = canvases->Placement->Entries[0];
    const Arc arc = ArcOf(*placed.Part->Def, placed.Part->Status);
    const PartFrame frame(placed.StartPose(), zoom);
    const PixelPoint apex = frame.At(arc.U(100, 360), Arc::V(100, 360));
    const PixelPoint start = frame.At(arc.U(100, 0), 0), end = frame.At(arc.U(100, 720), 0);
    EXPECT_NE(canvases->Window(apex.X, apex.Y), RGB_WHITE);
    EXPECT_EQ(canvases->Window((start.X + end.X) / 2, (start.Y + end.Y) / 2), RGB_WHITE);
}
