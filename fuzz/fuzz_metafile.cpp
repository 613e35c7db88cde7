// Feeds arbitrary bytes to the metafile player: checked as a WMF, an EMF or
// a plain WMF sized by a hint, then drawn into a small image through the
// pixel cache and straight as vectors, and stored again.
#include "fuzzsetup.h"
#include "metafile/metafile.h"

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startOffscreenApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    Metafile picture;
    if (!picture.loadFromData(bytes)
        && !picture.loadFromData(bytes, Metafile::Hint { 8, QSizeF(2540, 1905) }))
        return 0;
    static QImage image(64, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, QRectF(2, 2, 60, 44));
    picture.draw(painter, QRectF(10, 5, 30, 40), Metafile::Caching::Off);
    painter.end();
    (void)picture.storedBytes();
    return 0;
}
