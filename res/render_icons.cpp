// Renders the program icon from its SVG to the PNG sizes the window, the
// taskbar and Explorer ask for, so the program itself needs no SVG support:
// cvtimer-render-icons SVG OUTDIR (scripts/make-icons runs it).

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: cvtimer-render-icons SVG OUTDIR\n");
        return 2;
    }
    const QIcon svg(QString::fromLocal8Bit(argv[1]));
    for (const int side : {16, 20, 24, 32, 40, 48, 64, 128, 256}) {
        QImage image(side, side, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.paint(&painter, image.rect());
        painter.end();
        const QString path = QStringLiteral("%1/cvtimer-%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(side);
        if (image.isNull() || !image.save(path)) {
            std::fprintf(stderr, "cvtimer-render-icons: could not write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
