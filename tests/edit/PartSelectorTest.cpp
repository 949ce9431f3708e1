#include "EditFixture.h"
#include "render/FreehandRender.h"
#include "render/PartRender.h"

#include <QScrollBar>
#include <QToolButton>

namespace {

L_PARTDEF& AddPart(L_BRAND& brand, const char* code, int type, int stock) {
    L_PARTDEF& def = *brand.AddPart();
    def.Code = code;
    def.Description = std::string("Part ") + code;
    def.Type = type;
    def.Stock = stock;
    def.StraightWidth = def.CurveWidth = 10.0f;
    def.StraightLength = 20.0f;
    def.CurveInnerRadius = 20.0f;
    def.CurveOuterRadius = 30.0f;
    def.CurveAngle = 180; // 45 degrees
    def.LaneDistance = 5.0f;
    def.TravelLane1 = def.TravelLane2 = 20.0f;
    return def;
}

} // namespace

// The palette: its layout, stock colours and tool tips, the preview, the
// double-click and drag and drop onto the design.
class PartSelectorTest : public QObject {
    Q_OBJECT

    // A brand of straight A, straight B, curve C, straight D, made the design's.
    static L_BRAND& TestBrand(EditFixture& f, float zoom = 1.0f) {
        L_BRAND& brand = *f.Appl->Library.AddBrand();
        brand.Name = "TEST";
        brand.DefaultWidth = 10.0f;
        brand.PartSelectorZoom = zoom;
        AddPart(brand, "A", PT_Straight, 5);
        AddPart(brand, "B", PT_Straight, 5);
        AddPart(brand, "C", PT_Curve, 5);
        AddPart(brand, "D", PT_Straight, 5);
        f.Design().SetDesignBrand(&brand);
        f.Design().Tracks[0].Initialise(f.Design().EmptyDef());
        f.Design().Tracks[0].InUse = true;
        return brand;
    }

    // Code, side and column of every cell, row by row.
    static QStringList Cells(EditFixture& f) {
        DrawPartSelector(*f.Appl);
        QStringList cells;
        const T_PLACEMENT& entries = *f.Appl->Palette.Entries;
        for (int i = 0; i < entries.Count; ++i) {
            const T_PLACED& cell = entries.Entries[i];
            QString text = QString::fromStdString(cell.Part->Def->Code);
            if (cell.Part->Status & PS_RIGHT)
                text += "R";
            if (cell.Part->Status & PS_LEFT)
                text += "L";
            cells << text + "@" + QString::number(cell.X);
        }
        return cells;
    }

    static QPoint CellPoint(EditFixture& f, const char* code, uint8_t status = 0) {
        const T_PLACEMENT& entries = *f.Appl->Palette.Entries;
        for (int i = 0; i < entries.Count; ++i) {
            const T_PLACED& cell = entries.Entries[i];
            if (cell.Part->Def->Code == code && cell.Part->Status == status)
                return PointOn(cell, f.Appl->Palette.View.Scale);
        }
        return {};
    }

    // Drags a palette cell and lets it go over a design canvas point; the
    // palette keeps the pointer all the way, as the platform does.
    static void DragToDesign(EditFixture& f, const char* code, QPoint onDesign) {
        const QPoint from = CellPoint(f, code);
        QTest::mousePress(f.Palette(), Qt::LeftButton, {}, from);
        QTest::mouseMove(f.Palette(), from + QPoint(0, DragDistance() + 1));
        const QPoint to = f.Palette()->mapFromGlobal(f.Canvas()->mapToGlobal(onDesign));
        QTest::mouseMove(f.Palette(), to);
        QCOMPARE(f.Mode(), EditMode::DragPart);
        QTest::mouseRelease(f.Palette(), Qt::LeftButton, {}, to);
    }

