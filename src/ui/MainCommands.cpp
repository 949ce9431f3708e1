#include "Main.h"

#include "InfoPage.h"
#include "JobRunner.h"
#include "LayoutCheckDock.h"
#include "PrintAtScale.h"
#include "app/Appl.h"
#include "app/DesignCommands.h"
#include "base/UiText.h"
#include "edit/PartSelector.h"
#include "i18n/Translate.h"
#include "render/TrueScale.h"

#include <QDesktopServices>
#include <QPrinter>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>

namespace {

const char* const INSERT_CAPTION = Texts::Mark("Inser&t");
const char* const OVERWRITE_CAPTION = Texts::Mark("Overwri&te");

// The printer of the program: its set-up stays from one print to the next.
QPrinter& Printer() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

} // namespace

void TMainForm::OverwriteButtonClick() {
    ApplRef.InsertMode = !ApplRef.InsertMode;
    OverwriteButton->setText(Texts::tr(ApplRef.InsertMode ? INSERT_CAPTION : OVERWRITE_CAPTION));
}

void TMainForm::SaveGIFClick() {
    A_APPL& appl = ApplRef;
    if (appl.CurrentPanel() != &appl.Design) {
        ShowAppMessage(
            appl, Texts::Mark("Please set current tab panel to 'Design' to use this function!"));
        return;
    }
    const std::string name = appl.Dialogs().SaveFile(
        {Texts::Mark("Save GIF"), Texts::Mark("GIF file|*.gif|All Files|*.*"), "gif",
         appl.LastUsedPath, ProposedName(appl, appl.Design.Design.FileName, "gif")});
    if (name.empty())
        return;
    RepaintPanel(appl.Canvases);
    if (!SnapshotDesign(appl.Design, name)) {
        ShowAppError(appl, Texts::Fill(Texts::Mark("Cannot write file %1 !"), {name}));
        return;
    }
    appl.LastUsedPath = FolderOf(name);
}

void TMainForm::PageSetupMenuClick() {
    ApplRef.Dialogs().PageSetup(Printer());
}

void TMainForm::PrintMenuClick() {
    A_APPL& appl = ApplRef;
    QPrinter& printer = Printer();
    if (!appl.Dialogs().Print(printer))
        return;
    printer.setDocName(windowTitle());
    PrintDesign(appl.Canvases, printer, appl.PrintMono);
}

void TMainForm::PrintAtScaleClick() {
    A_APPL& appl = ApplRef;
    if (LayoutExtent(appl.Canvases).Empty) {
        ShowAppMessage(appl,
                       Texts::Mark("Nothing to print: the design has no tracks, drawing or room."));
        return;
    }
    PrintAtScale(appl, Printer(), this);
}

void TMainForm::ShowInfoPage(TrackListPage page) {
    InfoPage->Show(std::move(page));
}

JobResult TMainForm::RunJob(const std::string& title, const std::string& steps,
                            const std::function<bool(JobProgress&)>& job) {
    return RunWithProgress(this, QString::fromLocal8Bit(title.c_str()),
                           QString::fromLatin1(steps.c_str()), job);
}

void TMainForm::OpenInBrowser(const std::string& fileName) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(fileName)));
}

void TMainForm::ListenToChanges() {
    PaletteListener = ListenForPaletteChanges(ApplRef);
    // Only while they show: a hidden check or trace costs an edit nothing.
    LapViewListener = ApplRef.Changes.Listen([this](const Change& change) {
        if (change.Kind != ChangeKind::Palette)
            RefreshLapViews();
    });
}
