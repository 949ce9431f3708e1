#include "ExportCommands.h"

#include "Appl.h"
#include "DesignCommands.h"
#include "Notifications.h"
#include "render/TiledPdf.h"

#include <QFileInfo>
#include <cstdio>

namespace {

bool IsPdf(const std::string& name) {
    return QFileInfo(QString::fromLocal8Bit(name.c_str())).suffix().toLower() == "pdf";
}

// A page too large for PDF readers is offered as tiles of A4 instead.
bool ExportAsTiles(A_APPL& appl, const std::string& target) {
    const QSizeF page = PdfPageSizeMm(LayoutExtent(appl.Canvases), 1);
    char size[64];
    std::snprintf(size, sizeof size, "%.0f x %.0f mm", page.width(), page.height());
    if (appl.Dialogs().YesNo(std::string("A PDF page of ") + size +
                             " is larger than PDF readers open (200 inches). Write the layout "
                             "on A4 pages to tape together instead?") != DialogAnswer::Yes)
        return false;
    PageTiles tiles;
    if (!ExportTiledPdf(appl.Canvases, target, 1, QPageSize::A4, tiles))
        ShowAppError(appl, "Cannot write file " + target + " !");
    return true;
}

} // namespace

void ExportLayoutCommand(A_APPL& appl) {
    if (LayoutExtent(appl.Canvases).Empty) {
        ShowAppMessage(appl, "Nothing to export: the design has no tracks, drawing or room.");
        return;
    }
    const std::string name = appl.Dialogs().SaveFile(
        {"Export at true scale",
         "SVG drawing|*.svg|DXF drawing (millimetres)|*.dxf|PDF page of the layout's size|*.pdf",
         "svg", appl.LastUsedPath, ProposedName(appl, appl.Design.Design.FileName, "svg")});
    if (name.empty())
        return;
    // The file's own extension picks the format; a name without one becomes an SVG.
    const std::string target = HasExportSuffix(name) ? name : name + ".svg";
    if (IsPdf(target) && !PdfPageFits(LayoutExtent(appl.Canvases), 1)) {
        if (ExportAsTiles(appl, target))
            appl.LastUsedPath = FolderOf(target);
        return;
    }
    if (!ExportLayoutFile(appl.Canvases, target, 1)) {
        ShowAppError(appl, "Cannot write file " + target + " !");
        return;
    }
    appl.LastUsedPath = FolderOf(target);
}
