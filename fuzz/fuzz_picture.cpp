// Feeds arbitrary bytes to the clip-art picture readers: the first byte
// picks the file type (or the Picture.Data form), the rest is the file.
#include "fuzzsetup.h"
#include "pictures/picturedata.h"
#include "pictures/picturefile.h"

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
    if (size < 1)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    const QStringList types = PictureFile::extensions();
    const int choice = data[0] % (types.size() + 1);
    Picture picture;
    const bool read = choice == types.size() ? PictureData::decode(bytes, &picture)
                                             : PictureFile::loadFromData(bytes, types[choice], &picture);
    if (!read || picture.isEmpty())
        return 0;
    static QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    picture.draw(painter, QRectF(0, 0, 32, 32));
    painter.end();
    (void)PictureData::encode(picture);
    return 0;
}
