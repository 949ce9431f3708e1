#include "Icons.h"

#include <QPixmap>

namespace {

constexpr int CURSOR_SIZE = 32;

QCursor SvgCursor(const char* name, int hotX, int hotY) {
    const QPixmap pixmap = QIcon(QString(":/icons/") + name + ".svg").pixmap(CURSOR_SIZE);
    return QCursor(pixmap, hotX, hotY);
}

} // namespace

void InitIcons() {
    // The icons live in this static library, whose resources need registering.
    Q_INIT_RESOURCE(resources);
}

QIcon AppIcon(const char* name, const char* themeName) {
    const QIcon own(QString(":/icons/") + name + ".svg");
    return themeName ? QIcon::fromTheme(themeName, own) : own;
}

QCursor MoverCursor() {
    return SvgCursor("crmover", 16, 16);
}

QCursor DraggerCursor() {
    return SvgCursor("crdrag", 3, 2);
}
