#include "pictures/picturefile.h"

#include "metafile/dib.h"
#include "pictures/pcxdecoder.h"
#include "pictures/tgadecoder.h"

#include "platform/safefilereader.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace PictureFile {

namespace {

// Files larger than this are not pictures anyone places on a calendar.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

QImage readWithQt(const QByteArray &bytes, const char *format, QString *error)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > Dib::kMaxPixels) {
        fail(error, QStringLiteral("The picture size is not acceptable"));
        return {};
    }
    QImage image = reader.read();
    if (image.isNull())
        fail(error, reader.errorString());
    return image;
}

QImage readDib(const QByteArray &bytes, QString *error)
{
    // A .DIB file is a BMP file, or the bare bitmap info and bits.
    if (bytes.startsWith("BM"))
        return Dib::decodeFile(bytes, error);
    return Dib::decodePacked(bytes, Dib::Alpha::Ignore, error);
}

} // namespace

QStringList extensions()
{
    return { QStringLiteral(".BMP"), QStringLiteral(".DIB"), QStringLiteral(".JPG"), QStringLiteral(".JIF"),
        QStringLiteral(".PCX"), QStringLiteral(".RLE"), QStringLiteral(".TGA"), QStringLiteral(".WMF"),
        QStringLiteral(".ICO") };
}

QString nameFilter()
{
    QStringList parts;
    for (const QString &extension : extensions())
        parts << QLatin1Char('*') + extension;
    return parts.join(QLatin1Char(';'));
}

bool isSupported(const QString &fileName)
{
    const QString suffix = QLatin1Char('.') + QFileInfo(fileName).suffix().toUpper();
    return extensions().contains(suffix) || suffix == QLatin1String(".EMF");
}

bool load(const QString &fileName, Picture *picture, QString *error)
{
    QByteArray bytes;
    QString reason;
    if (!SafeFileReader::read(fileName, kMaxFileSize, &bytes, &reason))
        return fail(error, QStringLiteral("Cannot open file %1: %2").arg(fileName, reason));
    return loadFromData(bytes, QLatin1Char('.') + QFileInfo(fileName).suffix(), picture, error);
}

bool loadFromData(const QByteArray &bytes, const QString &rawExtension, Picture *picture, QString *error)
{
    const QString extension = rawExtension.toUpper();
    if (extension == QLatin1String(".WMF") || extension == QLatin1String(".EMF")) {
        Metafile metafile;
        if (!metafile.loadFromData(bytes, error))
            return false;
        *picture = Picture::fromMetafile(metafile);
        return true;
    }
    if (extension == QLatin1String(".ICO")) {
        Picture icon;
        if (!Picture::fromIconData(bytes, &icon, error))
            return false;
        QImage bitmap(icon.image().size(), QImage::Format_RGB32);
        bitmap.fill(Qt::white);
        QPainter painter(&bitmap);
        painter.drawImage(0, 0, icon.image());
        painter.end();
        *picture = Picture::fromBitmap(bitmap);
        return true;
    }
    QImage image;
    QByteArray bmpFile;
    if (extension == QLatin1String(".BMP") || extension == QLatin1String(".RLE")) {
        image = Dib::decodeFile(bytes, error);
        bmpFile = bytes;
    } else if (extension == QLatin1String(".DIB")) {
        image = readDib(bytes, error);
    } else if (extension == QLatin1String(".JPG") || extension == QLatin1String(".JIF")) {
        image = readWithQt(bytes, "jpeg", error);
    } else if (extension == QLatin1String(".TGA")) {
        image = TgaDecoder::decode(bytes, error);
    } else if (extension == QLatin1String(".PCX")) {
        image = PcxDecoder::decode(bytes, error);
    } else {
        return fail(error, QStringLiteral("The picture type %1 is not supported").arg(rawExtension));
    }
    if (image.isNull())
        return false;
    *picture = Picture::fromBitmap(image, image.hasAlphaChannel() ? QByteArray() : bmpFile);
    return true;
}

} // namespace PictureFile
