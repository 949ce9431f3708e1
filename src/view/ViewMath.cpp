#include "ViewMath.h"

#include "base/TextValues.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr float CM_PER_INCH = 2.54f;
constexpr double METRES_PER_CM = 0.01;
constexpr double FEET_PER_CM = 0.03280839895013123;

float Snap(float value, float spacing) {
    const float shifted = value >= 0 ? value + spacing / 2 : value - spacing / 2;
    return std::trunc(shifted / spacing) * spacing;
}

std::string Fixed4(double value) {
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 4);
    return std::string(text, result.ptr);
}

// The typed text as a number, when it holds one.
std::optional<double> Number(const std::string& text) {
    const size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos)
        return std::nullopt;
    const double value = ParseDouble(text);
    const bool hasDigit = text.find_first_of("0123456789") != std::string::npos;
    return hasDigit && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

float WorldToScreenX(const P_PANEL& panel, float x) {
    return x * panel.Zoom + panel.OriginX();
}
float WorldToScreenY(const P_PANEL& panel, float y) {
    return y * panel.Zoom + panel.OriginY();
}

WorldPoint ScreenToWorld(const P_PANEL& panel, float sx, float sy) {
    return {(sx - panel.CentreX - panel.Offset.X) / panel.Zoom,
            (sy - panel.CentreY - panel.Offset.Y) / panel.Zoom};
}

void SnapToGrid(const P_PANEL& panel, bool metric, float& x, float& y) {
    if (!panel.Grid)
        return;
    const float unit = metric ? 1.0f : CM_PER_INCH;
    x = Snap(x, panel.GridX * unit);
    y = Snap(y, panel.GridY * unit);
}

float ZoomFromBar(int position) {
    return position * ZOOM_BAR_STEP + 0.2f;
}

float DefineZoomFromBar(int position) {
    return position * 0.5f + 1.0f;
}

std::string FormatZoom(float zoom) {
    return " " + Fixed4(zoom);
}

std::optional<float> ParseZoomEntry(const std::string& text) {
    const std::optional<double> value = Number(text);
    if (!value || *value <= 0)
        return std::nullopt;
    return static_cast<float>(*value);
}

std::string FormatGridSpacing(float spacing) {
    return Fixed4(spacing);
}

std::optional<float> ParseGridEntry(const std::string& text) {
    const double value = ParseDouble(text);
    if (!(value >= MIN_GRID_SPACING) || !std::isfinite(value))
        return std::nullopt;
    return static_cast<float>(value);
}

PointerTexts PointerPositionTexts(const P_PANEL& panel, bool metric, const DistanceState& distance,
                                  int sx, int sy) {
    float x, y;
    if (distance.Active) {
        x = (sx - distance.OriginX) / panel.Zoom;
        y = (sy - distance.OriginY) / panel.Zoom;
    } else {
        const WorldPoint world =
            ScreenToWorld(panel, static_cast<float>(sx), static_cast<float>(sy));
        x = world.X;
        y = world.Y;
    }
    const double factor = metric ? METRES_PER_CM : FEET_PER_CM;
    const std::string unit = metric ? "m" : "ft";
    PointerTexts texts;
    texts.Position = "( " + Fixed4(x * factor) + ", " + Fixed4(y * factor) + ") " + unit;
    if (distance.Active)
        texts.Distance = Fixed4(std::sqrt(double(x) * x + double(y) * y) * factor) + " " + unit;
    return texts;
}

std::optional<float> FitZoom(const P_PANEL& panel, const BoundingBox& box) {
    const int width = box.MaxX - box.MinX;
    const int height = box.MaxY - box.MinY;
    if (box.IsReset() || (width <= 0 && height <= 0))
        return std::nullopt;
    // A box flat in one direction is fitted by the other.
    const float fx = width > 0 ? static_cast<float>(panel.Width) / width : HUGE_VALF;
    const float fy = height > 0 ? static_cast<float>(panel.Height) / height : HUGE_VALF;
    return panel.Zoom * std::min(fx, fy) * 0.98f;
}

ViewOffset CentreOffset(const P_PANEL& panel, const BoundingBox& box) {
    const int width = box.MaxX - box.MinX;
    const int height = box.MaxY - box.MinY;
    return {-(box.MinX - panel.CentreX - panel.Offset.X + width / 2.0f),
            -(box.MinY - panel.CentreY - panel.Offset.Y + height / 2.0f)};
}
