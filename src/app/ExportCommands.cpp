#include "ExportCommands.h"

#include "Appl.h"
#include "DesignCommands.h"
#include "Notifications.h"
#include "render/TrueScale.h"

void ExportLayoutCommand(A_APPL& appl) {
    if (LayoutExtent(appl.Canvases).Empty) {
        ShowAppMessage(appl, "Nothing to export: the design has no tracks, drawing or room.");
        return;
    }
    const std::string name = appl.Dialogs().SaveFile(
        {"Export at true scale",
         "SVG drawing|*.svg|DXF drawing (millimetres)|*.dxf|PDF page of the layout's size|*.pdf",
         "svg", appl.LastUsedPath, ""});
    if (name.empty())
        return;
    // The file's own extension picks the format; a name without one becomes an SVG.
    const std::string target = HasExportSuffix(name) ? name : name + ".svg";
    if (!ExportLayoutFile(appl.Canvases, target, 1)) {
        ShowAppError(appl, "Cannot write file " + target + " !");
        return;
    }
    appl.LastUsedPath = FolderOf(target);
}
