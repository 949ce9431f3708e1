#include "edit/FreehandEdit.h"
#include "EditFixture.h"
#include "toolkit/Colors.h"

#include <QTabWidget>
#include <QToolButton>

// Drawing on the freehand layers with the pointer and the freehand toolbar.
class FreehandEditTest : public QObject {
    Q_OBJECT

    // The design canvas at 10 pixels per cm with the 10 cm grid shown.
    static void GridView(EditFixture& f) {
        f.Panel().Zoom = 10.0f;
        f.Panel().Grid = true;
        f.Repaint();
    }
    static QPoint Screen(EditFixture& f, float x, float y) {
        return QPoint(static_cast<int>(std::lround(f.Panel().OriginX() + x * f.Panel().Zoom)),
                      static_cast<int>(std::lround(f.Panel().OriginY() + y * f.Panel().Zoom)));
    }
    static F_FREEHAND& Layer(EditFixture& f) { return f.Appl->Design.Freehand; }

  private slots:
    void pointsSnapToTheGrid() {
        EditFixture f;
        GridView(f);
        f.Trigger("FreePolylineButton");
        QCOMPARE(f.Mode(), EditMode::StartPolyline);
        f.Click(Screen(f, 14.9f, -5.1f));
        QCOMPARE(f.Mode(), EditMode::NextPoint);
        f.Click(Screen(f, 15.0f, -4.9f));
        f.Click(Screen(f, -15.0f, 25.0f)); // halves away from zero
        const F_SHAPE& line = Layer(f).Shapes[0];
        QCOMPARE(line.Kind, int32_t(SK_Polyline));
        QCOMPARE(line.PointCount, 3);
        QCOMPARE(line.Points[0].X, 10.0f);
        QCOMPARE(line.Points[0].Y, -10.0f);
        QCOMPARE(line.Points[1].X, 20.0f);
        QCOMPARE(line.Points[1].Y, 0.0f);
        QCOMPARE(line.Points[2].X, -20.0f);
        QCOMPARE(line.Points[2].Y, 30.0f);
        f.Click(QPoint(5, 5), Qt::RightButton); // finished with what it has
        QCOMPARE(f.Mode(), EditMode::Select);
        QCOMPARE(line.PointCount, 3);
        QVERIFY(!f.Appl->Design.SelectedShape);
        QCOMPARE(f.UndoCount(), 0); // drawings have no undo
    }

