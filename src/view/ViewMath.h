#pragma once
#include "Panel.h"

#include <optional>
#include <string>

// The world/screen mapping and the rules of the zoom, grid and position
// read-outs, as plain functions of a panel.

struct WorldPoint {
    float X = 0.0f;
    float Y = 0.0f;
};

float WorldToScreenX(const P_PANEL& panel, float x);
float WorldToScreenY(const P_PANEL& panel, float y);
WorldPoint ScreenToWorld(const P_PANEL& panel, float sx, float sy);

// Rounds to the nearest grid point (halves away from zero) when the grid shows.
void SnapToGrid(const P_PANEL& panel, bool metric, float& x, float& y);

// The zoom sliders: 1..48, 2.0 at 24.
constexpr int ZOOM_BAR_MIN = 1;
constexpr int ZOOM_BAR_MAX = 48;
constexpr int ZOOM_BAR_START = 24;
constexpr float ZOOM_BAR_STEP = 0.075f;
float ZoomFromBar(int position);
// The part drawing canvas's slider: 1.5 to 25.0, 13.0 at the start.
float DefineZoomFromBar(int position);
// " %2.4f" of the zoom, as the zoom fields show it.
std::string FormatZoom(float zoom);
// A typed zoom; none when it is no number, zero or negative, which would make
// every position meaningless.
std::optional<float> ParseZoomEntry(const std::string& text);

// "%-1.4f" of a grid spacing, as the grid fields show it.
std::string FormatGridSpacing(float spacing);
// A typed grid spacing; none below the smallest spacing or when it is no number.
constexpr double MIN_GRID_SPACING = 0.1;
std::optional<float> ParseGridEntry(const std::string& text);

// Texts of status panels 1 (position) and 2 (measured distance).
struct PointerTexts {
    std::string Position;
    std::string Distance;
};
struct DistanceState {
    bool Active = false;
    int OriginX = 0; // pixels
    int OriginY = 0;
};
PointerTexts PointerPositionTexts(const P_PANEL& panel, bool metric, const DistanceState& distance,
                                  int sx, int sy);

// Centre and Zoom: the zoom that fits the box of the last repaint into the
// panel; none when no track was drawn (the box is still reset or flat).
std::optional<float> FitZoom(const P_PANEL& panel, const BoundingBox& box);
// The offset that brings the box (measured at the new zoom) to the centre.
ViewOffset CentreOffset(const P_PANEL& panel, const BoundingBox& box);
