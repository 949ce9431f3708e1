#pragma once
#include "generate/LayoutGenerator.h"

#include <QImage>

// A suggested layout painted as the printout paints it, fitted into an image
// of the given size with a little room around it.
QImage LayoutThumbnail(L_BRAND& brand, const SuggestedLayout& layout, QSize size);