    void limitsOf32PointsAnd128Shapes() {
        EditFixture f;
        f.Trigger("FreePolygonButton");
        for (int i = 0; i < MAX_POINTS + 1; ++i)
            f.Click(QPoint(100 + i * 5, 100 + (i % 2) * 20));
        QCOMPARE(Layer(f).Shapes[0].PointCount, MAX_POINTS);
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("You cannot add any more points to this shape (max 32) !"));
        QCOMPARE(f.Mode(), EditMode::NextPoint);
        f.Click(QPoint(5, 5), Qt::RightButton);
        while (Layer(f).AddShape()) {
        }
        f.Trigger("FreeRectangleButton");
        f.Click(QPoint(300, 300));
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("You cannot add any more shapes (max 128) !"));
        QCOMPARE(f.Mode(), EditMode::StartRectangle);
        QCOMPARE(Layer(f).ShapeCount, MAX_SHAPES);
    }

    void aRectangleDraggedByACornerLandsOnTheGrid() {
        EditFixture f;
        GridView(f);
        f.Trigger("FreeRectangleButton");
        f.Click(Screen(f, 10, 10));
        QCOMPARE(f.Mode(), EditMode::Rectangle);
        f.Click(Screen(f, 30, 20));
        QCOMPARE(f.Mode(), EditMode::Select);
        const F_SHAPE& box = Layer(f).Shapes[0];
        QCOMPARE(box.PointCount, 2);
        f.Drag(Screen(f, 10, 10), Screen(f, 22.6f, 14.2f));
        QCOMPARE(f.Mode(), EditMode::Select);
        QCOMPARE(box.Points[0].X, 20.0f); // the grabbed corner on the grid
        QCOMPARE(box.Points[0].Y, 10.0f);
        QCOMPARE(box.Points[1].X, 40.0f); // the other by as much
        QCOMPARE(box.Points[1].Y, 20.0f);
        QCOMPARE(f.UndoCount(), 0);
    }

    void movingPointsGoesOn() {
        EditFixture f;
        GridView(f);
        f.Trigger("FreeFilledRectangleButton");
        f.Click(Screen(f, 0, 0));
        QCOMPARE(f.Status(0), QString("Rectangle Fill"));
        f.Click(Screen(f, 20, 20));
        f.Trigger("FreeMovePointButton");
        f.Drag(Screen(f, 20, 20), Screen(f, 31, 38));
        const F_SHAPE& box = Layer(f).Shapes[0];
        QCOMPARE(box.Kind, int32_t(SK_FilledRectangle));
        QCOMPARE(box.Points[1].X, 30.0f);
        QCOMPARE(box.Points[1].Y, 40.0f);
        QCOMPARE(box.Points[0].X, 0.0f);
        QCOMPARE(f.Mode(), EditMode::StartMovePoint);
    }

    void textDialogSizeRuleAndCancel() {
        EditFixture f;
        f.Trigger("FreeTextButton");
        f.Click(QPoint(200, 200)); // closed without OK
        QCOMPARE(f.Dialogs->TextShown.back().second, std::string("8"));
        QCOMPARE(Layer(f).ShapeCount, 0); // no empty shape is left behind
        QCOMPARE(f.Mode(), EditMode::Text);
        f.Dialogs->TextAnswers.push_back({"Start here", "12pt"});
        f.Click(QPoint(200, 200));
        QCOMPARE(Layer(f).ShapeCount, 1);
        const F_SHAPE& text = Layer(f).Shapes[0];
        QCOMPARE(text.Kind, int32_t(SK_Text));
        QCOMPARE(text.Text, std::string("Start here"));
        QCOMPARE(text.TextSize, 12);
        QCOMPARE(text.PointCount, 1);
        QCOMPARE(f.Mode(), EditMode::Select);
        f.Trigger("FreeTextButton");
        f.Click(QPoint(250, 250));
        QCOMPARE(f.Dialogs->TextShown.back().second, std::string("12pt")); // the last size
        f.Click(QPoint(5, 5), Qt::RightButton);
        // Change Selected Text on the selected text shape.
        f.Click(Screen(f, text.Points[0].X, text.Points[0].Y));
        QCOMPARE(f.Appl->Design.SelectedShape, &Layer(f).Shapes[0]);
        QVERIFY(f.Action("FreeEditTextButton")->isEnabled());
        f.Dialogs->TextAnswers.push_back({"Pit lane", "x"});
        f.Trigger("FreeEditTextButton");
        QCOMPARE(f.Dialogs->TextShown.back().first, std::string("Start here"));
        QCOMPARE(text.Text, std::string("Pit lane"));
        QCOMPARE(text.TextSize, 12); // not a number: the size stays
    }

    // The size is the number the field starts with; without one the last
    // valid size stays, in the text and in the field.
    void textSizeIsTheNumberTheFieldStartsWith_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("field");
        QTest::newRow("a number") << "12" << 12 << "12";
        QTest::newRow("with a unit") << "12pt" << 12 << "12pt";
        QTest::newRow("negative") << "-5" << 8 << "8";
        QTest::newRow("a blank first") << " 12pt" << 8 << "8";
        QTest::newRow("zero") << "0" << 8 << "8";
        QTest::newRow("no number") << "big" << 8 << "8";
    }
    void textSizeIsTheNumberTheFieldStartsWith() {
        QFETCH(QString, typed);
        QFETCH(int, size);
        QFETCH(QString, field);
        EditFixture f;
        f.Trigger("FreeTextButton");
        f.Dialogs->TextAnswers.push_back({"Pit", typed.toStdString()});
        f.Click(QPoint(200, 200));
        QCOMPARE(Layer(f).Shapes[0].TextSize, size);
        QCOMPARE(QString::fromStdString(f.Appl->Edit.TextSize), field);
    }

    void measuringShowsACrossAndTheDistance() {
        EditFixture f;
        f.Trigger("FreeMeasureButton");
        const QPoint at(300, 200);
        f.Click(at);
        QCOMPARE(f.Mode(), EditMode::Measurement);
        QVERIFY(f.Appl->Edit.DistanceActive);
        QCOMPARE(f.Panel().WindowImage.pixel(at + QPoint(0, 3)) & 0xFFFFFF, 0x008000u);
        QCOMPARE(f.Panel().WindowImage.pixel(at + QPoint(0, 4)) & 0xFFFFFF,
                 f.Panel().Bitmap.Pixels().pixel(at + QPoint(0, 4)) & 0xFFFFFF);
        f.Move(at + QPoint(30, 40));
        QCOMPARE(f.Status(2), QString("0.2500 m")); // 50 pixels at zoom 2
        const QPoint again(100, 100);
        f.Click(again); // measures anew from here; the old cross is gone
        QCOMPARE(f.Appl->Edit.DistanceOrigin.X, 100);
        QCOMPARE(f.Panel().WindowImage.pixel(at + QPoint(0, 3)),
                 f.Panel().Bitmap.Pixels().pixel(at + QPoint(0, 3)));
        f.Click(QPoint(5, 5), Qt::RightButton);
        QVERIFY(!f.Appl->Edit.DistanceActive);
    }

    // The read-outs never show what no longer holds: a finished measurement,
    // the unit before a change, another page's texts.
    void statusPanelsShowOnlyWhatHolds() {
        EditFixture f;
        f.Trigger("FreeMeasureButton");
        f.Click(QPoint(300, 200));
        f.Move(QPoint(330, 240));
        QCOMPARE(f.Status(2), QString("0.2500 m"));
        f.Trigger("CancelEditing");
        QCOMPARE(f.Mode(), EditMode::Select);
        QCOMPARE(f.Status(2), QString());
        f.Move(QPoint(100, 100));
        QVERIFY(f.Status(1).endsWith(" m"));
        f.Trigger("MetricMenu");
        QVERIFY(f.Status(1).endsWith(" ft"));
        f.Form->MainTab->setCurrentIndex(1); // Info
        for (int panel : {0, 1, 2, 3})
            QCOMPARE(f.Status(panel), QString());
    }

    void colourAndPenWidthOfTheSelectedShape() {
        EditFixture f;
        f.Trigger("FreeRectangleButton");
        f.Click(QPoint(100, 100));
        f.Click(QPoint(140, 120));
        F_SHAPE& box = Layer(f).Shapes[0];
        const QPoint corner = Screen(f, box.Points[0].X, box.Points[0].Y);
        f.Click(corner); // selects the rectangle by its corner
        QCOMPARE(f.Appl->Design.SelectedShape, &box);
        f.Dialogs->ColourAnswers.push_back(0x123456);
        f.Form->FreeColorPicker->click();
        QCOMPARE(box.Color, StoredFromRgb(0x123456));
        QCOMPARE(box.Color, int32_t(0x563412));
        QVERIFY(!f.Appl->Design.SelectedShape); // recoloured and let go
        f.Dialogs->ColourAnswers.push_back(0x00FF00);
        f.Form->FreeColorPicker->click(); // nothing selected: new shapes only
        QCOMPARE(box.Color, int32_t(0x563412));
        QCOMPARE(f.Panel().CurrentColour, Rgb(0x00FF00));
        f.Click(corner);
        FreePenWidthCommand(*f.Appl, "3px");
        QCOMPARE(box.PenWidth, 3);
        QCOMPARE(f.Appl->Design.SelectedShape, &box); // still selected
        f.Trigger("DeleteFreehandShape");
        QCOMPARE(Layer(f).ShapeCount, 0);
        QVERIFY(!f.Action("FreeDeleteShapeButton")->isEnabled());
    }

    // A shape deleted between the press and the drag is not dragged: not
    // its old slot, and not the shape that took that slot.
    void aShapeDeletedBeforeTheDragIsLeftAlone_data() {
        QTest::addColumn<int>("shapes");
        QTest::newRow("the only shape") << 1;
        QTest::newRow("another takes its slot") << 2;
    }
    void aShapeDeletedBeforeTheDragIsLeftAlone() {
        QFETCH(int, shapes);
        EditFixture f;
        GridView(f);
        for (int k = 0; k < shapes; ++k) {
            f.Trigger("FreeRectangleButton");
            f.Click(Screen(f, 0, 30.0f * k));
            f.Click(Screen(f, 20, 30.0f * k + 20));
        }
        const QPoint corner = Screen(f, 0, 0);
        f.Click(corner); // selects the first
        QCOMPARE(f.Appl->Design.SelectedShape, &Layer(f).Shapes[0]);
        f.Trigger("FreeMovePointButton");
        QTest::mousePress(f.Canvas(), Qt::LeftButton, {}, corner);
        f.Trigger("DeleteFreehandShape");
        QCOMPARE(Layer(f).ShapeCount, shapes - 1);
        const F_SHAPE kept = Layer(f).Shapes[0];
        QTest::mouseMove(f.Canvas(), corner + QPoint(40, 40));
        QTest::mouseMove(f.Canvas(), corner + QPoint(80, 90));
        QTest::mouseRelease(f.Canvas(), Qt::LeftButton, {}, corner + QPoint(80, 90));
        for (int i = 0; i < kept.PointCount; ++i) {
            QCOMPARE(Layer(f).Shapes[0].Points[i].X, kept.Points[i].X);
            QCOMPARE(Layer(f).Shapes[0].Points[i].Y, kept.Points[i].Y);
        }
        QCOMPARE(Layer(f).ShapeCount, shapes - 1);
        QVERIFY(f.Mode() != EditMode::MovePoint);
    }

    // The selected point is always one of the selected shape's.
    void theSelectedPointGoesWithItsShape() {
        EditFixture f;
        GridView(f);
        f.Trigger("FreePolylineButton");
        for (float x : {0.0f, 10.0f, 20.0f})
            f.Click(Screen(f, x, 0));
        f.Click(QPoint(5, 5), Qt::RightButton);
        f.Click(Screen(f, 20, 0)); // its third point
        QCOMPARE(f.Panel().SelectedPoint, 2);
        f.Dialogs->ColourAnswers.push_back(0x123456);
        f.Form->FreeColorPicker->click();
        QVERIFY(!f.Panel().SelectedShape);
        QCOMPARE(f.Panel().SelectedPoint, -1);
        f.Trigger("FreePolylineButton");
        f.Click(Screen(f, 0, 30));
        const F_SHAPE* drawn = f.Panel().SelectedShape;
        QVERIFY(drawn);
        QVERIFY(f.Panel().SelectedPoint < drawn->PointCount);
    }

    void theRoomOutlineIsDrawnTheSameWay() {
        EditFixture f;
        f.Form->MainTab->setCurrentIndex(2);
        f.Trigger("FreePolygonButton");
        TCanvasPanel* room = f.Form->RoomCanvas;
        for (QPoint p : {QPoint(100, 100), QPoint(300, 100), QPoint(300, 250)})
            QTest::mouseClick(room, Qt::LeftButton, {}, p);
        QTest::mouseClick(room, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(f.Appl->Room.Layer.ShapeCount, 1);
        QCOMPARE(f.Appl->Room.Layer.Shapes[0].PointCount, 3);
        QVERIFY(f.Appl->Room.Layer.Changed);
        QCOMPARE(Layer(f).ShapeCount, 0);
    }
};

QTEST_MAIN(FreehandEditTest)
#include "FreehandEditTest.moc"
