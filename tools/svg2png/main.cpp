// Renders one SVG file to PNG: svg2png <in.svg> <out.png> writes out.png at the
// SVG's own size and out@2x.png at twice that size; svg2png <in.svg> <out.png>
// <scale> writes only out.png, at that scale.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

static bool render(QSvgRenderer &renderer, const QString &path, int scale)
{
    const QSize size = renderer.defaultSize() * scale;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "svg2png: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || args.size() > 4 || !args.at(2).endsWith(QStringLiteral(".png"))) {
        std::fprintf(stderr, "usage: svg2png <in.svg> <out.png> [scale]\n");
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "svg2png: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    if (args.size() == 4) {
        const int scale = args.at(3).toInt();
        return scale > 0 && render(renderer, args.at(2), scale) ? 0 : 1;
    }
    QString hiDpi = args.at(2);
    hiDpi.insert(hiDpi.size() - 4, QStringLiteral("@2x"));
    return render(renderer, args.at(2), 1) && render(renderer, hiDpi, 2) ? 0 : 1;
}
