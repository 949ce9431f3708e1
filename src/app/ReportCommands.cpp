#include "ReportCommands.h"

#include "Appl.h"
#include "base/TextWriter.h"
#include "base/UiText.h"
#include "report/LapTimesHtml.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace {

const char* const INFO_FILE = "info.html";
const char* const TRACKLIST_FILE = "diy.html";
const char* const SNAPSHOT_FILE = "screen.gif";

// Writes a report file into the report folder; the folder, or empty after
// telling the user why not.
std::string WriteReportFile(A_APPL& appl, const char* name, const std::string& html) {
    std::string why;
    const std::string folder = ReportFolder(appl, why);
    if (!folder.empty() && WriteFileAtomically(folder + name, html))
        return folder;
    ShowAppError(appl, why.empty()
                           ? Texts::Fill(Texts::Mark("Cannot write file %1 !"), {folder + name})
                           : why);
    return std::string();
}

} // namespace

namespace {

TrackListUnits UnitsOf(const A_APPL& appl) {
    TrackListUnits units;
    units.Metric = appl.Metric;
    units.DecimalPoint = QLocale().decimalPoint().at(0).toLatin1();
    return units;
}

} // namespace

std::string TrackListOfDesign(A_APPL& appl) {
    C_VIRELDO& design = appl.Design;
    return BuildTrackListHtml(design.Design, design.View.Box, design.Zoom, UnitsOf(appl));
}

TrackListPage InfoPageOfDesign(A_APPL& appl) {
    C_VIRELDO& design = appl.Design;
    const TrackListUnits units = UnitsOf(appl);
    const std::string laps =
        LapTimesHtml(SimulateDesign(design.Design, appl.RaceCar.Values), appl.RaceCar.Name, units);
    return BuildTrackListPage(design.Design, design.View.Box, design.Zoom, units, laps);
}

std::string ReportFolder(const A_APPL& appl, std::string& why) {
    if (QFileInfo(QString::fromStdString(appl.ProgramDir)).isWritable())
        return appl.ProgramDir;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (!data.isEmpty() && QDir().mkpath(data) && QFileInfo(data).isWritable())
        return QDir(data).absolutePath().toStdString() + "/";
    why = Texts::Fill(
        Texts::Mark("Cannot write the track list: neither %1 nor the user's data folder can be "
                    "written !"),
        {appl.ProgramDir});
    return std::string();
}

void RefreshInfoPage(A_APPL& appl) {
    // A hidden page waits: showing it writes the file afresh, and a large
    // design's list costs seconds to lay out.
    if (appl.CurrentTab != TAB_INFO)
        return;
    TrackListPage page = InfoPageOfDesign(appl);
    // The page shows even when the file cannot be written: the user is told.
    WriteReportFile(appl, INFO_FILE, TrackListHtml(page));
    if (appl.Window)
        appl.Window->ShowInfoPage(std::move(page));
}

void ShowTracklistCommand(A_APPL& appl) {
    if (appl.CurrentPanel() != &appl.Design) {
        ShowAppMessage(
            appl, Texts::Mark("Please set current tab panel to 'Design' to use this function!"));
        return;
    }
    const std::string folder = WriteReportFile(appl, TRACKLIST_FILE, TrackListOfDesign(appl));
    if (folder.empty())
        return;
    if (!SnapshotDesign(appl.Design, folder + SNAPSHOT_FILE))
        ShowAppError(appl,
                     Texts::Fill(Texts::Mark("Cannot write file %1 !"), {folder + SNAPSHOT_FILE}));
    if (appl.Window)
        appl.Window->OpenInBrowser(folder + TRACKLIST_FILE);
}
