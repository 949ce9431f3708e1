#include "MainFixture.h"
#include "app/DesignCommands.h"
#include "app/History.h"
#include "app/ReportCommands.h"
#include "app/RoomCommands.h"
#include "app/ViewCommands.h"
#include "edit/CanvasPanel.h"
#include "edit/PartSelector.h"
#include "ui/HelpWindow.h"
#include "ui/Icons.h"
#include "ui/InfoPage.h"
#include "ui/Newwizard.h"
#include "ui/QtDialogs.h"
#include "ui/Roomwizard.h"
#include "view/ViewMath.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSlider>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startsUntitledAndSavedWithOneEmptyTrack() {
        MainFixture f;
        QVERIFY(f.Form->Started());
        QCOMPARE(f.Form->windowTitle(), QString("untitled.tr3 - Vireldo 2000 V3.0b - S132SPORT"));
        QCOMPARE(f.Design().TrackCount(), 1);
        QVERIFY(f.Design().Tracks[0].HoldsOnlyEmptyPart());
        QVERIFY(!f.Design().IsModified());
        QVERIFY(!f.Action("UndoItemMenu")->isEnabled());
        QVERIFY(!f.Action("RedoButton")->isEnabled());
        QCOMPARE(f.Appl->Design.SelectedTrack, &f.Design().Tracks[0]);
        QCOMPARE(f.Status(0), QString("Select"));
        QCOMPARE(f.Form->ZoomFactor->text(), QString(" 2.0000"));
        QCOMPARE(f.Form->InfoDesignGridX->text(), QString("10.0000"));
        QCOMPARE(f.Appl->EmptyPart.Code, std::string("XXXX"));
    }

    void firstRunKeepsDefaultsAndWritesEverySetting() {
        MainFixture f;
        QVERIFY(f.Appl->Metric);
        QVERIFY(f.Appl->Design.Grid);
        QVERIFY(f.Appl->Palette.ShowPartCodes);
        QVERIFY(f.Action("PaletteCodesMenu")->isChecked());
        f.Form.reset();
        QSettings store(QString::fromStdString(f.Dir.File("settings.ini")), QSettings::IniFormat);
        QCOMPARE(store.value("FreshInstall").toInt(), 0);
        for (const char* name :
             {"PrintMono",      "Metric",          "Brand",        "Room",        "WindowState",
              "Ruler",          "ColorLanes",      "Filled",       "ShowPoints",  "ShowPartCodes",
              "ShowOutOfStock", "ColorOutOfStock", "LastUsedPath", "LastFile1",   "LastFile4",
              "DesignZoom",     "WizardStartup",   "DesignGrid",   "DesignXGrid", "DesignYGrid",
              "RoomGrid",       "RoomXGrid",       "RoomYGrid",    "DefineGrid",  "DefineXGrid",
              "DefineYGrid",    "PaletteCodes",    "ShowHeights"})
            QVERIFY2(store.contains(name), name);
        QCOMPARE(store.value("Brand").toString(), QString("S132SPORT"));
        QCOMPARE(store.value("Room").toString(), QString("untitled.rm3"));
        QCOMPARE(store.value("DesignXGrid").toByteArray().size(), 8);
    }

    void secondRunReadsWhatTheFirstWrote() {
        MainFixture f;
        f.Appl->Metric = false;
        f.Appl->Design.Grid = false;
        f.Appl->Design.GridX = 2.5f;
        f.Appl->Design.Design.SetDesignBrand(f.Appl->Library.FindBrand("HO64STD"));
        f.Trigger("PaletteCodesMenu");
        QVERIFY(!f.Appl->Palette.ShowPartCodes);
        f.Restart();
        QVERIFY(!f.Appl->Palette.ShowPartCodes);
        QVERIFY(!f.Action("PaletteCodesMenu")->isChecked());
        QVERIFY(!f.Appl->Metric);
        QVERIFY(!f.Appl->Design.Grid);
        QCOMPARE(f.Appl->Design.GridX, 2.5f);
        QCOMPARE(f.Form->InfoDesignGridX->text(), QString("2.5000"));
        QCOMPARE(f.Design().Brand->Name, std::string("HO64STD"));
        QVERIFY(!f.Action("DesignGridMenu")->isChecked());
        QVERIFY(!f.Action("MetricMenu")->isChecked());
        // The zoom always starts from the slider, whatever was stored.
        QCOMPARE(f.Appl->Design.Zoom, 2.0f);
    }

    void storedValuesThatNoLongerFitAreIgnored() {
        MainFixture f;
        f.Form.reset();
        {
            QSettings store(QString::fromStdString(f.Dir.File("settings.ini")),
                            QSettings::IniFormat);
            store.remove("Metric");
            store.setValue("Brand", "GONE");
            store.setValue("Room", "untitled.rm3");
            store.setValue("Ruler", "not a number");
        }
        f.Start(f.Appl->ProgramDir);
        QVERIFY(f.Appl->Metric);
        QVERIFY(f.Appl->Design.Ruler);
        QCOMPARE(f.Design().Brand->Name, std::string("S132SPORT"));
        QCOMPARE(f.Appl->Room.RoomFileName, std::string("untitled.rm3"));
        // Setting the marker again brings the defaults back.
        f.Appl->Metric = false;
        f.Form.reset();
        QSettings(QString::fromStdString(f.Dir.File("settings.ini")), QSettings::IniFormat)
            .setValue("FreshInstall", 1);
        f.Start(f.Appl->ProgramDir);
        QVERIFY(f.Appl->Metric);
    }

    void storedRoomIsOpenedAtStart() {
        MainFixture f;
        f.Appl->Room.RoomFileName = std::string(VIRELDO_FIXTURES) + "room.rm3";
        f.Restart();
        QCOMPARE(f.Appl->Room.Layer.ShapeCount, 2);
        QCOMPARE(f.Appl->Room.Offset.X, -12.0f);
    }

    // Undo puts back the name the design had and the caption says so, with
    // the changed mark; Save then asks for a name again.
    void theCaptionFollowsUndoAndRedo() {
        MainFixture f;
        const QString title = " - Vireldo 2000 V3.0b - S132SPORT";
        T_TRACK& track = f.Design().Tracks[0];
        auto edit = [&] {
            track.InsertCopyAfter(nullptr, T_PART{0, 0, f.Design().Brand->FindCode("S350")});
            track.Modified = true;
            PushUndo(*f.Appl, {ChangeKind::Track});
        };
        edit();
        QCOMPARE(f.Form->windowTitle(), "untitled.tr3*" + title);
        f.Dialogs->FileNames.push_back(f.Dir.File("oval1.tr3"));
        f.Trigger("SaveAsMenu");
        QCOMPARE(f.Form->windowTitle(), "oval1.tr3" + title);
        edit();
        QCOMPARE(f.Form->windowTitle(), "oval1.tr3*" + title);
        f.Trigger("UndoItemMenu");
        QCOMPARE(f.Form->windowTitle(), "untitled.tr3*" + title);
        f.Trigger("RedoItemMenu");
        QCOMPARE(f.Form->windowTitle(), "oval1.tr3*" + title);
        f.Trigger("UndoItemMenu");
        f.Dialogs->FileNames.push_back(f.Dir.File("oval2.tr3"));
        f.Trigger("SaveMenu");
        QCOMPARE(f.Dialogs->FileDialogs.size(), size_t(2)); // the unnamed design asks
        QCOMPARE(f.Form->windowTitle(), "oval2.tr3" + title);
    }

    // Close Loop's proposals are read whole: the list is as wide as the
    // longest of them, without a scroll bar across.
    void theListOfProposalsShowsEachWhole() {
        MainFixture f;
        const std::vector<std::string> items = {
            "C2-225 R C2-450 R C2-225 R S088 S078  (0.0 mm left)",
            "LCC2-450 R XC2-900 L C2-225 R C4-225 L  (0.4 mm left)", "S350  (0.0 mm left)"};
        int whole = -1; // items shown whole; the dialog closes whatever it finds
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (auto* list = dialog ? dialog->findChild<QListWidget*>() : nullptr) {
                whole = 0;
                for (int i = 0; i < list->count(); ++i)
                    whole += list->fontMetrics().horizontalAdvance(list->item(i)->text()) <
                             list->viewport()->width();
            }
            if (dialog)
                dialog->close();
        });
        QtDialogs dialogs;
        QCOMPARE(dialogs.ChooseFromList(
                     "Close Loop", items, [](int) {}, 0),
                 -1);
        QCOMPARE(whole, int(items.size()));
    }

    void fatalWithoutDefinitions() {
        TempDir empty;
        MainFixture f(empty.Dir());
        QVERIFY(!f.Form->Started());
        QCOMPARE(f.Dialogs->Messages.size(), size_t(1));
    }

    void saveAsksForANameOnlyWhenUnnamed() {
        MainFixture f;
        f.Dialogs->FileNames.push_back(f.Dir.File("first.tr3"));
        f.Trigger("SaveMenu");
        QCOMPARE(f.Dialogs->FileDialogs.size(), size_t(1));
        QCOMPARE(f.Dialogs->FileDialogs[0].Title, std::string("Save Track design"));
        QCOMPARE(f.Dialogs->FileDialogs[0].Filter, std::string("Tracks 2000|*.tr3|All Files|*.*"));
        QVERIFY(std::filesystem::exists(f.Dir.File("first.tr3")));
        QCOMPARE(f.Form->windowTitle(), QString("first.tr3 - Vireldo 2000 V3.0b - S132SPORT"));
        QCOMPARE(f.Appl->RecentFiles[0], f.Dir.File("first.tr3"));
        QCOMPARE(f.Appl->LastUsedPath, f.Dir.Dir());
        f.Design().Tracks[0].Modified = true;
        f.Trigger("SaveButton");
        QCOMPARE(f.Dialogs->FileDialogs.size(), size_t(1)); // no second dialog
        QVERIFY(!f.Design().IsModified());
        f.Trigger("SaveAsMenu"); // cancelled
        QCOMPARE(f.Dialogs->FileDialogs.size(), size_t(2));
        QCOMPARE(f.Design().FileName, f.Dir.File("first.tr3"));
    }

    void unwritableSaveIsReported() {
        MainFixture f;
        std::filesystem::create_directories(f.Dir.File("taken.tr3/inner"));
        f.Dialogs->FileNames.push_back(f.Dir.File("taken.tr3"));
        f.Design().Tracks[0].Modified = true;
        f.Trigger("SaveMenu");
        QCOMPARE(f.Dialogs->Messages.back(), "Cannot write file " + f.Dir.File("taken.tr3") + " !");
        QVERIFY(f.Design().IsModified());
    }

    void openAsksAboutAnUnsavedDesignFirst() {
        MainFixture f;
        f.Design().Tracks[0].Modified = true;
        f.Dialogs->Answers.push_back(DialogAnswer::Cancel);
        f.Trigger("OpenMenu");
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("Design changed - Do you want to save design untitled.tr3 ?"));
        QVERIFY(f.Dialogs->FileDialogs.empty());
        f.Dialogs->Answers.push_back(DialogAnswer::No);
        f.Dialogs->FileNames.push_back(f.DesignFile("two.tr3"));
        f.Trigger("OpenMenu");
        QCOMPARE(f.Dialogs->FileDialogs.back().Title, std::string("Open Vireldo Design"));
        QCOMPARE(f.Design().Tracks[0].PartCount, 2);
        QVERIFY(!f.Design().IsModified());
        QCOMPARE(f.Appl->Design.SelectedTrack, nullptr);
        QVERIFY(!f.Action("UndoButton")->isEnabled());
    }

    void openingAFileThatCannotBeReadLeavesTheDesignUnnamed() {
        MainFixture f;
        const std::string folder = f.Appl->LastUsedPath;
        OpenDesign(*f.Appl, "\"quoted.tr3\"");
        QCOMPARE(f.Dialogs->Messages.back(), std::string("Cannot open file \"quoted.tr3\" !"));
        QCOMPARE(f.Design().FileName, std::string("untitled.tr3"));
        QCOMPARE(f.Appl->RecentFiles[0], std::string("\"quoted.tr3\""));
        QCOMPARE(f.Appl->LastUsedPath, folder);
        QCOMPARE(f.Design().TrackCount(), 0);
    }

    // Opened designs that were not read whole: saving asks for a name, so
    // the file they came from is never replaced by what little was read.
    void unreadableDesignsAskForANameOnSave_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown brand") << "NOSUCHBRAND\n0\n0\n1\n0\n0\n0\n0\n0\n0\n"
                                       << "Brand NOSUCHBRAND is unknown!";
        QTest::newRow("truncated")
            << "S132SPORT\n0\n0\n2\n0\n0\n0\n0\n3\nS350\n0\n0\n"
            << "File %1 is damaged or incomplete; what could be read is shown.";
    }
    void unreadableDesignsAskForANameOnSave() {
        QFETCH(QString, content);
        QFETCH(QString, message);
        MainFixture f;
        const std::string file = f.Dir.File("real.tr3");
        WriteFile(file, content.toStdString());
        OpenDesign(*f.Appl, file);
        QCOMPARE(QString::fromStdString(f.Dialogs->Messages.back()),
                 message.arg(QString::fromStdString(file)));
        QCOMPARE(f.Design().FileName, std::string("untitled.tr3"));
        QCOMPARE(f.Appl->RecentFiles[0], file);
        f.Trigger("SaveMenu"); // Ctrl+S: the dialog asks, cancelled here
        QCOMPARE(f.Dialogs->FileDialogs.back().Title, std::string("Save Track design"));
        QCOMPARE(ReadFile(file), content.toStdString());
    }

    // "Yes" to the question, then the save dialog cancelled or the file not
    // written: the command stops and the design stays.
    void aSaveThatDidNotHappenStopsTheCommand_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("writeFails");
        for (const char* command : {"OpenMenu", "NewMenu", "Exit"}) {
            QTest::newRow((std::string(command) + ", cancelled").c_str()) << command << false;
            QTest::newRow((std::string(command) + ", failed").c_str()) << command << true;
        }
    }
    void aSaveThatDidNotHappenStopsTheCommand() {
        QFETCH(QString, command);
        QFETCH(bool, writeFails);
        MainFixture f;
        f.Design().Tracks[0].Modified = true;
        f.Dialogs->Answers.push_back(DialogAnswer::Yes);
        if (writeFails) {
            std::filesystem::create_directories(f.Dir.File("taken.tr3/inner"));
            f.Dialogs->FileNames.push_back(f.Dir.File("taken.tr3"));
        }
        const std::string folder = f.Appl->LastUsedPath;
        if (command == "Exit")
            QVERIFY(!AskBeforeExit(*f.Appl));
        else
            f.Trigger(qPrintable(command));
        QCOMPARE(f.Dialogs->FileDialogs.size(), size_t(1)); // only the save dialog
        QVERIFY(f.Dialogs->WizardRequests.empty());
        QVERIFY(f.Design().IsModified());
        QCOMPARE(f.Design().FileName, std::string("untitled.tr3"));
        QCOMPARE(f.Appl->LastUsedPath, folder);
        if (writeFails)
            QCOMPARE(f.Dialogs->Messages.back(),
                     "Cannot write file " + f.Dir.File("taken.tr3") + " !");
    }

    void tracklistNeedsTheDesignPageAndWritesItsFiles() {
        MainFixture f;
        f.Form->MainTab->setCurrentIndex(2);
        f.Trigger("ShowTracklistMenu");
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("Please set current tab panel to 'Design' to use this function!"));
        QVERIFY(!std::filesystem::exists(f.Appl->ProgramDir + "diy.html"));
        f.Form->MainTab->setCurrentIndex(0);
        f.Trigger("ShowHtmlButton");
        QVERIFY(std::filesystem::exists(f.Appl->ProgramDir + "diy.html"));
        QVERIFY(std::filesystem::exists(f.Appl->ProgramDir + "screen.gif"));
    }

    void reportsGoToTheUsersFolderWhenTheProgramsIsClosed() {
        QStandardPaths::setTestModeEnabled(true);
        MainFixture f;
        f.Appl->ProgramDir = f.Dir.File("not-there") + "/";
        std::string why;
        const std::string folder = ReportFolder(*f.Appl, why);
        QCOMPARE(QString::fromStdString(folder),
                 QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/");
        f.Form->MainTab->setCurrentIndex(1);
        QVERIFY(std::filesystem::exists(folder + "info.html"));
        QVERIFY(f.Form->InfoPage->Sections->toPlainText().contains("Track Sections Info"));
        std::filesystem::remove(folder + "info.html");
        QStandardPaths::setTestModeEnabled(false);
    }

    // The picture follows Mirror and Flip, so that its letters name the
    // sides of the room that will be drawn.
    void roomWizardPictureFollowsMirrorAndFlip() {
        TNewRoomWizard wizard(nullptr);
        wizard.show();
        auto shows = [&](const char* icon) {
            return wizard.RoomImage->pixmap().toImage() ==
                   AppIcon(icon).pixmap(wizard.RoomImage->size()).toImage();
        };
        const struct {
            QRadioButton* Button;
            const char* Plain;
            const char* Inverted;
        } rows[] = {{wizard.LButton, "room_l", "room_l_mirrored"},
                    {wizard.MButton, "room_m", "room_m_flipped"},
                    {wizard.TButton, "room_t", "room_t_flipped"}};
        for (const auto& row : rows) {
            wizard.InvertToggle->setChecked(false);
            row.Button->click();
            QVERIFY2(shows(row.Plain), row.Plain);
            wizard.InvertToggle->setChecked(true);
            QVERIFY2(shows(row.Inverted), row.Inverted);
            QVERIFY(!shows(row.Plain));
        }
    }

    void roomWizardShowsWhatEachShapeNeeds() {
        TNewRoomWizard wizard(nullptr);
        wizard.show();
        wizard.Fill(false);
        QCOMPARE(wizard.Units[5]->text(), QString("'"));
        const struct {
            QRadioButton* Button;
            int Boxes;
            const char* Invert; // null: hidden
            bool Filled;
        } rows[] = {{wizard.NoneButton, 0, nullptr, false},
                    {wizard.RectangleButton, 2, nullptr, true},
                    {wizard.LButton, 4, "Mirror", true},
                    {wizard.MButton, 6, "Flip", true},
                    {wizard.TButton, 6, "Flip", true}};
        for (const auto& row : rows) {
            row.Button->click();
            for (int i = 0; i < 6; ++i)
                QCOMPARE(wizard.Measures[i]->isEnabled(), i < row.Boxes);
            QCOMPARE(wizard.InvertToggle->isVisible(), row.Invert != nullptr);
            if (row.Invert)
                QCOMPARE(wizard.InvertToggle->text(), QString(row.Invert));
            QCOMPARE(wizard.FilledToggle->isVisible(), row.Filled);
            QCOMPARE(wizard.RoomImage->pixmap().isNull(), row.Boxes == 0);
        }
        wizard.Measures[0]->setText("4");
        wizard.Measures[1]->setText("3");
        wizard.RectangleButton->click();
        const RoomOutlineRequest request = wizard.Request();
        QCOMPARE(request.Shape, RoomShape::Rectangle);
        QCOMPARE(request.Measures[0], std::string("4"));
        QVERIFY(request.Filled);
    }

    void newRoomAsksBeforeAChangedRoomGoes() {
        MainFixture f;
        f.Appl->Room.Layer.AddShape()->AddPoint(1, 2);
        RoomOutlineRequest request;
        request.Shape = RoomShape::Rectangle;
        request.Measures = {"4", "3"};
        f.Dialogs->RoomAnswers = {request};
        f.Dialogs->Answers = {DialogAnswer::Cancel};
        f.Trigger("NewRoomMenu");
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("Room changed - Do you want to save room untitled.rm3 ?"));
        QCOMPARE(f.Appl->Room.Layer.Shapes[0].Points[0].X, 1.0f); // kept
        f.Dialogs->RoomAnswers = {request};
        f.Dialogs->Answers = {DialogAnswer::No};
        f.Trigger("NewRoomButton");
        QCOMPARE(f.Appl->Room.Layer.ShapeCount, 1);
        QCOMPARE(f.Appl->Room.Layer.Shapes[0].Points[1].X, 200.0f);
        QCOMPARE(f.Appl->Room.RoomFileName, std::string("untitled.rm3"));
        QVERIFY(f.Dialogs->RoomWizardMetric.back());
        request.Shape = RoomShape::None;
        f.Dialogs->RoomAnswers = {request};
        f.Dialogs->Answers = {DialogAnswer::No};
        f.Trigger("NewRoomMenu");
        QCOMPARE(f.Appl->Room.Layer.ShapeCount, 0);
        QVERIFY(!f.Appl->Room.Layer.Changed);
    }

    // A room made or opened is shown whole, centred: at once on the Room
    // page, or when that page shows next; View > Center and Zoom does it again.
    void aNewOrOpenedRoomFitsItsCanvas() {
        MainFixture f;
        f.Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.Form.get()));
        auto fits = [&] {
            // The 4 x 3 m outline, seen on the canvas: centred and filling it.
            C_ROOM& room = f.Appl->Room;
            const float left = WorldToScreenX(room, -200), right = WorldToScreenX(room, 200);
            const float top = WorldToScreenY(room, -150), bottom = WorldToScreenY(room, 150);
            return left >= 0 && right <= room.Width && top >= 0 && bottom <= room.Height &&
                   std::fabs((left + right) / 2 - room.CentreX) < 2 &&
                   (right - left > room.Width * 0.8f || bottom - top > room.Height * 0.8f);
        };
        f.Form->MainTab->setCurrentIndex(2);
        f.Dialogs->FileNames.push_back(std::string(VIRELDO_FIXTURES) + "room.rm3");
        f.Trigger("OpenRoomMenu");
        QVERIFY(fits());
        QCOMPARE(f.Form->RoomZoomFactor->text(),
                 QString::fromStdString(FormatZoom(f.Appl->Room.Zoom)));
        f.Appl->Room.Zoom = 0.2f;
        f.Trigger("CenterZoomMenu");
        QVERIFY(fits());
        f.Form->MainTab->setCurrentIndex(0); // a room made from the Design page
        f.Appl->Room.Zoom = 0.2f;
        RoomOutlineRequest request;
        request.Shape = RoomShape::Rectangle;
        request.Measures = {"4", "3"};
        f.Dialogs->RoomAnswers = {request};
        f.Dialogs->Answers = {DialogAnswer::No};
        f.Trigger("NewRoomMenu");
        f.Form->MainTab->setCurrentIndex(2);
        QVERIFY(fits());
    }

    // Save dialogs start at the name the user will most likely keep: the
    // design's or room's own, an export named after the design.
    void fileDialogsProposeTheCurrentName() {
        MainFixture f;
        OpenDesign(*f.Appl, f.DesignFile("oval1.tr3"));
        f.Trigger("SaveAsMenu");
        QCOMPARE(f.Dialogs->FileDialogs.back().FileName, f.Dir.File("oval1.tr3"));
        f.Trigger("ExportMenu");
        QCOMPARE(f.Dialogs->FileDialogs.back().FileName, f.Dir.File("oval1.svg"));
        f.Trigger("SaveAsGIF");
        QCOMPARE(f.Dialogs->FileDialogs.back().FileName, f.Dir.File("oval1.gif"));
        f.Appl->Room.RoomFileName = "/rooms/garage.rm3";
        f.Trigger("SaveAsRoomMenu");
        QCOMPARE(f.Dialogs->FileDialogs.back().FileName, std::string("/rooms/garage.rm3"));
    }

    void helpPagesShowInTheProgram() {
        MainFixture f;
        f.Trigger("HelpTopicsMenu");
        THelpWindow* help = f.Form->HelpWindow;
        QVERIFY(help && help->isVisible());
        QVERIFY(help->Browser->source().toLocalFile().endsWith("Manual/index.html"));
        QVERIFY(help->Browser->toPlainText().contains("Building and editing tracks"));
        QVERIFY(!help->BackButton->isEnabled());
        f.Trigger("TutorialMenu");
        QCOMPARE(f.Form->HelpWindow, help); // one window, the page changes
        QVERIFY(help->Browser->source().toLocalFile().endsWith("Manual/tutorial/index.html"));
        QVERIFY(help->BackButton->isEnabled());
        help->BackButton->click();
        QVERIFY(help->Browser->source().toLocalFile().endsWith("Manual/index.html"));
        QVERIFY(help->ForwardButton->isEnabled());
    }

    void aBinaryFileGivesAShortErrorMessage() {
        MainFixture f;
        std::string garbage(4000, '\x01');
        for (size_t i = 0; i < garbage.size(); i += 7)
            garbage[i] = static_cast<char>('A' + i % 26);
        WriteFile(f.Dir.File("binary.tr3"), garbage + "\n\x02\x03\n");
        // A drawing of the design before must not stay under the new name.
        F_SHAPE& drawn = *f.Appl->Design.Freehand.AddShape();
        drawn.Kind = SK_Polyline;
        drawn.AddPoint(-40, -40);
        drawn.AddPoint(40, 40);
        f.Appl->Design.SelectedShape = &drawn;
        RepaintPanel(f.Appl->Canvases);
        OpenDesign(*f.Appl, f.Dir.File("binary.tr3"));
        QCOMPARE(f.Appl->Design.Freehand.ShapeCount, 0);
        QVERIFY(!f.Appl->Design.SelectedShape);
        QCOMPARE(f.Design().TrackCount(), 0);
        const std::string& message = f.Dialogs->Messages.back();
        QVERIFY(message.rfind("Brand ", 0) == 0);
        QVERIFY(message.size() < 100);
        QVERIFY(message.find('\x01') == std::string::npos);
        QCOMPARE(f.Dialogs->Kinds.back(), MessageKind::Error);
    }

    void refusalsWarnAndFailuresShowErrors() {
        MainFixture f;
        f.Design().Tracks[0].Group = true;
        f.Trigger("DeleteTrackButton");
        QCOMPARE(f.Dialogs->Kinds.back(), MessageKind::Warning);
        std::filesystem::create_directories(f.Dir.File("taken.tr3/inner"));
        f.Dialogs->FileNames.push_back(f.Dir.File("taken.tr3"));
        f.Trigger("SaveAsMenu");
        QCOMPARE(f.Dialogs->Kinds.back(), MessageKind::Error);
    }

    void aFailedGifKeepsTheFolderAndSaysSo() {
        MainFixture f;
        const std::string folder = f.Appl->LastUsedPath;
        f.Dialogs->FileNames.push_back(f.Dir.File("missing/picture.gif"));
        f.Trigger("SaveAsGIF");
        QCOMPARE(f.Dialogs->Messages.back(),
                 "Cannot write file " + f.Dir.File("missing/picture.gif") + " !");
        QCOMPARE(f.Appl->LastUsedPath, folder);
        f.Dialogs->FileNames.push_back(f.Dir.File("picture.gif"));
        f.Trigger("SaveAsGIF");
        QCOMPARE(f.Appl->LastUsedPath, f.Dir.Dir());
    }

    void windowFitsASmallLaptopScreen() {
        MainFixture f;
        const QSize least = f.Form->minimumSizeHint();
        QVERIFY2(least.width() <= 1366 && least.height() <= 768,
                 qPrintable(QString("%1x%2").arg(least.width()).arg(least.height())));
        const QSize free = QGuiApplication::primaryScreen()->availableGeometry().size();
        QVERIFY(f.Form->width() <= free.width() && f.Form->height() <= free.height());
    }

    void statusPanelsKeepTheirWidths() {
        MainFixture f;
        f.Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.Form.get()));
        TStatusBar* bar = f.Form->StatusBar;
        int widths[3];
        for (int i = 0; i < 3; ++i) {
            widths[i] = bar->PanelWidth(i);
            QVERIFY(widths[i] >= PANEL_WIDTHS[i]);
        }
        f.Trigger("FreeFilledRectangleButton");
        bar->SetPanelText(1, "(-12.3456, -78.9012) ft");
        bar->SetPanelText(2, "123.4567 ft");
        QCoreApplication::processEvents();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(bar->PanelWidth(i), widths[i]);
    }

    void gridFieldsShowTheirUnit() {
        MainFixture f;
        QCOMPARE(f.Form->DesignGridUnit->text(), QString(" cm"));
        f.Trigger("MetricMenu");
        QCOMPARE(f.Form->DesignGridUnit->text(), QString(" in"));
        QCOMPARE(f.Form->RoomGridUnit->text(), QString(" in"));
    }

    void wizardShowsWholeDescriptions() {
        TNewDesignWizard wizard(nullptr);
        NewDesignRequest request;
        request.Brands = {"short",
                          "HO (about 1:64) track on a 3-inch module, raised rails, 6-18 in radii"};
        wizard.Fill(request);
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        const QListWidget* list = wizard.BrandBox;
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(list->item(1)->toolTip(), QString::fromStdString(request.Brands[1]));
        const int needed = list->fontMetrics().horizontalAdvance(list->item(1)->text());
        QVERIFY(list->viewport()->width() >= needed);
    }

    void failedRoomAndDefinitionsSavesAreReported() {
        MainFixture f;
        f.Appl->Room.Layer.AddShape()->AddPoint(1, 2);
        std::filesystem::create_directories(f.Dir.File("taken.rm3/inner"));
        f.Dialogs->FileNames.push_back(f.Dir.File("taken.rm3"));
        f.Trigger("SaveAsRoomMenu");
        QCOMPARE(f.Dialogs->Messages.back(), "Cannot write file " + f.Dir.File("taken.rm3") + " !");
        QVERIFY(f.Appl->Room.Layer.Changed);
        QCOMPARE(f.Appl->Room.RoomFileName, std::string("untitled.rm3"));
        f.Dialogs->Answers = {DialogAnswer::Yes};
        f.Dialogs->FileNames.push_back(f.Dir.File("taken.rm3"));
        QVERIFY(!AskBeforeExit(*f.Appl)); // the room is not lost
        QVERIFY(f.Appl->Room.Layer.Changed);
        // Definitions into a program folder that cannot take the file.
        f.Appl->Room.Layer.Changed = false;
        f.Appl->Define.DefinitionsChanged = true;
        const std::string programDir = f.Appl->ProgramDir;
        f.Appl->ProgramDir = f.Dir.File("missing") + "/";
        f.Dialogs->Answers = {DialogAnswer::Yes};
        QVERIFY(!AskBeforeExit(*f.Appl));
        QCOMPARE(f.Dialogs->Messages.back(),
                 "Cannot write file " + f.Appl->ProgramDir + "Vireldo30.df3 !");
        QVERIFY(f.Appl->Define.DefinitionsChanged);
        f.Appl->ProgramDir = programDir;
    }

    void recentFileList() {
        MainFixture f;
        std::vector<std::string> files;
        for (const char* name : {"a.tr3", "b.tr3", "c.tr3", "d.tr3"}) {
            files.push_back(f.DesignFile(name));
            OpenDesign(*f.Appl, files.back());
        }
        QCOMPARE(f.Appl->RecentFiles[0], files[3]);
        QCOMPARE(f.Appl->RecentFiles[3], files[0]);
        QVERIFY(f.Action("LastFile4Menu")->isVisible());
        QCOMPARE(f.Action("LastFile1Menu")->text(), QString::fromStdString("&1 " + files[3]));
        // Opening entry 3 by name leaves the order; through its menu item it moves up.
        OpenDesign(*f.Appl, files[1]);
        QCOMPARE(f.Appl->RecentFiles[2], files[1]);
        f.Trigger("LastFile3Menu");
        QCOMPARE(f.Appl->RecentFiles[0], files[1]);
        QCOMPARE(f.Appl->RecentFiles[1], files[3]);
        QCOMPARE(f.Appl->RecentFiles[2], files[2]);
        QCOMPARE(f.Design().FileName, files[1]);
        // A fifth file drops entry 4.
        const std::string fifth = f.DesignFile("e.tr3");
        OpenDesign(*f.Appl, fifth);
        QCOMPARE(f.Appl->RecentFiles[0], fifth);
        QCOMPARE(f.Appl->RecentFiles[3], files[2]);
    }

    void cancelledRecentOpenStillReorders() {
        MainFixture f;
        f.Appl->RecentFiles = {"1.tr3", "2.tr3", "3.tr3", "4.tr3"};
        f.Design().Tracks[0].Modified = true;
        f.Dialogs->Answers.push_back(DialogAnswer::Cancel);
        f.Trigger("LastFile4Menu");
        QCOMPARE(f.Appl->RecentFiles[0], std::string("4.tr3"));
        QCOMPARE(f.Appl->RecentFiles[3], std::string("3.tr3"));
        QCOMPARE(f.Design().FileName, std::string("untitled.tr3"));
    }

    void recentMenuShowsOnlyFilledEntries() {
        MainFixture f;
        QVERIFY(!f.Action("LastFile1Menu")->isVisible());
        QVERIFY(!f.Form->LastFileLineMenu->isVisible());
        AddRecentFile(*f.Appl, "x.tr3");
        QVERIFY(f.Action("LastFile1Menu")->isVisible());
        QVERIFY(!f.Action("LastFile2Menu")->isVisible());
        QVERIFY(f.Form->LastFileLineMenu->isVisible());
    }

    void wizardMakesGroupedTracksForMoreLanes() {
        MainFixture f;
        NewDesignAnswer answer;
        answer.Ok = true;
        answer.Brand = 1; // W124WIDE, 19.8 cm wide
        answer.Lanes = 10;
        answer.OpenAtStartup = false;
        f.Dialogs->WizardAnswers.push_back(answer);
        f.Trigger("NewMenu");
        QCOMPARE(f.Dialogs->WizardRequests.back().Brands.size(), size_t(6));
        QCOMPARE(f.Dialogs->WizardRequests.back().Selected, 0);
        QCOMPARE(f.Design().TrackCount(), 5);
        for (int k = 0; k < 5; ++k) {
            QVERIFY(f.Design().Tracks[k].Group);
            QCOMPARE(f.Design().Tracks[k].X, k * 19.8f);
        }
        QCOMPARE(f.Appl->Design.SelectedTrack, &f.Design().Tracks[0]);
        QCOMPARE(f.Design().Brand->Name, std::string("W124WIDE"));
        QVERIFY(!f.Appl->WizardStartup);
        QVERIFY(!f.Design().IsModified());
        QCOMPARE(f.Form->windowTitle(), QString("untitled.tr3 - Vireldo 2000 V3.0b - W124WIDE"));
        answer.Lanes = 2;
        answer.Brand = 2;
        f.Dialogs->WizardAnswers.push_back(answer);
        f.Trigger("NewMenu");
        QCOMPARE(f.Dialogs->WizardRequests.back().Selected, 1); // the current brand
        QCOMPARE(f.Design().TrackCount(), 1);
        QVERIFY(!f.Design().Tracks[0].Group);
    }

    void cancelledWizardStillStoresOpenAtStartup() {
        MainFixture f;
        f.Appl->Design.SelectedTrack = nullptr;
        NewDesignAnswer answer;
        answer.Ok = false;
        answer.OpenAtStartup = false;
        f.Dialogs->WizardAnswers.push_back(answer);
        f.Trigger("NewMenu");
        QVERIFY(!f.Appl->WizardStartup);
        QCOMPARE(f.Design().TrackCount(), 1);
    }

    void pageChangesSetTheCurrentPanel() {
        MainFixture f;
        SetEditMode(*f.Appl, EditMode::InsertTrack);
        f.Form->MainTab->setCurrentIndex(1);
        QCOMPARE(f.Appl->CurrentTab, 2);
        QCOMPARE(f.Appl->CurrentPanel(), nullptr);
        QCOMPARE(f.Appl->Edit.Mode, EditMode::Select);
        f.Form->MainTab->setCurrentIndex(2);
        QCOMPARE(f.Appl->CurrentTab, 3);
        QCOMPARE(f.Appl->CurrentPanel(), &f.Appl->Room);
        f.Form->MainTab->setCurrentIndex(0);
        QCOMPARE(f.Appl->CurrentTab, 1);
        QCOMPARE(f.Appl->CurrentPanel(), &f.Appl->Design);
    }

    void modesWriteCaptionHintAndPointer() {
        MainFixture f;
        f.Form->show();
        f.Trigger("MoveButton");
        QCOMPARE(f.Status(0), QString("Move Start"));
        QCOMPARE(f.Status(3),
                 QString("Click and hold the left mouse button to change the offset or "
                         "click right mouse button to stop moving"));
        QCOMPARE(f.Form->TrackCanvas->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(f.Form->RoomCanvas->cursor().shape(), Qt::BitmapCursor);
        f.Trigger("InsertTrackMenu");
        QCOMPARE(f.Status(0), QString("Insert Track"));
        QCOMPARE(f.Form->TrackCanvas->cursor().shape(), Qt::CrossCursor);
        f.Trigger("SelectButton");
        QCOMPARE(
            f.Status(3),
            QString("Click the left mouse button on an item to select or drag the item around"));
        QCOMPARE(f.Form->TrackCanvas->cursor().shape(), Qt::ArrowCursor);
    }

    void trackModesNeedASelectedTrack() {
        MainFixture f;
        f.Appl->Design.SelectedTrack = nullptr;
        for (const char* name : {"CopyTrackButton", "SplitTrackButton", "RotateTrackButton"}) {
            f.Trigger(name);
            QCOMPARE(f.Appl->Edit.Mode, EditMode::Select);
        }
        f.Trigger("JoinTrackButton");
        QCOMPARE(f.Appl->Edit.Mode, EditMode::JoinTrackStart);
        f.Appl->Design.SelectedTrack = &f.Design().Tracks[0];
        f.Trigger("CopyTrackButton");
        QCOMPARE(f.Appl->Edit.Mode, EditMode::CopyTrack);
        QCOMPARE(f.Status(0), QString("Copy Track"));
    }

    void measurementEndsWhenSelectIsEntered() {
        MainFixture f;
        f.Trigger("FreeMeasureButton");
        QCOMPARE(f.Appl->Edit.Mode, EditMode::StartMeasurement);
        f.Appl->Edit.DistanceActive = true;
        SetEditMode(*f.Appl, EditMode::Select);
        QVERIFY(!f.Appl->Edit.DistanceActive);
        f.Form->MainTab->setCurrentIndex(1); // no canvas: no freehand mode
        f.Trigger("FreePolylineButton");
        QCOMPARE(f.Appl->Edit.Mode, EditMode::Select);
    }

    void trackButtonsFollowTheSelection() {
        MainFixture f;
        UpdateEditButtons(*f.Appl);
        QVERIFY(f.Action("DeleteSectionButton")->isEnabled());
        QVERIFY(f.Form->findChild<QToolButton*>("QuickRotateMenu")->isEnabled());
        f.Appl->Design.SelectedTrack = nullptr;
        UpdateEditButtons(*f.Appl);
        QVERIFY(!f.Action("DeleteSectionButton")->isEnabled());
        QVERIFY(!f.Action("MirrorButton")->isEnabled());
        QVERIFY(f.Action("InsertTrackButton")->isEnabled());
        QVERIFY(f.Action("JoinTrackButton")->isEnabled());
        QVERIFY(!f.Action("FreeDeleteShapeButton")->isEnabled());
        F_SHAPE* text = f.Appl->Design.Freehand.AddShape();
        text->Kind = SK_Text;
        f.Appl->Design.SelectedShape = text;
        UpdateEditButtons(*f.Appl);
        QVERIFY(f.Action("FreeDeleteShapeButton")->isEnabled());
        QVERIFY(f.Action("FreeEditTextButton")->isEnabled());
    }

    void optionTogglesChangeTheirFlagAndCheckMark() {
        MainFixture f;
        const struct {
            const char* Name;
            ViewOption Option;
        } options[] = {{"FilledMenu", ViewOption::Filled},
                       {"RulerMenu", ViewOption::Ruler},
                       {"MetricMenu", ViewOption::Metric},
                       {"RoomGridMenu", ViewOption::RoomGrid},
                       {"PrintMonochromeMenu", ViewOption::PrintMono},
                       {"ShowPartCodesMenu", ViewOption::ShowPartCodes}};
        for (const auto& option : options) {
            const bool before = OptionValue(*f.Appl, option.Option);
            QCOMPARE(f.Action(option.Name)->isChecked(), before);
            f.Trigger(option.Name);
            QCOMPARE(OptionValue(*f.Appl, option.Option), !before);
            QCOMPARE(f.Action(option.Name)->isChecked(), !before);
        }
    }

    void rulerToggleRepaintsTheCanvas() {
        MainFixture f;
        f.Appl->Design.SetSize(200, 200);
        RepaintPanel(f.Appl->Canvases);
        QCOMPARE(f.Appl->Design.WindowImage.pixel(5, 150) & 0xFFFFFF, 0xF0F0E6u);
        f.Trigger("RulerMenu");
        QCOMPARE(f.Appl->Design.WindowImage.pixel(5, 150) & 0xFFFFFF, 0xFFFFFFu);
    }

    void insertOverwriteToggle() {
        MainFixture f;
        QCOMPARE(f.Form->OverwriteButton->text(), QString("Inser&t"));
        f.Trigger("ToggleOverwriteMenu");
        QCOMPARE(f.Form->OverwriteButton->text(), QString("Overwri&te"));
        f.Form->OverwriteButton->click();
        QCOMPARE(f.Form->OverwriteButton->text(), QString("Inser&t"));
    }

    void borderButtonsSetBitsAndRecordSnapshots() {
        MainFixture f;
        T_TRACK& track = f.Design().Tracks[0];
        L_PARTDEF* straight = f.Appl->Library.FindPart("S132SPORT", "S350");
        for (int i = 0; i < 3; ++i)
            *track.InsertAfter(nullptr) = T_PART{0, 0, straight};
        f.Appl->Design.SelectionFirst = 1;
        f.Appl->Design.SelectionLast = 2;
        f.Trigger("InnerBorder");
        QCOMPARE(track.Parts[0].Status, uint8_t(0));
        QCOMPARE(track.Parts[1].Status, PS_INNER_BORDER);
        QCOMPARE(track.Parts[2].Status, PS_INNER_BORDER);
        QVERIFY(f.Action("UndoItemMenu")->isEnabled());
        f.Form->findChild<QCheckBox*>("BorderSet")->setChecked(false);
        f.Trigger("InnerBorder");
        QCOMPARE(track.Parts[1].Status, uint8_t(0));
        f.Trigger("UndoButton");
        QCOMPARE(f.Design().Tracks[0].Parts[1].Status, PS_INNER_BORDER);
        QVERIFY(f.Action("RedoItemMenu")->isEnabled());
        // Without a range nothing changes, but the snapshot is still recorded.
        f.Appl->Design.SelectedTrack = &f.Design().Tracks[0];
        f.Appl->Design.SelectionFirst = f.Appl->Design.SelectionLast = -1;
        f.Trigger("OuterBorder");
        QVERIFY(!f.Action("RedoItemMenu")->isEnabled());
        QCOMPARE(f.Design().Tracks[0].Parts[1].Status, PS_INNER_BORDER);
    }

    void zoomAndGridFields() {
        MainFixture f;
        f.Form->ZoomBar->setValue(48);
        QCOMPARE(f.Form->ZoomFactor->text(), QString(" 3.8000"));
        QCOMPARE(f.Appl->Design.Zoom, 3.8f);
        f.Form->ZoomFactor->setText("-1");
        emit f.Form->ZoomFactor->editingFinished();
        QCOMPARE(f.Form->ZoomFactor->text(), QString(" 3.8000"));
        f.Form->ZoomFactor->setText("1.25");
        emit f.Form->ZoomFactor->editingFinished();
        QCOMPARE(f.Appl->Design.Zoom, 1.25f);
        f.Form->InfoRoomGridY->setText("0.05");
        emit f.Form->InfoRoomGridY->editingFinished();
        QCOMPARE(f.Form->InfoRoomGridY->text(), QString("10.0000"));
        f.Form->InfoRoomGridY->setText("2.54");
        emit f.Form->InfoRoomGridY->editingFinished();
        QCOMPARE(f.Appl->Room.GridY, 2.54f);
    }

    void centreAndZoomFitsTheTracks() {
        MainFixture f;
        f.Appl->Design.SetSize(800, 600);
        OpenDesign(*f.Appl, f.DesignFile("long.tr3", 4)); // 140 cm long, 15.6 wide
        f.Trigger("MaxCenterZoom");
        const BoundingBox& box = f.Appl->Design.View.Box;
        QVERIFY(box.MaxY - box.MinY <= 600 && box.MaxY - box.MinY >= 580);
        QVERIFY(std::abs((box.MinY + box.MaxY) / 2 - 300) <= 2);
        QCOMPARE(f.Form->ZoomFactor->text(),
                 QString::fromStdString(FormatZoom(f.Appl->Design.Zoom)));
        QVERIFY(f.Appl->Design.Zoom > 4.0f);
    }

    void exitAsksAboutDesignRoomAndDefinitions() {
        MainFixture f;
        f.Design().Tracks[0].Modified = true;
        f.Appl->Room.Layer.AddShape();
        f.Appl->Define.DefinitionsChanged = true;
        f.Dialogs->Answers = {DialogAnswer::No, DialogAnswer::No, DialogAnswer::Cancel};
        QVERIFY(!AskBeforeExit(*f.Appl));
        QCOMPARE(f.Dialogs->Messages.size(), size_t(3));
        QCOMPARE(f.Dialogs->Messages[1],
                 std::string("Room changed - Do you want to save room untitled.rm3 ?"));
        QCOMPARE(f.Dialogs->Messages[2],
                 std::string("Definitions changed - Do you want to save definitions ?"));
        f.Dialogs->Answers = {DialogAnswer::Cancel};
        QVERIFY(!f.Form->close()); // the close request is refused
        f.Dialogs->Answers = {DialogAnswer::No, DialogAnswer::No, DialogAnswer::No};
        QVERIFY(AskBeforeExit(*f.Appl));
    }

    void roomCommands() {
        MainFixture f;
        f.Appl->Room.Layer.AddShape()->AddPoint(1, 2);
        f.Dialogs->FileNames.push_back(f.Dir.File("plan.rm3"));
        f.Trigger("SaveRoomMenu");
        QCOMPARE(f.Dialogs->FileDialogs.back().Title, std::string("Save Room Template"));
        QVERIFY(std::filesystem::exists(f.Dir.File("plan.rm3")));
        QVERIFY(!f.Appl->Room.Layer.Changed);
        f.Appl->Room.Layer.AddShape();
        f.Trigger("SaveRoomMenu");
        QCOMPARE(f.Dialogs->FileDialogs.size(), size_t(1));
        QVERIFY(!f.Appl->Room.Layer.Changed);
        f.Dialogs->FileNames.push_back(std::string(VIRELDO_FIXTURES) + "room.rm3");
        f.Trigger("OpenRoomMenu");
        QCOMPARE(f.Appl->Room.Layer.ShapeCount, 2);
        QCOMPARE(f.Design().TrackCount(), 1); // the design is untouched
    }

    void gifNeedsTheDesignPage() {
        MainFixture f;
        f.Form->MainTab->setCurrentIndex(2);
        f.Trigger("SaveAsGIF");
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("Please set current tab panel to 'Design' to use this function!"));
        f.Form->MainTab->setCurrentIndex(0);
        f.Dialogs->FileNames.push_back(f.Dir.File("pictures/../shot.gif"));
        std::filesystem::create_directories(f.Dir.File("pictures"));
        f.Trigger("SaveAsGIF");
        QVERIFY(std::filesystem::exists(f.Dir.File("shot.gif")));
        QCOMPARE(f.Appl->LastUsedPath, f.Dir.File("pictures/..") + "/");
    }

    void importTr2MakesAnUnnamedSavedDesign() {
        MainFixture f;
        f.Dialogs->FileNames.push_back(std::string(VIRELDO_FIXTURES) + "oval.tr2");
        f.Trigger("ImportTr2Menu");
        QCOMPARE(f.Dialogs->FileDialogs.back().Title, std::string("Import Vireldo V2 designs"));
        QCOMPARE(f.Design().TrackCount(), 2);
        QCOMPARE(f.Design().FileName, std::string("untitled.tr3"));
        QVERIFY(!f.Design().IsModified());
        QVERIFY(!f.Action("UndoItemMenu")->isEnabled());
        QCOMPARE(f.Appl->Design.SelectedTrack, nullptr);
        // With the wrong brand the import refuses the whole file.
        f.Appl->Design.Design.SetDesignBrand(f.Appl->Library.FindBrand("HO64FLAT"));
        f.Dialogs->FileNames.push_back(std::string(VIRELDO_FIXTURES) + "oval.tr2");
        f.Trigger("ImportTr2Menu");
        QVERIFY(f.Dialogs->Messages.back().find("Part number SP350 is unknown") == 0);
        QCOMPARE(f.Design().TrackCount(), 0);
    }

    void pointerPositionInTheStatusBar() {
        MainFixture f;
        f.Appl->Design.SetSize(800, 600);
        f.Form->ShowPointerPosition(f.Appl->Design, 400, 300);
        QCOMPARE(f.Status(1), QString("( 0.0000, 0.0000) m"));
        QCOMPARE(f.Status(2), QString(""));
        f.Trigger("MetricMenu");
        f.Appl->Edit.DistanceActive = true;
        f.Appl->Edit.DistanceOrigin = {400, 300};
        f.Form->ShowPointerPosition(f.Appl->Design, 460, 380); // 30 by 40 cm at zoom 2
        QCOMPARE(f.Status(2), QString("1.6404 ft"));
    }

    void printingAsksThePrintDialog() {
        MainFixture f;
        f.Trigger("PrintMenu");
        QCOMPARE(f.Dialogs->PrintDialogs, 1);
        f.Trigger("PageSetupMenu");
        QCOMPARE(f.Dialogs->PrintDialogs, 2);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