    // Qt Test's double-click leaves the button down for the next test; the
    // pointer is let go where it was.
    static void DoubleClick(EditFixture& f, QPoint at) {
        QTest::mouseDClick(f.Palette(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(f.Palette(), Qt::LeftButton, {}, at);
    }

    static int YellowPixels(const QImage& image, QRect area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += (image.pixel(x, y) & 0xFFFFFF) == 0xFFFF00;
        return count;
    }

  private slots:
    void cellsLieInThreeColumns() {
        EditFixture f;
        TestBrand(f, 0.5f);
        QCOMPARE(Cells(f), QStringList({"A@25", "B@80", "CR@90", "CL@10", "D@50"}));
        const T_PLACEMENT& entries = *f.Appl->Palette.Entries;
        QCOMPARE(entries.Entries[0].Y, float(HINT_PANEL_HEIGHT + 5));
        QCOMPARE(entries.Entries[1].Y, entries.Entries[0].Y);
        // Below the lowest part of the row by 3 x 1.2 even at a palette zoom of 0.5.
        const BoundingBox box = PartBox(entries.Entries[1], f.Appl->Palette.View);
        QCOMPARE(entries.Entries[2].Y, std::trunc(box.MaxY + 3.6f));
        QCOMPARE(entries.Entries[3].Y, entries.Entries[2].Y);
    }

    void unavailablePartsLeaveNoCell() {
        EditFixture f;
        L_BRAND& brand = TestBrand(f);
        brand.Parts[0].Stock = 1; // A and C used up by the design
        brand.Parts[2].Stock = 1;
        T_TRACK& track = f.Design().Tracks[0];
        track.InsertCopyAfter(nullptr, T_PART{0, 0, &brand.Parts[0]});
        track.InsertCopyAfter(nullptr, T_PART{0, PS_LEFT, &brand.Parts[2]});
        f.Panel().ShowOutOfStock = false;
        QCOMPARE(Cells(f), QStringList({"B@25", "D@80"}));
        f.Panel().ShowOutOfStock = true;
        QCOMPARE(Cells(f), QStringList({"A@25", "B@80", "CR@90", "CL@10", "D@50"}));
    }

    void stockColoursAndFreeCount_data() {
        QTest::addColumn<int>("stock");
        QTest::addColumn<int>("used");
        QTest::addColumn<int>("colour");
        QTest::addColumn<QString>("hint");
        QTest::newRow("more used than owned") << 2 << 3 << 0x800000 << "A - Part A - Free: -1";
        QTest::newRow("all used") << 2 << 2 << 0x000000 << "A - Part A - Free: 0";
        QTest::newRow("some free") << 2 << 1 << 0x808080 << "A - Part A - Free: 1";
    }
    void stockColoursAndFreeCount() {
        QFETCH(int, stock);
        QFETCH(int, used);
        QFETCH(int, colour);
        QFETCH(QString, hint);
        EditFixture f;
        L_BRAND& brand = TestBrand(f);
        brand.Parts[0].Stock = stock;
        for (int i = 0; i < used; ++i)
            f.Design().Tracks[0].InsertCopyAfter(nullptr, T_PART{0, 0, &brand.Parts[0]});
        f.Panel().ColorOutOfStock = true;
        Cells(f);
        QCOMPARE(int(f.Appl->Palette.Entries->Entries[0].FillColor), colour);
        MoveOnto(f.Palette(), CellPoint(f, "A"));
        QCOMPARE(f.Palette()->toolTip(), hint);
        f.Panel().ColorOutOfStock = false;
        Cells(f);
        QCOMPARE(int(f.Appl->Palette.Entries->Entries[0].FillColor), 0);
    }

    void doubleClickAddsAtTheNearerEnd_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("added");
        QTest::newRow("nearer the start") << 3 << 0;
        QTest::newRow("nearer the end") << 5 << 10;
    }
    void doubleClickAddsAtTheNearerEnd() {
        QFETCH(int, selected);
        QFETCH(int, added);
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 10);
        f.Panel().SelectedTrack = &track;
        f.Panel().SelectionFirst = f.Panel().SelectionLast = selected;
        const std::vector<Pose> before = f.WorldPoses(track);
        DrawPartSelector(*f.Appl);
        DoubleClick(f, CellPoint(f, "S175"));
        QCOMPARE(track.PartCount, 11);
        QCOMPARE(track.Parts[added].Def->Code, std::string("S175"));
        QCOMPARE(f.Panel().SelectionFirst, added);
        QCOMPARE(f.Panel().SelectionLast, added);
        const std::vector<Pose> after = f.WorldPoses(track);
        QVERIFY(SamePose(after[added == 0 ? 1 : 0], before[0])); // the track stays put
        QCOMPARE(f.UndoCount(), 1);
    }

    void doubleClickNeedsATrack() {
        EditFixture f;
        f.Panel().SelectedTrack = nullptr;
        DrawPartSelector(*f.Appl);
        DoubleClick(f, CellPoint(f, "S175"));
        QCOMPARE(f.UndoCount(), 0);
    }

