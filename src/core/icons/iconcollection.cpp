#include "icons/iconcollection.h"

#include "base/bytereader.h"
#include "platform/safefilereader.h"

#include <QFileInfo>

#include <algorithm>

namespace {

constexpr QSize kStandardSize(32, 32);

int distanceFromStandard(const QSize &size)
{
    return std::abs(size.width() - kStandardSize.width()) + std::abs(size.height() - kStandardSize.height());
}

} // namespace

IconCollection IconCollection::fromFile(const QString &fileName)
{
    QByteArray bytes;
    QString reason;
    if (!SafeFileReader::read(fileName, kMaxFileSize, &bytes, &reason)) {
        IconCollection none;
        none.m_error = QStringLiteral("Unable to read %1: %2").arg(QFileInfo(fileName).fileName(), reason);
        return none;
    }
    return fromData(bytes);
}

IconCollection IconCollection::fromData(const QByteArray &bytes)
{
    IconCollection c;
    c.m_file = bytes;
    ByteReader r(bytes);
    const quint16 magic = r.u16();
    const quint16 type = r.u16();
    bool read = true;
    if (r.ok() && magic == 0 && type == 1) {
        read = IconResources::readIco(bytes, &c.m_icons, &c.m_error);
    } else if (r.ok() && magic == 0x5a4d) { // "MZ"
        r.seek(0x3c);
        const qint64 header = r.u32();
        r.seek(qsizetype(std::min<qint64>(header, bytes.size())));
        const quint32 signature = r.u32();
        if (!r.ok())
            return c; // a DOS program: no icons
        if ((signature & 0xffff) == 0x454e) // "NE"
            read = IconResources::readNe(bytes, qsizetype(header), &c.m_icons, &c.m_error);
        else if (signature == 0x4550) // "PE\0\0"
            read = IconResources::readPe(bytes, qsizetype(header), &c.m_icons, &c.m_error);
    } else {
        c.m_error = QStringLiteral("Not an icon file, icon library or program");
        read = false;
    }
    if (!read || c.m_icons.isEmpty()) {
        c.m_icons.clear();
        c.m_file.clear();
    }
    return c;
}

QByteArray IconCollection::pictureBytes(const IconResources::Span &span) const
{
    // Read in place: the readers checked the span against the file.
    return QByteArray::fromRawData(m_file.constData() + span.offset, span.length);
}

QList<IconImage::Info> IconCollection::pictures(int index) const
{
    QList<IconImage::Info> infos;
    if (index < 0 || index >= count())
        return infos;
    for (const IconResources::Span &span : m_icons[index]) {
        IconImage::Info info;
        if (!IconImage::probe(pictureBytes(span), &info))
            info = {};
        infos.append(info);
    }
    return infos;
}

IconImage::Info IconCollection::iconInfo(int index) const
{
    const QList<IconImage::Info> infos = pictures(index);
    const QList<int> order = preferenceOrder(infos);
    return order.isEmpty() ? IconImage::Info() : infos[order.first()];
}

QList<int> IconCollection::preferenceOrder(const QList<IconImage::Info> &pictures)
{
    QList<int> order;
    for (int i = 0; i < pictures.size(); ++i) {
        if (pictures[i].bitsPerPixel > 0)
            order.append(i);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const IconImage::Info &x = pictures[a];
        const IconImage::Info &y = pictures[b];
        const int dx = distanceFromStandard(x.size);
        const int dy = distanceFromStandard(y.size);
        if (dx != dy)
            return dx < dy;
        if (x.bitsPerPixel != y.bitsPerPixel)
            return x.bitsPerPixel > y.bitsPerPixel;
        return qint64(x.size.width()) * x.size.height() > qint64(y.size.width()) * y.size.height();
    });
    return order;
}

QImage IconCollection::picture(int index, int picture) const
{
    if (index < 0 || index >= count() || picture < 0 || picture >= m_icons[index].size())
        return {};
    const QByteArray bytes = pictureBytes(m_icons[index][picture]);
    IconImage::Info info;
    if (!IconImage::probe(bytes, &info))
        return {};
    const qint64 pixels = qint64(info.size.width()) * info.size.height();
    if (m_decodedPixels + pixels > kMaxDecodedPixels) {
        m_decodeError = QStringLiteral("Too many pixels to decode: the icons of one file may take %1 "
                                       "megapixels in all")
                            .arg(kMaxDecodedPixels >> 20);
        return {};
    }
    m_decodedPixels += pixels;
    const QImage image = IconImage::decode(bytes);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage IconCollection::icon(int index) const
{
    if (index < 0 || index >= count())
        return {};
    const QList<IconImage::Info> infos = pictures(index);
    for (int i : preferenceOrder(infos)) {
        const QImage image = picture(index, i);
        if (!image.isNull())
            return image;
    }
    return {};
}
