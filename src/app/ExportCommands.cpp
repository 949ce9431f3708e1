#include "ExportCommands.h"

#include "Appl.h"
#include "DesignCommands.h"
#include "base/UiText.h"
#include "render/TiledPdf.h"

#include <QFileInfo>
#include <cstdio>

namespace {

bool IsPdf(const std::string& name) {
    return QFileInfo(QString::fromLocal8Bit(name.c_str())).suffix().toLower() == "pdf";
}

bool IsDxf(const std::string& name) {
    return QFileInfo(QString::fromLocal8Bit(name.c_str())).suffix().toLower() == "dxf";
}

// Writes with the job in the window's worker, on a copy of the layout so
// that the user may go on; says what went wrong, nothing when cancelled.
void Export(A_APPL& appl, const std::string& target,
            const std::function<bool(CanvasSet&, JobProgress&)>& write) {
    const std::unique_ptr<StandaloneCanvases> copy = CopyCanvases(appl.Canvases);
    const JobResult result =
        RunAppJob(appl, Texts::Fill(Texts::Mark("Writing %1"), {target}), Texts::Mark("pages"),
                  [&](JobProgress& progress) { return write(copy->Set, progress); });
    if (result == JobResult::Failed)
        ShowAppError(appl, Texts::Fill(Texts::Mark("Cannot write file %1 !"), {target}));
    if (result == JobResult::Done)
        appl.LastUsedPath = FolderOf(target);
}

// A page too large for PDF readers is offered as tiles of A4 instead.
void ExportAsTiles(A_APPL& appl, const std::string& target, TrueScaleStyle style) {
    const QSizeF page = PdfPageSizeMm(LayoutExtent(appl.Canvases), 1);
    const std::string question = Texts::Fill(
        Texts::Mark("A PDF page of %1 x %2 mm is larger than PDF readers open (200 inches). Write "
                    "the layout on A4 pages to tape together instead?"),
        {Texts::Number(page.width(), 0), Texts::Number(page.height(), 0)});
    if (appl.Dialogs().YesNo(question) != DialogAnswer::Yes)
        return;
    Export(appl, target, [&](CanvasSet& canvases, JobProgress& progress) {
        PageTiles tiles;
        return ExportTiledPdf(canvases, target, 1, QPageSize::A4, tiles, style, &progress);
    });
}

} // namespace

JobResult RunAppJob(A_APPL& appl, const std::string& title, const std::string& steps,
                    const std::function<bool(JobProgress&)>& job) {
    if (appl.Window)
        return appl.Window->RunJob(title, steps, job);
    JobProgress progress;
    return job(progress) ? JobResult::Done : JobResult::Failed;
}

bool AskOutputStyle(A_APPL& appl, TrueScaleStyle& style) {
    const int chosen = appl.Dialogs().ChooseFromList(
        Texts::Mark("Style"),
        {Texts::Mark("Template: outlines, lane lines, codes and numbers, nothing filled"),
         Texts::Mark("As on screen")},
        [](int) {}, appl.OutputStyle == TrueScaleStyle::Template ? 0 : 1);
    if (chosen < 0)
        return false;
    style = chosen == 0 ? TrueScaleStyle::Template : TrueScaleStyle::Screen;
    appl.OutputStyle = style;
    return true;
}

void ExportLayoutCommand(A_APPL& appl) {
    if (LayoutExtent(appl.Canvases).Empty) {
        ShowAppMessage(
            appl, Texts::Mark("Nothing to export: the design has no tracks, drawing or room."));
        return;
    }
    const std::string name = appl.Dialogs().SaveFile(
        {Texts::Mark("Export at true scale"),
         Texts::Mark("SVG drawing|*.svg|DXF drawing (millimetres)|*.dxf|PDF page of the layout's "
                     "size|*.pdf"),
         "svg", appl.LastUsedPath, ProposedName(appl, appl.Design.Design.FileName, "svg")});
    if (name.empty())
        return;
    // The file's own extension picks the format; a name without one becomes an SVG.
    const std::string target = HasExportSuffix(name) ? name : name + ".svg";
    // A DXF has one style of its own: lines and arcs.
    TrueScaleStyle style = appl.OutputStyle;
    if (!IsDxf(target) && !AskOutputStyle(appl, style))
        return;
    if (IsPdf(target) && !PdfPageFits(LayoutExtent(appl.Canvases), 1)) {
        ExportAsTiles(appl, target, style);
        return;
    }
    Export(appl, target, [&](CanvasSet& canvases, JobProgress& progress) {
        return ExportLayoutFile(canvases, target, 1, style, &progress);
    });
}
