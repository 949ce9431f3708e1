#include "ViewCommands.h"

#include "Appl.h"
#include "History.h"
#include "ReportCommands.h"
#include "RoomCommands.h"
#include "base/UiText.h"
#include "view/ViewMath.h"

namespace {

bool& OptionFlag(A_APPL& appl, ViewOption option) {
    C_VIRELDO& design = appl.Design;
    switch (option) {
    case ViewOption::Metric:
        return appl.Metric;
    case ViewOption::Filled:
        return design.Filled;
    case ViewOption::Ruler:
        return design.Ruler;
    case ViewOption::ColorLanes:
        return design.ColorLanes;
    case ViewOption::ColorOutOfStock:
        return design.ColorOutOfStock;
    case ViewOption::ShowOutOfStock:
        return design.ShowOutOfStock;
    case ViewOption::ShowPoints:
        return design.ShowPoints;
    case ViewOption::ShowPartCodes:
        return design.ShowPartCodes;
    case ViewOption::PaletteCodes:
        return appl.Palette.ShowPartCodes;
    case ViewOption::ShowHeights:
        return design.ShowHeights;
    case ViewOption::DesignGrid:
        return design.Grid;
    case ViewOption::RoomGrid:
        return appl.Room.Grid;
    case ViewOption::PrintMono:
        break;
    }
    return appl.PrintMono;
}

} // namespace

bool OptionValue(A_APPL& appl, ViewOption option) {
    return OptionFlag(appl, option);
}

void ToggleOption(A_APPL& appl, ViewOption option) {
    bool& flag = OptionFlag(appl, option);
    flag = !flag;
    switch (option) {
    case ViewOption::PrintMono:
        return;
    case ViewOption::ColorOutOfStock:
    case ViewOption::ShowOutOfStock:
    case ViewOption::PaletteCodes:
        appl.Changes.Announce({ChangeKind::Palette});
        return;
    case ViewOption::Metric:
        appl.Changes.Announce({ChangeKind::View});
        break;
    default:
        break;
    }
    RepaintPanel(appl.Canvases);
}

void ChooseLanguageCommand(A_APPL& appl, const std::string& code) {
    if (code == appl.Language)
        return;
    appl.Language = code;
    ShowAppMessage(appl, Texts::Mark("The language changes when Vireldo starts again."));
}

void PageChanging(A_APPL& appl) {
    SetEditMode(appl, EditMode::Select);
    appl.Edit.PendingPreview = false;
    if (appl.CurrentPanel()) {
        appl.CurrentPanel()->DeselectShape();
        UpdateEditButtons(appl);
    }
}

void PageChanged(A_APPL& appl, int pageIndex) {
    switch (pageIndex) {
    case 0:
        appl.CurrentTab = TAB_DESIGN;
        appl.SetCurrentPanel(&appl.Design);
        break;
    case 1:
        appl.CurrentTab = TAB_INFO;
        appl.SetCurrentPanel(nullptr);
        RefreshInfoPage(appl);
        break;
    default:
        appl.CurrentTab = TAB_ROOM;
        appl.SetCurrentPanel(&appl.Room);
        if (appl.Room.FitPending)
            FitRoomView(appl);
        break;
    }
}

void BorderCommand(A_APPL& appl, bool inner, bool set) {
    C_VIRELDO& design = appl.Design;
    T_TRACK* track = design.SelectedTrack;
    if (!track)
        return;
    const uint8_t bit = inner ? PS_INNER_BORDER : PS_OUTER_BORDER;
    if (design.SelectionFirst != -1 && design.SelectionLast != -1) {
        for (int i = std::max(design.SelectionFirst, 0);
             i <= design.SelectionLast && i < track->PartCount; ++i) {
            uint8_t& status = track->Parts[i].Status;
            status = set ? (status | bit) : (status & ~bit);
        }
        track->Modified = true;
    }
    RepaintPanel(appl.Canvases);
    PushUndo(appl, TrackChange(design.Design, track));
}

std::string ZoomBarMoved(A_APPL& appl, P_PANEL& panel, int position) {
    panel.Zoom = ZoomFromBar(position);
    RepaintPanel(appl.Canvases);
    return FormatZoom(panel.Zoom);
}

std::string ZoomEntered(A_APPL& appl, P_PANEL& panel, const std::string& text) {
    if (const auto zoom = ParseZoomEntry(text)) {
        panel.Zoom = *zoom;
        RepaintPanel(appl.Canvases);
    }
    return FormatZoom(panel.Zoom);
}

std::string GridEntered(A_APPL& appl, P_PANEL& panel, bool xSpacing, const std::string& text) {
    float& spacing = xSpacing ? panel.GridX : panel.GridY;
    if (const auto value = ParseGridEntry(text))
        spacing = *value;
    RepaintPanel(appl.Canvases);
    return FormatGridSpacing(spacing);
}

void CentreAndZoomPageCommand(A_APPL& appl) {
    if (appl.CurrentPanel() == &appl.Room) {
        FitRoomView(appl);
        return;
    }
    if (appl.CurrentPanel() != &appl.Design)
        return;
    CentreAndZoomCommand(appl);
    if (appl.Window)
        appl.Window->ShowPanelZoom(CanvasId::Track, appl.Design.Zoom);
}

std::string CentreAndZoomCommand(A_APPL& appl) {
    // Without a drawn track there is nothing to fit; the view stays as it is.
    FitDesignInView(appl.Canvases);
    return FormatZoom(appl.Design.Zoom);
}
