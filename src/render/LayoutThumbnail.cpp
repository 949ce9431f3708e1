#include "LayoutThumbnail.h"

#include "Repaint.h"

#include <QPainter>
#include <algorithm>

QImage LayoutThumbnail(L_BRAND& brand, const SuggestedLayout& layout, QSize size) {
    constexpr int BORDER_PX = 4;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    const Box& box = layout.Bounds;
    if (box.Width() <= 0 || box.Height() <= 0)
        return image;
    auto canvases = std::make_unique<StandaloneCanvases>();
    LayLayout(canvases->Design.Design, brand, layout);
    ScaledPaint paint;
    paint.PixelsPerCm =
        static_cast<float>(std::min((size.width() - 2 * BORDER_PX) / box.Width(),
                                    (size.height() - 2 * BORDER_PX) / box.Height()));
    paint.OriginX =
        static_cast<float>(size.width() / 2.0 - paint.PixelsPerCm * (box.MinX + box.MaxX) / 2);
    paint.OriginY =
        static_cast<float>(size.height() / 2.0 - paint.PixelsPerCm * (box.MinY + box.MaxY) / 2);
    paint.PenWidth = 1;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintAtScale(canvases->Set, painter, paint);
    return image;
}
