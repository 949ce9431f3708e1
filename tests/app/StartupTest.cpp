#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "app/Appl.h"
#include "app/Caption.h"
#include "app/ProgramEntry.h"
#include "defs/DefinitionsFile.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <memory>

class StartupTest : public QObject {
    Q_OBJECT

  private:
    // Runs the program from dir; returns its exit code. The dialogs the run
    // showed are left in dialogs, the main window's caption in caption.
    int Run(const std::string& dir, ScriptedDialogs*& dialogs, QString& caption,
            const std::string& commandLine = "") {
        auto appl = std::make_unique<A_APPL>(dir);
        appl->SettingsFile = Settings.File("settings.ini");
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        scripted->OnMessage = [this] {
            for (QWidget* window : QApplication::topLevelWidgets())
                SplashOverMessage |= window->inherits("TSplashForm") && window->isVisible();
        };
        appl->SetDialogs(std::move(scripted));
        caption.clear();
        // Once the message loop runs, note the window and close it.
        // Once the main window shows, note its caption and close it. The timer
        // dies with this run, so it never fires into the next one.
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&caption, &closer] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->objectName() == "MainForm" && window->isVisible()) {
                    caption = window->windowTitle();
                    closer.stop();
                    window->close();
                }
        });
        closer.start(10);
        const int code = ProgramEntry(*appl, commandLine);
        Appls.push_back(std::move(appl)); // the dialogs live as long as the test
        return code;
    }

    std::vector<std::unique_ptr<A_APPL>> Appls;
    bool SplashOverMessage = false;

    // Notes the class of every window that shows.
    struct ShownWindows : QObject {
        QStringList Classes;
        bool eventFilter(QObject* object, QEvent* event) override {
            if (event->type() == QEvent::Show && object->isWidgetType() &&
                static_cast<QWidget*>(object)->isWindow())
                Classes << object->metaObject()->className();
            return false;
        }
    };
    TempDir Settings;
    // A fresh copy of the shipped program folder for each run.
    std::vector<std::unique_ptr<TempDir>> Copies;
    std::string ShippedCopy() {
        return ProgramFolderCopy(*Copies.emplace_back(std::make_unique<TempDir>()), VIRELDO_DATA);
    }

  private slots:
    void missingDefinitionsEndWithTheMessageAndExitCodeZero() {
        TempDir dir;
        ScriptedDialogs* dialogs = nullptr;
        QString caption;
        QCOMPARE(Run(dir.Dir(), dialogs, caption), 0);
        QCOMPARE(dialogs->Messages.size(), size_t(1));
        QCOMPARE(dialogs->Messages[0], "Cannot load track definition file '" + dir.Dir() +
                                           "Vireldo30.df3' ! \n\nEXIT VIRELDO!");
        QCOMPARE(dialogs->Kinds[0], MessageKind::Error);
        QVERIFY(caption.isEmpty());  // no window was shown
        QVERIFY(!SplashOverMessage); // the splash went first
    }

    void captionsAreTheProgramsOwn() {
        TempDir dir;
        ScriptedDialogs* dialogs = nullptr;
        QString caption;
        Run(dir.Dir(), dialogs, caption);
        // No display name was set, so the platform adds none to the captions:
        // the display name still follows the application name.
        const QString name = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName("probe");
        QCOMPARE(QGuiApplication::applicationDisplayName(), QString("probe"));
        QCoreApplication::setApplicationName(name);
    }

    void definitionsWithoutBrandsAreAsFatalAsNone() {
        TempDir dir;
        WriteFile(dir.Dir() + DEFINITIONS_FILE_NAME, "# VIRELDO Definition File\r\n0\r\n");
        ScriptedDialogs* dialogs = nullptr;
        QString caption;
        QCOMPARE(Run(dir.Dir(), dialogs, caption), 0);
        QCOMPARE(dialogs->Messages.size(), size_t(1));
        QVERIFY(dialogs->Messages[0].find(dir.Dir() + "Vireldo30.df3") != std::string::npos);
    }

    void shippedDefinitionsOpenTheWindow() {
        ScriptedDialogs* dialogs = nullptr;
        QString caption;
        QCOMPARE(Run(ShippedCopy(), dialogs, caption), 0);
        QVERIFY(dialogs->Messages.empty());
        QCOMPARE(caption, QString("untitled.tr3 - Vireldo 2000 V3.0b - S132SPORT"));
    }

    void stockTableIsLoadedBesideTheDefinitions() {
        ScriptedDialogs* dialogs = nullptr;
        QString caption;
        QCOMPARE(Run(std::string(VIRELDO_FIXTURES) + "stockdir/", dialogs, caption), 0);
        const L_DEFINITIONS& library = Appls.back()->Library;
        QCOMPARE(library.FindPart("MINI", "S350")->Stock, 12);
        QCOMPARE(library.FindPart("MINI", "C90")->Stock, -1);
        QCOMPARE(library.FindPart("OTHER", "X1")->Stock, 3);
        QCOMPARE(caption, QString("untitled.tr3 - Vireldo 2000 V3.0b - MINI"));
    }

    void withoutAFileTheSplashShowsAndTheWizardRuns() {
        ShownWindows shown;
        qApp->installEventFilter(&shown);
        ScriptedDialogs* dialogs = nullptr;
        QString caption;
        QCOMPARE(Run(ShippedCopy(), dialogs, caption), 0);
        qApp->removeEventFilter(&shown);
        QVERIFY(shown.Classes.contains("TSplashForm"));
        QCOMPARE(dialogs->WizardRequests.size(), size_t(1));
    }

    void withAFileNeitherSplashNorWizard() {
        ShownWindows shown;
        qApp->installEventFilter(&shown);
        ScriptedDialogs* dialogs = nullptr;
        QString caption;
        const std::string design = std::string(VIRELDO_FIXTURES) + "oval.tr3";
        QCOMPARE(Run(ShippedCopy(), dialogs, caption, design), 0);
        qApp->removeEventFilter(&shown);
        QVERIFY(!shown.Classes.contains("TSplashForm"));
        QVERIFY(dialogs->WizardRequests.empty());
        QVERIFY(dialogs->Messages.empty());
        QCOMPARE(caption, QString("oval.tr3 - Vireldo 2000 V3.0b - S132SPORT"));
        QCOMPARE(Appls.back()->Design.Design.TrackCount(), 2);
    }

    void aQuotedNameIsTakenWholeAndReportedAsNotOpenable() {
        ScriptedDialogs* dialogs = nullptr;
        QString caption;
        QCOMPARE(Run(ShippedCopy(), dialogs, caption, "\"my oval.tr3\""), 0);
        QCOMPARE(dialogs->Messages.size(), size_t(1));
        QCOMPARE(dialogs->Messages[0], std::string("Cannot open file \"my oval.tr3\" !"));
        QVERIFY(!Appls.back()->Design.Design.IsModified());
        QVERIFY(dialogs->WizardRequests.empty()); // a file was named, even if unreadable
    }

    void captionShowsTheFileNameWithoutItsFolder() {
        QCOMPARE(DesignCaption("/home/me/layouts/oval.tr3", "BRAND"),
                 std::string("oval.tr3 - Vireldo 2000 V3.0b - BRAND"));
        QCOMPARE(DesignCaption("C:\\tracks\\oval.tr3", "X"),
                 std::string("oval.tr3 - Vireldo 2000 V3.0b - X"));
        QCOMPARE(DesignCaption("untitled.tr3", ""),
                 std::string("untitled.tr3 - Vireldo 2000 V3.0b - "));
        QCOMPARE(DesignCaption("/home/me/oval.tr3", "X", true),
                 std::string("oval.tr3* - Vireldo 2000 V3.0b - X"));
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
