#pragma once
#include <string>

class A_APPL;
struct P_PANEL;

// The options of the Options menu and "Print Monochrome" of the File menu.
enum class ViewOption {
    Metric,
    Filled,
    Ruler,
    ColorLanes,
    ColorOutOfStock,
    ShowOutOfStock,
    ShowPoints,
    ShowPartCodes,
    PaletteCodes,
    ShowHeights,
    DesignGrid,
    RoomGrid,
    PrintMono,
};

bool OptionValue(A_APPL& appl, ViewOption option);
// Inverts the option and redraws what shows it.
void ToggleOption(A_APPL& appl, ViewOption option);
// Options > Language: a shipped language's code, or empty for the system's.
// The windows are made in it at the next start; the user is told so.
void ChooseLanguageCommand(A_APPL& appl, const std::string& code);

// The page control: before any change, and after it with the new page index
// (0 Design, 1 Info, 2 Room).
void PageChanging(A_APPL& appl);
void PageChanged(A_APPL& appl, int pageIndex);

// "&Inner" / "&Outer": sets or clears the border bit of the selected parts.
void BorderCommand(A_APPL& appl, bool inner, bool set);

// The zoom slider moved to position; returns the zoom field's text.
std::string ZoomBarMoved(A_APPL& appl, P_PANEL& panel, int position);
// A zoom typed into a field; returns the text the field shows afterwards (the
// old zoom again when the text was refused).
std::string ZoomEntered(A_APPL& appl, P_PANEL& panel, const std::string& text);
// A grid spacing typed into a field; returns the text the field shows.
std::string GridEntered(A_APPL& appl, P_PANEL& panel, bool xSpacing, const std::string& text);
// "Center and Zoom": fits the tracks into the design canvas; returns the
// zoom field's text.
std::string CentreAndZoomCommand(A_APPL& appl);
// View > "Center and Zoom": the design or the room, by the page shown.
void CentreAndZoomPageCommand(A_APPL& appl);