    void hoverShowsTheYellowPreview() {
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 3);
        f.Panel().SelectedTrack = &track;
        f.Panel().SelectionFirst = f.Panel().SelectionLast = 2;
        f.Repaint();
        DrawPartSelector(*f.Appl);
        MoveOnto(f.Palette(), CellPoint(f, "S350"));
        QVERIFY(f.Appl->Edit.PendingPreview);
        // After the last part, where the track ends: yellow on the window only.
        Pose end = f.Placed(track.Parts[2])->StartPose();
        AdvancePose(track.Parts[2], end.X, end.Y, end.Angle, f.Panel().Zoom);
        const QRect below(static_cast<int>(end.X) - 20, static_cast<int>(end.Y) + 2, 40, 60);
        QVERIFY(YellowPixels(f.Panel().WindowImage, below) > 500);
        QCOMPARE(YellowPixels(f.Panel().Bitmap.Pixels(), below), 0);
        QTest::mouseMove(f.Palette(), QPoint(5, f.Palette()->height() - 5));
        QVERIFY(!f.Appl->Edit.PendingPreview);
        QCOMPARE(f.Panel().WindowImage, f.Panel().Bitmap.Pixels());
    }

    void dropInsertsBeforeOrAfter_data() {
        QTest::addColumn<int>("part");
        QTest::addColumn<float>("along");
        QTest::addColumn<int>("added");
        QTest::newRow("second half of the last part") << 2 << 0.75f << 3;
        QTest::newRow("first half of part 0") << 0 << 0.25f << 0;
        QTest::newRow("first half of part 1") << 1 << 0.25f << 1;
    }
    void dropInsertsBeforeOrAfter() {
        QFETCH(int, part);
        QFETCH(float, along);
        QFETCH(int, added);
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 3);
        const Pose first = f.WorldPoses(track)[0];
        DrawPartSelector(*f.Appl);
        DragToDesign(f, "S175", f.At(track, part, along));
        QCOMPARE(f.Mode(), EditMode::Select);
        QCOMPARE(track.PartCount, 4);
        QCOMPARE(track.Parts[added].Def->Code, std::string("S175"));
        QCOMPARE(f.Panel().SelectedTrack, &track);
        QCOMPARE(f.Panel().SelectionFirst, added);
        QVERIFY(SamePose(f.WorldPoses(track)[added == 0 ? 1 : 0], first));
        QCOMPARE(f.UndoCount(), 1);
    }

    void overwriteDropReplacesThePart() {
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 3);
        track.Parts[1].Status = PS_INNER_BORDER | PS_OUTER_BORDER;
        track.Parts[1].Height = 4;
        f.Repaint();
        f.Trigger("ToggleOverwriteMenu");
        QCOMPARE(f.Form->OverwriteButton->text(), QString("Overwri&te"));
        DrawPartSelector(*f.Appl);
        const QPoint from = CellPoint(f, "C2-450", PS_RIGHT);
        QTest::mousePress(f.Palette(), Qt::LeftButton, {}, from);
        QTest::mouseMove(f.Palette(), from + QPoint(0, DragDistance() + 1));
        const QPoint to = f.Palette()->mapFromGlobal(f.Canvas()->mapToGlobal(f.At(track, 1)));
        QTest::mouseMove(f.Palette(), to);
        QTest::mouseRelease(f.Palette(), Qt::LeftButton, {}, to);
        QCOMPARE(track.PartCount, 3);
        QCOMPARE(track.Parts[1].Def->Code, std::string("C2-450"));
        QCOMPARE(track.Parts[1].Status, uint8_t(PS_RIGHT));
        QCOMPARE(track.Parts[1].Height, int8_t(0));
    }

    void dropOnTheEmptyPartStartsTheTrack() {
        EditFixture f;
        T_TRACK& track = f.Design().Tracks[0];
        QVERIFY(track.HoldsOnlyEmptyPart());
        f.Repaint();
        DrawPartSelector(*f.Appl);
        DragToDesign(f, "S350", f.At(track, 0, 0.25f));
        QCOMPARE(track.PartCount, 1);
        QCOMPARE(track.Parts[0].Def->Code, std::string("S350"));
    }

    void dropOutsideEveryPartAddsNothing() {
        EditFixture f;
        f.LayStraights(0, 2);
        DrawPartSelector(*f.Appl);
        DragToDesign(f, "S350", QPoint(5, 5));
        QCOMPARE(f.Design().Tracks[0].PartCount, 2);
        QCOMPARE(f.UndoCount(), 0);
    }

    void aFullTrackRefusesTheDrop() {
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 1);
        for (int i = 1; i < MAX_TRACK_PARTS; ++i)
            track.InsertCopyBefore(nullptr, T_PART{0, 0, f.Part("S088")});
        f.Repaint();
        DrawPartSelector(*f.Appl);
        DragToDesign(f, "S350", f.At(track, MAX_TRACK_PARTS - 1));
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("You cannot add any more parts to this track (max 2000) !"));
        QCOMPARE(track.PartCount, MAX_TRACK_PARTS);
        QCOMPARE(f.UndoCount(), 0);
    }

    void aDragLetGoOverThePaletteIsCancelled() {
        EditFixture f;
        f.LayStraights(0, 2);
        DrawPartSelector(*f.Appl);
        const QImage palette = f.Appl->Palette.WindowImage;
        const QPoint from = CellPoint(f, "S350");
        QTest::mousePress(f.Palette(), Qt::LeftButton, {}, from);
        QTest::mouseMove(f.Palette(), from + QPoint(10, DragDistance() + 1));
        QCOMPARE(f.Mode(), EditMode::DragPart);
        QVERIFY(f.Appl->Palette.WindowImage != palette); // the ghost shows
        QTest::mouseRelease(f.Palette(), Qt::LeftButton, {}, from + QPoint(10, 20));
        QCOMPARE(f.Mode(), EditMode::Select);
        QCOMPARE(f.Appl->Palette.WindowImage, palette);
        QCOMPARE(f.Design().Tracks[0].PartCount, 2);
    }

    void ghostOverTheDesignErasesItself() {
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 2);
        DrawPartSelector(*f.Appl);
        const QPoint from = CellPoint(f, "S350");
        QTest::mousePress(f.Palette(), Qt::LeftButton, {}, from);
        QTest::mouseMove(f.Palette(), from + QPoint(0, DragDistance() + 1));
        auto over = [&](QPoint p) {
            QTest::mouseMove(f.Palette(), f.Palette()->mapFromGlobal(f.Canvas()->mapToGlobal(p)));
        };
        over(QPoint(40, 40)); // empty space: only the ghost differs
        QVERIFY(f.Panel().WindowImage != f.Panel().Bitmap.Pixels());
        over(f.At(track, 1));
        QVERIFY(DropTargetOf(*f.Appl));
        QCOMPARE(DropTargetOf(*f.Appl)->Part, &track.Parts[1]);
        f.Trigger("CancelEditing");
        QCOMPARE(f.Mode(), EditMode::Select);
        QVERIFY(!DropTargetOf(*f.Appl));
        QCOMPARE(f.Panel().WindowImage, f.Panel().Bitmap.Pixels());
    }

    // What a cell covers on the palette: its part and its code label.
    static BoundingBox CellExtent(EditFixture& f, const T_PLACED& cell) {
        C_PALETTE& palette = f.Appl->Palette;
        BoundingBox box = PartBox(cell, palette.View);
        RasterBitmap& bitmap = palette.Bitmap;
        bitmap.SetFont(DRAWING_FONT, PART_LABEL_SIZE);
        const int half = bitmap.TextWidth(cell.Part->Def->Code) / 2;
        const int cx = box.MinX + (box.MaxX - box.MinX) / 2;
        box.Add(cx - half, box.MinY);
        box.Add(cx + half, box.MinY);
        return box;
    }

    static bool Meet(const BoundingBox& a, const BoundingBox& b) {
        return a.MinX <= b.MaxX && b.MinX <= a.MaxX && a.MinY <= b.MaxY && b.MinY <= a.MaxY;
    }

    // Every shipped system's palette: each cell with its code lies between
    // the palette's left edge and its scroll bar, below the hint, on no other
    // cell, and the widest row fills most of the width.
    void shippedPalettesShowEveryCellWhole() {
        EditFixture f;
        f.Panel().ShowOutOfStock = true;
        const int width = PART_SELECTOR_WIDTH - PART_SELECTOR_SCROLLBAR_WIDTH;
        for (int b = 0; b < f.Appl->Library.Count; ++b) {
            L_BRAND& brand = *f.Appl->Library.Brands[b];
            f.Design().SetDesignBrand(&brand);
            DrawPartSelector(*f.Appl);
            const T_PLACEMENT& cells = *f.Appl->Palette.Entries;
            QCOMPARE(
                cells.Count, 0 + [&] {
                    int n = 0;
                    for (int i = 0; i < brand.PartCount; ++i)
                        n += brand.Parts[i].Type == PT_Curve ? 2 : 1;
                    return n;
                }());
            int widest = 0;
            for (int i = 0; i < cells.Count; ++i) {
                const BoundingBox box = CellExtent(f, cells.Entries[i]);
                const QString cell =
                    QString::fromStdString(brand.Name + " " + cells.Entries[i].Part->Def->Code);
                QVERIFY2(box.MinX >= 0 && box.MaxX < width, qPrintable(cell));
                QVERIFY2(box.MinY > HINT_PANEL_HEIGHT, qPrintable(cell));
                widest = std::max(widest, box.MaxX);
                for (int j = i + 1; j < cells.Count; ++j)
                    QVERIFY2(!Meet(box, CellExtent(f, cells.Entries[j])),
                             qPrintable(cell + " meets " +
                                        QString::fromStdString(cells.Entries[j].Part->Def->Code)));
            }
            QVERIFY2(widest > width * 3 / 4, qPrintable(QString::fromStdString(brand.Name)));
        }
    }

    // Codes are written on the cells in yellow, as the canvas writes them.
    void cellsShowTheirCodesUnlessTurnedOff() {
        EditFixture f;
        TestBrand(f, 2.0f);
        const QRect palette(0, 0, PART_SELECTOR_WIDTH - PART_SELECTOR_SCROLLBAR_WIDTH,
                            f.Palette()->height());
        // Anti-aliased text: pixels more yellow than anything else drawn there.
        auto yellowish = [&] {
            int count = 0;
            const QImage& image = f.Appl->Palette.WindowImage;
            for (int y = palette.top(); y <= palette.bottom(); ++y)
                for (int x = palette.left(); x <= palette.right(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    count += c.red() > 150 && c.green() > 150 && c.blue() < 100;
                }
            return count;
        };
        QVERIFY(f.Appl->Palette.ShowPartCodes);
        DrawPartSelector(*f.Appl);
        QVERIFY(yellowish() > 20);
        f.Trigger("PaletteCodesMenu");
        QCOMPARE(yellowish(), 0);
    }

    // A drag across several parts that is cancelled (Escape, or let go over
    // the palette) leaves the design looking exactly as before.
    void aCancelledDragLeavesNoTint_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << true;
        QTest::newRow("back over the palette") << false;
    }
    void aCancelledDragLeavesNoTint() {
        QFETCH(bool, escape);
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 4);
        track.Parts[1].Status = PS_OUTER_BORDER;
        f.Repaint();
        DrawPartSelector(*f.Appl);
        const QImage before = f.Panel().WindowImage;
        const QPoint from = CellPoint(f, "S350");
        QTest::mousePress(f.Palette(), Qt::LeftButton, {}, from);
        QTest::mouseMove(f.Palette(), from + QPoint(0, DragDistance() + 1));
        auto over = [&](QPoint p) {
            QTest::mouseMove(f.Palette(), f.Palette()->mapFromGlobal(f.Canvas()->mapToGlobal(p)));
        };
        for (int k : {0, 1, 2, 3, 2})
            over(f.At(track, k));
        QVERIFY(DropTargetOf(*f.Appl));
        if (escape) {
            f.Trigger("CancelEditing");
        } else {
            QTest::mouseMove(f.Palette(), from);
            QVERIFY(!DropTargetOf(*f.Appl)); // the tint left with the ghost
            QTest::mouseRelease(f.Palette(), Qt::LeftButton, {}, from);
        }
        QCOMPARE(f.Mode(), EditMode::Select);
        QCOMPARE(f.Panel().WindowImage, before);
        QCOMPARE(f.Panel().Bitmap.Pixels(), before);
        QCOMPARE(track.PartCount, 4);
    }

    void scrollingMovesTheCellsUp() {
        EditFixture f;
        f.Palette()->resize(f.Palette()->width(), 200);
        DrawPartSelector(*f.Appl);
        QVERIFY(f.Form->PartSelectorScrollBar->maximum() > 0);
        const float top = f.Appl->Palette.Entries->Entries[0].Y;
        f.Form->PartSelectorScrollBar->setValue(32);
        QCOMPARE(f.Appl->Palette.Entries->Entries[0].Y, top - 32);
    }
};

QTEST_MAIN(PartSelectorTest)
#include "PartSelectorTest.moc"
