#pragma once
#include "report/TrackList.h"

#include <string>

class A_APPL;

// The track list of the current design as the program shows it: metres or
// feet by the Metric option, the user's decimal separator, the size of the
// tracks as last painted.
std::string TrackListOfDesign(A_APPL& appl);
// The Info page: the track list with the estimated lap times of the user's
// car under it.
TrackListPage InfoPageOfDesign(A_APPL& appl);
// Where the report files go: the program's folder, or the user's data folder
// when the program's cannot be written (an installed program). Empty, with
// the reason in why, when neither can be.
std::string ReportFolder(const A_APPL& appl, std::string& why);
// The Info page anew while it shows (it listens to every change of the
// design); a hidden page waits until it shows.
void RefreshInfoPage(A_APPL& appl);
// "Show &Tracklist (HTML)...": diy.html and screen.gif, opened in the browser.
void ShowTracklistCommand(A_APPL& appl);
