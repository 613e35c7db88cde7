#include "objects/vpicture.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

namespace {

const QString kBitmap = QStringLiteral("TBitmap");
const QString kMetafile = QStringLiteral("TMetafile");
const QString kIcon = QStringLiteral("TIcon");

QString loadError()
{
    return QStringLiteral("Error loading file!");
}

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

QByteArray lengthPrefixed(const QByteArray &bytes)
{
    QByteArray out(4, '\0');
    qToLittleEndian<qint32>(qint32(bytes.size()), out.data());
    return out + bytes;
}

// The bytes after a 4-byte length, which must cover exactly the rest.
bool takeLengthPrefixed(const QByteArray &data, int offset, QByteArray *bytes)
{
    if (data.size() - offset < 4)
        return false;
    const qint32 length = qFromLittleEndian<qint32>(data.constData() + offset);
    if (length < 0 || length > data.size() - offset - 4)
        return false;
    *bytes = data.mid(offset + 4, length);
    return true;
}

QImage decodeImage(const QByteArray &bytes, const char *format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    return reader.read();
}

} // namespace

QString TVPicture::graphicClassName() const
{
    switch (m_kind) {
    case Kind::None:
        break;
    case Kind::Bitmap:
        return kBitmap;
    case Kind::Metafile:
        return kMetafile;
    case Kind::Icon:
        return kIcon;
    }
    return {};
}

QByteArray TVPicture::data() const
{
    if (m_kind == Kind::None)
        return {};
    const QByteArray name = graphicClassName().toLatin1();
    QByteArray out;
    out.append(char(name.size()));
    out.append(name);
    out.append(m_kind == Kind::Icon ? m_bytes : lengthPrefixed(m_bytes));
    return out;
}

bool TVPicture::setData(const QByteArray &data, QString *error)
{
    if (data.isEmpty()) {
        clear();
        return true;
    }
    const int nameLength = quint8(data.at(0));
    if (data.size() < 1 + nameLength)
        return fail(error, QStringLiteral("Picture data is cut short"));
    const QString name = QString::fromLatin1(data.mid(1, nameLength));
    const int offset = 1 + nameLength;
    if (name.compare(kIcon, Qt::CaseInsensitive) == 0)
        return setIcon(data.mid(offset), error);
    QByteArray bytes;
    if (name.compare(kBitmap, Qt::CaseInsensitive) == 0) {
        if (!takeLengthPrefixed(data, offset, &bytes))
            return fail(error, QStringLiteral("Picture data is cut short"));
        TVBitmap bitmap;
        if (!bitmap.setBmpData(bytes))
            return fail(error, QStringLiteral("The picture is not a readable bitmap"));
        setBitmap(bitmap);
        return true;
    }
    if (name.compare(kMetafile, Qt::CaseInsensitive) == 0) {
        if (!takeLengthPrefixed(data, offset, &bytes))
            return fail(error, QStringLiteral("Picture data is cut short"));
        return setMetafile(bytes, error);
    }
    return fail(error, QStringLiteral("Unknown picture type %1").arg(name));
}

void TVPicture::setBitmap(const TVBitmap &bitmap)
{
    if (bitmap.isEmpty()) {
        clear();
        return;
    }
    m_kind = Kind::Bitmap;
    m_bytes = bitmap.bmpData();
    m_image = bitmap.image();
    m_size = m_image.size();
}

bool TVPicture::setMetafile(const QByteArray &bytes, QString *error)
{
    if (bytes.isEmpty())
        return fail(error, QStringLiteral("The metafile is empty"));
    m_kind = Kind::Metafile;
    m_bytes = bytes;
    m_image = QImage();
    m_size = QSize();
    return true;
}

bool TVPicture::setIcon(const QByteArray &iconFile, QString *error)
{
    const QImage image = decodeImage(iconFile, "ICO");
    if (image.isNull())
        return fail(error, QStringLiteral("The picture is not a readable icon"));
    m_kind = Kind::Icon;
    m_bytes = iconFile;
    m_image = image;
    m_size = image.size();
    return true;
}

bool TVPicture::loadFromFile(const QString &fileName, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, loadError());
    const QByteArray bytes = file.readAll();
    const QString extension = QFileInfo(fileName).suffix().toUpper();

    if (extension == QLatin1String("WMF") || extension == QLatin1String("EMF")) {
        if (!setMetafile(bytes))
            return fail(error, loadError());
        return true;
    }
    TVBitmap bitmap;
    if (extension == QLatin1String("BMP") || extension == QLatin1String("DIB")
        || extension == QLatin1String("RLE")) {
        // Kept as the file was, so a record stores the bitmap unchanged.
        if (!bitmap.setBmpData(bytes))
            return fail(error, loadError());
    } else {
        // Icons and every other image format become a plain bitmap.
        const QByteArray hint = extension == QLatin1String("JIF") ? QByteArray("JPG") : extension.toLatin1();
        const QImage image = decodeImage(bytes, hint.constData());
        if (image.isNull())
            return fail(error, loadError());
        bitmap.setImage(image);
    }
    setBitmap(bitmap);
    return true;
}

void TVPicture::clear()
{
    m_kind = Kind::None;
    m_bytes.clear();
    m_image = QImage();
    m_size = QSize();
}
