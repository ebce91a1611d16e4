// Renders a program's scalable icon into a square PNG of the given size, for the icon theme's
// fixed-size folders. Run at build time:  render_icon <icon.svg> <icon.png> <size>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args[3].toInt(&sizeOk) : 0;
    if (!sizeOk || size < 1 || size > 1024) {
        std::fprintf(stderr, "usage: render_icon <icon.svg> <icon.png> <size>\n");
        return 2;
    }
    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: %s is not a readable SVG picture\n",
                     qPrintable(args[1]));
        return 1;
    }
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    {
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    if (!icon.save(args[2], "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
