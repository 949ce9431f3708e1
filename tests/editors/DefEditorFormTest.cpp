#include "../ui/MainFixture.h"
#include "edit/CanvasPanel.h"
#include "edit/StatusBar.h"
#include "editors/Defeditor.h"
#include "editors/Defeditorpart.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

// The definitions editor and its part drawing window, driven through their controls.
class DefEditorFormTest : public QObject {
    Q_OBJECT

    struct Fixture : MainFixture {
        TDefEditorPartForm Part{*Appl, {}, nullptr};
        TDefEditorForm Editor{*Appl, Part, nullptr};

        Fixture() {
            Form->DefEditorPart = &Part; // the window whose status bar the part modes write
            Editor.show();
            QVERIFY(QTest::qWaitForWindowExposed(&Editor));
        }
        QLineEdit* Box(const char* name) { return Editor.findChild<QLineEdit*>(name); }
        // Types into a box and leaves it.
        void Enter(const char* name, const QString& text) {
            QLineEdit* box = Box(name);
            box->setText(text);
            emit box->editingFinished();
        }
        L_PARTDEF& Current() { return *Appl->Define.Part; }
        ~Fixture() { Form->DefEditorPart = nullptr; }
    };

  private slots:
    void opensOnTheFirstBrandWithItsParts() {
        Fixture f;
        QCOMPARE(f.Appl->CurrentPanel(), static_cast<P_PANEL*>(&f.Appl->Define));
        QVERIFY(f.Part.isVisible());
        QCOMPARE(f.Editor.DBrandBox->count(), f.Appl->Library.Count);
        QCOMPARE(f.Editor.DBrandBox->currentText(),
                 QString::fromLatin1((f.Appl->Library.Brands[0]->Name + " - " +
                                      f.Appl->Library.Brands[0]->Description)
                                         .c_str()));
        QCOMPARE(f.Editor.DPartsGrid->rowCount(), f.Appl->Library.Brands[0]->PartCount);
        QCOMPARE(f.Editor.DPartsGrid->item(0, 0)->text(), QString("S350"));
        QVERIFY(f.Editor.TypeGroups[PT_Straight - 1]->isVisible());
        QVERIFY(!f.Editor.TypeGroups[PT_Curve - 1]->isVisible());
        QVERIFY(!f.Appl->Define.DefinitionsChanged);
    }

    void fieldsKeepTheirFormats() {
        Fixture f;
        f.Enter("DS_Width", "1x");
        QCOMPARE(f.Current().StraightWidth, 1.0f);
        QCOMPARE(f.Box("DS_Width")->text(), QString("1.0000"));
        f.Enter("DS_Length", "abc");
        QCOMPARE(f.Current().StraightLength, 0.0f);
        QVERIFY(f.Appl->Define.DefinitionsChanged);
        f.Editor.DTypes[PT_Curve - 1]->click();
        QCOMPARE(f.Current().Type, int32_t(PT_Curve));
        QVERIFY(f.Editor.TypeGroups[PT_Curve - 1]->isVisible());
        f.Enter("DC_Angle", "22.6");
        QCOMPARE(f.Current().CurveAngle, 90);
        QCOMPARE(f.Box("DC_Angle")->text(), QString("22.50"));
    }

    void theReminderComesOncePerRun() {
        Fixture f;
        f.Editor.DPartsGrid->item(1, 1)->setText("Straight, longer");
        f.Editor.DPartsGrid->item(1, 0)->setText("S351");
        QCOMPARE(f.Appl->Library.Brands[0]->Parts[1].Code, std::string("S351"));
        QCOMPARE(f.Appl->Library.Brands[0]->Parts[1].Description, std::string("Straight, longer"));
        const auto reminders =
            std::count_if(f.Dialogs->Messages.begin(), f.Dialogs->Messages.end(),
                          [](const std::string& m) { return m.rfind("REMINDER!\n\n", 0) == 0; });
        QCOMPARE(reminders, 1);
        f.Editor.hide();
        f.Editor.show();
        f.Editor.DPartsGrid->item(2, 2)->setText("x");
        QCOMPARE(f.Editor.DPartsGrid->item(2, 2)->text(), QString("X"));
        QCOMPARE(f.Dialogs->Messages.size(), size_t(1));
    }

    void newBrandAndPartThroughTheButtons() {
        Fixture f;
        const int brands = f.Appl->Library.Count;
        f.Editor.DNewBrandButton->click(); // the code dialog cancelled
        QCOMPARE(f.Appl->Library.Count, brands);
        f.Dialogs->BrandCodes = {"MYTRACK"};
        f.Editor.DNewBrandButton->click();
        QCOMPARE(f.Appl->Library.Count, brands + 1);
        QCOMPARE(f.Editor.DBrandBox->currentText(), QString("MYTRACK - New BRAND"));
        QCOMPARE(f.Editor.DPartsGrid->rowCount(), 1);
        f.Editor.DNewPartButton->click();
        QCOMPARE(f.Editor.DPartsGrid->rowCount(), 2);
        QCOMPARE(f.Appl->Define.Part, &f.Appl->Define.Brand->Parts[1]);
        f.Editor.DBrandBox->setCurrentIndex(0);
        QCOMPARE(f.Appl->Define.Brand, f.Appl->Library.Brands[0]);
        QCOMPARE(f.Appl->Define.Part, &f.Appl->Library.Brands[0]->Parts[0]);
    }

    void partWindowZoomAndGrid() {
        Fixture f;
        f.Part.ZoomBar->setValue(1);
        QCOMPARE(f.Appl->Define.Zoom, 1.5f);
        f.Part.ZoomBar->setValue(48);
        QCOMPARE(f.Appl->Define.Zoom, 25.0f);
        QCOMPARE(f.Part.ZoomFactor->text(), QString(" 25.0000"));
        f.Part.InfoDefineGridX->setText("0.05");
        emit f.Part.InfoDefineGridX->editingFinished();
        QCOMPARE(f.Appl->Define.GridX, 1.0f);
        QCOMPARE(f.Part.InfoDefineGridX->text(), QString("1.0000"));
    }

    void drawingTheSilkscreenOnThePartCanvas() {
        Fixture f;
        SetEditMode(*f.Appl, EditMode::StartPolyline);
        TCanvasPanel* canvas = f.Part.DefineCanvas;
        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(150, 120));
        QTest::mouseClick(canvas, Qt::RightButton, {}, QPoint(150, 120));
        const F_FREEHAND& silkscreen = *f.Current().Silkscreen;
        QCOMPARE(silkscreen.ShapeCount, 1);
        QCOMPARE(silkscreen.Shapes[0].PointCount, 2);
        QCOMPARE(f.Part.StatusBar->PanelText(0), QString("Select"));
    }

    void theMainWindowStepsAside() {
        MainFixture f;
        f.Form->show();
        f.Form->MainTab->setCurrentIndex(2);
        bool hidden = false;
        QTimer::singleShot(0, [&] {
            hidden = !f.Form->isVisible();
            if (QWidget* editor = QApplication::activeModalWidget())
                editor->close();
        });
        f.Trigger("TrackDefEditorMenu");
        QVERIFY(hidden);
        QVERIFY(f.Form->isVisible());
        QCOMPARE(f.Appl->CurrentPanel(), static_cast<P_PANEL*>(&f.Appl->Room));
        QVERIFY(!f.Form->DefEditorPart->isVisible());
    }
};

QTEST_MAIN(DefEditorFormTest)
#include "DefEditorFormTest.moc"
