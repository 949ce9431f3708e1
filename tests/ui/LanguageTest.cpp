#include "i18n/Language.h"
#include "MainFixture.h"
#include "app/CommandLine.h"
#include "app/Settings.h"
#include "app/ViewCommands.h"
#include "edit/LayoutCheckCommands.h"
#include "editors/Defeditor.h"
#include "editors/Defeditorpart.h"
#include "editors/Stockedit.h"
#include "i18n/Translate.h"
#include "report/SectionList.h"
#include "ui/About.h"
#include "ui/Asktext.h"
#include "ui/CarDialog.h"
#include "ui/HelpWindow.h"
#include "ui/InfoPage.h"
#include "ui/Newbrand.h"
#include "ui/Newwizard.h"
#include "ui/PrintAtScale.h"
#include "ui/Roomwizard.h"
#include "ui/SuggestDialog.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTextBrowser>
#include <QTranslator>
#include <QtTest>
#include <functional>

namespace {

// The program speaks a language for the length of a test, English after.
struct Speaking {
    explicit Speaking(const char* code) { InstallLanguage(code, QLocale::c()); }
    ~Speaking() {
        InstallLanguage("en", QLocale::c());
        QLocale::setDefault(QLocale::system());
    }
};

// Every text 40 % longer and with accents, its placeholders and mnemonics
// kept: what the longest translation could look like.
class PseudoTranslator : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        const QString text = QString::fromUtf8(source);
        static const QString plain = "aeiouAEIOUcnCN";
        static const QString accented = QString::fromUtf8("áéíóúÁÉÍÓÚçñÇÑ");
        QString out;
        int letters = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool marker = (text[i] == '%' || text[i] == '&') && i + 1 < text.size();
            if (marker) {
                out += text[i];
                out += text[++i];
                continue;
            }
            const qsizetype k = plain.indexOf(text[i]);
            out += k >= 0 ? accented[k] : text[i];
            letters += text[i].isLetter();
        }
        return out + QString((letters * 2 + 4) / 5, QChar(0x00C4));
    }
};

struct SpeakingPseudo {
    PseudoTranslator Translator;
    SpeakingPseudo() { QCoreApplication::installTranslator(&Translator); }
    ~SpeakingPseudo() { QCoreApplication::removeTranslator(&Translator); }
};

// Every shown label, button, group title and table column narrower than its
// text, and every menu wider than the screen.
QStringList Clipped(QWidget& window) {
    QStringList clipped;
    auto report = [&](const QWidget& widget, const QString& text, int width, int needed) {
        if (width < needed)
            clipped << QString("%1 %2 '%3': %4 < %5")
                           .arg(widget.metaObject()->className(), widget.objectName(), text)
                           .arg(width)
                           .arg(needed);
    };
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        if (!widget->isVisible())
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap())
            report(*label, label->text(), label->width(), label->sizeHint().width());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                 button && !button->text().isEmpty())
            report(*button, button->text(), button->width(), button->sizeHint().width());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            report(*group, group->title(), group->width(),
                   group->fontMetrics().horizontalAdvance(group->title()));
        else if (auto* header = qobject_cast<QHeaderView*>(widget);
                 header && header->orientation() == Qt::Horizontal)
            for (int i = 0; i < header->count(); ++i) {
                const QString text = header->model()->headerData(i, Qt::Horizontal).toString();
                const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin);
                if (!header->isSectionHidden(i))
                    report(*header, text, header->sectionSize(i),
                           header->fontMetrics().horizontalAdvance(text) + 2 * margin);
            }
    }
    const int screen = QGuiApplication::primaryScreen()->availableGeometry().width();
    for (QMenu* menu : window.findChildren<QMenu*>())
        report(*menu, menu->title(), screen, menu->sizeHint().width());
    return clipped;
}

// A window shown as the user sees it, checked, and closed.
QStringList ClippedWhenShown(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return {"not shown"};
    const QStringList clipped = Clipped(window);
    window.close();
    return clipped;
}

} // namespace

