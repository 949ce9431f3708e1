#include "../../bench/MaxDesign.h"
#include "render/PartRender.h"
#include "render/Repaint.h"
#include "toolkit/GifWriter.h"

#include <gtest/gtest.h>
#include <set>

namespace {

constexpr int RULER_BAND = 12; // pixels of the ruler along the top and left

// The largest design fitted on a 1280 x 800 canvas: a picture of far more than
// 256 colours, whose snapshot must keep the ruler band as painted.
TEST(MaxGif, FitPictureKeepsTheRulerBandExact) {
    MaxDesign source;
    StandaloneCanvases canvases;
    C_VIRELDO& design = canvases.Design;
    design.Grid = design.ShowPoints = true;
    design.SetSize(1280, 800);
    design.Design = *source.Design;
    design.Freehand = *source.Freehand;
    RepaintPanel(canvases.Set);
    // Every part in full detail: the plain strokes of small parts alone would
    // not need reducing.
    SetSmallPartStrokes(false);
    const bool fitted = FitDesignInView(canvases.Set);
    SetSmallPartStrokes(true);
    ASSERT_TRUE(fitted);
    const QImage picture = design.WindowImage.convertToFormat(QImage::Format_RGB32);

    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y) & 0xFFFFFF);
    ASSERT_GT(colours.size(), 256u) << "the picture no longer needs reducing";

    const IndexedImage reduced = ReduceTo256Colors(picture);
    ASSERT_GT(reduced.PaletteSize, 0);
    auto same = [&](int x, int y) {
        return reduced.Palette[reduced.Indices[size_t(y) * reduced.Width + x]] ==
               (picture.pixel(x, y) & 0xFFFFFF);
    };
    for (int y = 0; y < RULER_BAND; ++y)
        for (int x = 0; x < picture.width(); ++x)
            ASSERT_TRUE(same(x, y)) << "top band at " << x << "," << y;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < RULER_BAND; ++x)
            ASSERT_TRUE(same(x, y)) << "left band at " << x << "," << y;
}

} // namespace
