#pragma once
#include "base/ViewOffset.h"
#include "freehand/Freehand.h"
#include "geometry/View.h"
#include "toolkit/RasterBitmap.h"

#include <QImage>
#include <functional>

class QStatusBar;
class TCanvasPanel;

constexpr float DEFAULT_GRID_SPACING = 10.0f;

// The view of one paint panel: zoom, scroll offset, size, display options,
// grid spacing and the drawing context every drawing routine receives.
struct P_PANEL {
    TCanvasPanel* Control = nullptr;
    QStatusBar* StatusBar = nullptr; // where the pointer position goes
    float Zoom = 1.0f;               // pixels per cm
    ViewOffset Offset;               // pixels
    int Width = 0;
    int Height = 0;
    int CentreX = 0;
    int CentreY = 0;
    bool Filled = true;
    bool Ruler = true;
    bool Grid = true;
    bool ColorLanes = true;
    bool ShowPoints = false;
    bool ShowOutOfStock = false;
    bool ColorOutOfStock = false;
    bool ShowPartCodes = false;
    bool ShowHeights = false;           // raised parts cast shadows, sunk ones are darker
    float GridX = DEFAULT_GRID_SPACING; // cm when metric, inches otherwise
    float GridY = DEFAULT_GRID_SPACING;
    P_VIEW View;
    // Freehand editing state: the colour (0xRRGGBB) and pen width of new shapes.
    Rgb CurrentColour = RGB_BLACK;
    int CurrentPenWidth = 1;
    // The selected point is one of the selected shape's: they change together.
    F_SHAPE* SelectedShape = nullptr;
    int SelectedPoint = -1;
    void SelectShape(F_SHAPE* shape, int point = -1) {
        SelectedShape = shape;
        SelectedPoint = shape ? point : -1;
    }
    void DeselectShape() { SelectShape(nullptr); }
    F_SHAPE ShapeBackup;
    // What a repaint draws, and what the window shows; the widget only copies
    // the window image to the screen, told by WindowChanged.
    RasterBitmap Bitmap;
    QImage WindowImage{1, 1, QImage::Format_ARGB32_Premultiplied};
    std::function<void()> WindowChanged;

    P_PANEL();
    virtual ~P_PANEL() = default;
    // The client size changed: centre and raster bitmap follow. The bitmap
    // has pixelRatio device pixels to each pixel of the size.
    void SetSize(int width, int height, qreal pixelRatio = 1.0);
    // Copies the raster bitmap to the window image.
    void Blit();
    // Where the world origin lies on the panel.
    float OriginX() const { return CentreX + Offset.X; }
    float OriginY() const { return CentreY + Offset.Y; }
    // Copies zoom, origin and the display flags into the view before a repaint.
    void PrepareView();
};