// The program in the user's language: the windows, the messages of plain
// code, the numbers; English exactly as it was.
class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void theCommandLineNamesTheLanguageBeforeTheDesign_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("design");
        QTest::newRow("design only") << QStringList{"/tmp/oval.tr3"} << ""
                                     << "/tmp/oval.tr3";
        QTest::newRow("language and design")
            << QStringList{"--language", "de", "/tmp/my", "oval.tr3"} << "de"
            << "/tmp/my oval.tr3";
        QTest::newRow("language only") << QStringList{"--language", "es"} << "es"
                                       << "";
        QTest::newRow("a lone option is a name") << QStringList{"--language"} << ""
                                                 << "--language";
        QTest::newRow("nothing") << QStringList{} << ""
                                 << "";
    }
    void theCommandLineNamesTheLanguageBeforeTheDesign() {
        QFETCH(QStringList, args);
        QFETCH(QString, language);
        QFETCH(QString, design);
        std::vector<std::string> list;
        for (const QString& arg : args)
            list.push_back(arg.toStdString());
        const ProgramArguments parsed = ParseArguments(list);
        QCOMPARE(QString::fromStdString(parsed.Language), language);
        QCOMPARE(QString::fromStdString(parsed.DesignFile), design);
    }

    void theLanguageIsTheAskedOneTheSystemsOrEnglish_data() {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("asked") << "it"
                               << "de_DE"
                               << "it";
        QTest::newRow("system's") << ""
                                  << "nl_BE"
                                  << "nl";
        QTest::newRow("unknown asked: system's") << "xx"
                                                 << "fr_CA"
                                                 << "fr";
        QTest::newRow("neither shipped") << ""
                                         << "pt_BR"
                                         << "en";
        QTest::newRow("English asked") << "en"
                                       << "es_ES"
                                       << "en";
    }
    void theLanguageIsTheAskedOneTheSystemsOrEnglish() {
        QFETCH(QString, asked);
        QFETCH(QString, system);
        QFETCH(QString, chosen);
        QCOMPARE(QString::fromStdString(ChooseLanguage(asked.toStdString(), QLocale(system))),
                 chosen);
    }

    // Keys, filled keys and lines of them translate; names stay as they are.
    void messagesTranslateAtTheBoundary() {
        const std::string filled =
            Texts::Fill(Texts::Mark("Cannot write file %1 !"), {"/tmp/\xe9t\xe9.tr3"});
        const std::string lines =
            std::string(Texts::Mark("Unknown brand code")) + "\nSCX99\n" + filled;
        QCOMPARE(Texts::Message(filled), QString::fromUtf8("Cannot write file /tmp/été.tr3 !"));
        {
            Speaking german("de");
            QCOMPARE(Texts::tr("&File"), QString("&Datei"));
            QCOMPARE(Texts::Message(filled),
                     QString::fromUtf8("Datei /tmp/été.tr3 kann nicht geschrieben werden!"));
            QCOMPARE(Texts::Message(lines),
                     QString::fromUtf8("Unbekannter Systemcode\nSCX99\nDatei /tmp/été.tr3 kann "
                                       "nicht geschrieben werden!"));
            QCOMPARE(QLocale().decimalPoint(), QString(","));
        }
        QCOMPARE(Texts::tr("&File"), QString("&File"));
        QCOMPARE(QLocale().decimalPoint(), QString("."));
    }

    // The Layout Check's lines are built of filled keys within filled keys;
    // their numbers take the language's decimal separator.
    void theLayoutCheckSpeaksTheLanguage() {
        MainFixture f;
        T_TRACK& track = *f.Design().AllocateTrack();
        for (const char* code : {"S350", "C2-450"})
            track.InsertCopyAfter(nullptr, T_PART{0, 0, f.Design().Brand->FindCode(code)});
        std::vector<CheckMark> marks;
        const std::vector<FindingLine> lines = LayoutFindings(*f.Appl, marks);
        QVERIFY(!lines.empty());
        QVERIFY2(Texts::Message(lines.front().Text).startsWith("Track 2: open, gap "),
                 lines.front().Text.c_str());
        Speaking german("de");
        const QString line = Texts::Message(lines.front().Text);
        QVERIFY2(line.startsWith(QString::fromUtf8("Strecke 2: offen, Lücke ")), qPrintable(line));
        QVERIFY2(line.contains(QRegularExpression(QString::fromUtf8("Lücke [0-9]+,[0-9] mm, "
                                                                    "[0-9]+,[0-9]{2} Grad"))),
                 qPrintable(line));
        QVERIFY2(line.contains(", Spur 2 "), qPrintable(line));
    }

    // The Info page shows its headings in the language; the file beside it
    // stays as it always was.
    void theInfoPageSpeaksTheLanguageItsFileStaysEnglish() {
        Speaking german("de");
        MainFixture f;
        f.Form->MainTab->setCurrentIndex(1);
        const QString totals = f.Form->InfoPage->Totals->toPlainText();
        QVERIFY2(totals.contains(QString::fromUtf8("Streckenlängen")), qPrintable(totals));
        QVERIFY(!totals.contains("Track Lengths"));
        QVERIFY(f.Form->InfoPage->Sections->toPlainText().contains("Teile im Bestand"));
        const std::string html = ReadFile(f.Appl->ProgramDir + "info.html");
        QVERIFY(html.find("Track Lengths") != std::string::npos);
        QVERIFY(html.find("Streckenl") == std::string::npos);
    }

    // The manual stays English; a reader of another language is told so.
    void theHelpSaysTheManualIsEnglish() {
        {
            THelpWindow english(nullptr);
            QVERIFY(!english.findChild<QLabel*>("ManualLanguageNote"));
        }
        Speaking italian("it");
        THelpWindow help(nullptr);
        const QLabel* note = help.findChild<QLabel*>("ManualLanguageNote");
        QVERIFY(note);
        QCOMPARE(note->text(), QString::fromUtf8("Il manuale è in inglese."));
    }

    // Every shipped translation is installed and translates the menus.
    void everyLanguageTranslatesTheMenus() {
        for (const ShippedLanguage& language : ShippedLanguages()) {
            Speaking speaking(language.Code);
            const bool english = std::string(language.Code) == "en";
            QVERIFY2((Texts::tr("&Edit") == "&Edit") == english, language.Code);
            QVERIFY2((Texts::tr("Straight") == "Straight") == english, language.Code);
        }
    }

    void theWindowShowsTheLanguage() {
        Speaking spanish("es");
        MainFixture f;
        QStringList menus;
        for (QAction* action : f.Form->findChild<QMenuBar*>()->actions())
            menus << action->text();
        QCOMPARE(menus.first(), QString("&Archivo"));
        QCOMPARE(f.Action("UndoButton")->toolTip(), QString("Deshacer"));
        QCOMPARE(f.Form->MainTab->tabText(0), QString::fromUtf8("Diseño"));
        f.Trigger("InsertTrackButton");
        QCOMPARE(f.Status(STATUS_MODE), QString("Insertar pista"));
        f.Trigger("SaveAsGIF"); // refused on another page: the message in Spanish
    }

    // Options > Language keeps the choice for the next start and says so.
    void theChosenLanguageAppliesAtTheNextStart() {
        MainFixture f;
        QMenu* menu = f.Form->findChild<QMenu*>("LanguageMenu");
        QVERIFY(menu);
        QStringList names;
        for (QAction* action : menu->actions())
            names << action->text();
        QCOMPARE(names, (QStringList{"System language", "English", "Deutsch",
                                     QString::fromUtf8("Français"), QString::fromUtf8("Español"),
                                     "Italiano", "Nederlands"}));
        f.Form->findChild<QAction*>("Language_de")->trigger();
        QCOMPARE(f.Appl->Language, std::string("de"));
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("The language changes when Vireldo starts again."));
        f.Restart();
        QCOMPARE(StoredLanguage(*OpenSettings(f.Appl->SettingsFile)), std::string("de"));
        menu = f.Form->findChild<QMenu*>("LanguageMenu");
        emit menu->aboutToShow();
        QVERIFY(f.Form->findChild<QAction*>("Language_de")->isChecked());
        f.Form->findChild<QAction*>("Language_")->trigger(); // the system's again
        QCOMPARE(f.Appl->Language, std::string());
    }

    // The longest texts any language may have fit every window.
    void nothingIsClippedInALongerLanguage() {
        SpeakingPseudo pseudo;
        MainFixture f;
        const std::vector<std::pair<const char*, std::function<QWidget*()>>> windows = {
            {"main window", [&] { return f.Form.get(); }},
            {"docks",
             [&] {
                 f.Trigger("LayoutCheckMenu");
                 f.Trigger("SpeedTraceMenu");
                 return f.Form.get();
             }},
            {"info page",
             [&] {
                 f.Form->MainTab->setCurrentIndex(1);
                 return f.Form.get();
             }},
            {"about", [&] { return new TAboutBox(f.Form.get()); }},
            {"text", [&] { return new TAskTextForm(f.Form.get()); }},
            {"car", [&] { return new TCarForm(f.Form.get()); }},
            {"brand code", [&] { return new TDefineNewBrand(f.Form.get()); }},
            {"new design",
             [&] {
                 auto* wizard = new TNewDesignWizard(f.Form.get());
                 NewDesignRequest request;
                 request.Brands = {"A brand"};
                 wizard->Fill(request);
                 return wizard;
             }},
            {"new room",
             [&] {
                 auto* wizard = new TNewRoomWizard(f.Form.get());
                 wizard->Fill(true);
                 return wizard;
             }},
            {"print at scale",
             [&] {
                 return new TPrintAtScaleDialog(f.Appl->Canvases, TrueScaleStyle::Template,
                                                f.Form.get());
             }},
            {"suggest", [&] { return new TSuggestForm(*f.Appl, f.Form.get()); }},
            {"help", [&] { return new THelpWindow(f.Form.get()); }},
            {"stock", [&] { return new TStockEditorForm(*f.Appl, f.Form.get()); }},
            {"definitions",
             [&] {
                 auto* part = new TDefEditorPartForm(*f.Appl, {}, f.Form.get());
                 return new TDefEditorForm(*f.Appl, *part, f.Form.get());
             }},
        };
        for (const auto& [name, make] : windows) {
            QWidget* window = make();
            const QStringList clipped = ClippedWhenShown(*window);
            QVERIFY2(clipped.isEmpty(), qPrintable(QString(name) + ": " + clipped.join("; ")));
        }
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
