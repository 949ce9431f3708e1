#include "ViewTransform.h"

#include "base/TextValues.h"

ScreenPoint WorldToScreen(const ViewTransform& view, float x, float y) {
    const float c = Angles.Cos[view.Angle];
    const float s = Angles.Sin[view.Angle];
    const float sx = (x * c - y * s) * view.Scale + view.OriginX;
    const float sy = (x * s + y * c) * view.Scale + view.OriginY;
    return {TruncToPixel(sx), TruncToPixel(sy)};
}
