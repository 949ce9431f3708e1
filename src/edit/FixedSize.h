#pragma once
#include <QWidget>

// A window of the size it always had, or larger where its texts need more
// (a longer language): called once its contents are laid out.
inline void FixSizeAtLeast(QWidget& window, QSize size) {
    window.setFixedSize(size.expandedTo(window.sizeHint()));
}
