// Draws SVG pictures at 32 x 32 and 16 x 16 and writes them as one icon
// library, each picture in full colour with alpha and in the sixteen
// standard colours, for programs that show no more:
//
//   make-icon-library OUT.icl NAME.svg...
#include "icons/iconimage.h"
#include "icons/iconlibrarywriter.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QImage render(QSvgRenderer &svg, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

int main(int argc, char **argv)
{
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: make-icon-library OUT.icl NAME.svg...\n");
        return 2;
    }
    QList<QList<QByteArray>> icons;
    for (const QString &source : arguments.mid(1)) {
        QSvgRenderer svg(source);
        if (!svg.isValid()) {
            std::fprintf(stderr, "%s: not a picture\n", qPrintable(source));
            return 1;
        }
        QList<QByteArray> pictures;
        for (int bits : { 32, 4 }) {
            for (int side : { 32, 16 })
                pictures.append(IconImage::encode(render(svg, side), bits));
        }
        icons.append(pictures);
    }
    const QString out = arguments.first();
    const QByteArray library
        = IconLibraryWriter::write(icons, QFileInfo(out).baseName().toUpper().toLatin1());
    QFile file(out);
    if (library.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(library) != library.size()) {
        std::fprintf(stderr, "%s: cannot be written\n", qPrintable(out));
        return 1;
    }
    return 0;
}
