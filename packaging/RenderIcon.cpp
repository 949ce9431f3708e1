#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

// Renders an SVG icon into a square PNG of the given size, for the icon
// theme's fixed sizes: vireldo-render-icon IN.svg OUT.png SIZE.
int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int size = QString(argv[3]).toInt();
    if (!svg.isValid() || size <= 0)
        return 1;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
