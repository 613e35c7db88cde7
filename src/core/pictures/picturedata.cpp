#include "pictures/picturedata.h"

#include "base/bytereader.h"
#include "metafile/dib.h"

namespace PictureData {

namespace {

void append32(QByteArray &out, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

QByteArray encode(const Picture &picture)
{
    const QString name = picture.className();
    if (name.isEmpty())
        return {};
    QByteArray out;
    out.append(char(name.size())).append(name.toLatin1());
    switch (picture.kind()) {
    case Picture::Kind::Bitmap: {
        const QByteArray file = picture.bitmapFile();
        append32(out, quint32(file.size()));
        out.append(file);
        break;
    }
    case Picture::Kind::Metafile: {
        // The metafile's length counts its own four bytes, as the streams
        // of the program's earlier versions have it.
        const QByteArray bytes = picture.metafile().storedBytes();
        append32(out, quint32(bytes.size() + 4));
        out.append(bytes);
        break;
    }
    case Picture::Kind::Icon:
        out.append(picture.iconData());
        break;
    default:
        break;
    }
    return out;
}

bool decode(const QByteArray &bytes, Picture *picture, QString *error)
{
    if (bytes.isEmpty()) {
        *picture = Picture();
        return true;
    }
    ByteReader r(bytes);
    const int nameLength = r.u8();
    const QString name = QString::fromLatin1(r.bytes(nameLength));
    if (!r.ok())
        return fail(error, QStringLiteral("The picture data is cut short"));
    if (name == QLatin1String("TIcon")) {
        return Picture::fromIconData(r.bytes(r.remaining()), picture, error);
    }
    if (name != QLatin1String("TBitmap") && name != QLatin1String("TMetafile"))
        return fail(error, QStringLiteral("The picture type %1 is not supported").arg(name));
    const quint32 length = r.u32();
    if (!r.ok())
        return fail(error, QStringLiteral("The picture data is cut short"));
    const qsizetype rest = r.remaining();
    if (name == QLatin1String("TBitmap")) {
        if (length > quint64(rest))
            return fail(error, QStringLiteral("The picture data is cut short"));
        if (length == 0) {
            *picture = Picture();
            return true;
        }
        const QByteArray file = r.bytes(length);
        QString why;
        const QImage image = Dib::decodeFile(file, &why);
        if (image.isNull())
            return fail(error, why);
        *picture = Picture::fromBitmap(image, file);
        return true;
    }
    // Writers differ on whether a metafile's length counts its own four
    // bytes; either is accepted.
    if (length > quint64(rest) + 4)
        return fail(error, QStringLiteral("The picture data is cut short"));
    const qsizetype size = length == quint64(rest) + 4 ? rest : std::min<qsizetype>(rest, length);
    if (size <= 4) {
        *picture = Picture();
        return true;
    }
    Metafile metafile;
    QString why;
    if (!metafile.loadFromData(r.bytes(size), &why))
        return fail(error, why);
    *picture = Picture::fromMetafile(metafile);
    return true;
}

} // namespace PictureData
