#include "icons/iconresources.h"

namespace IconResources {

bool readIco(const QByteArray &file, QList<Icon> *icons, QString *error)
{
    ByteReader r(file);
    r.u16(); // reserved
    r.u16(); // type: checked by whoever recognised the file
    const int count = r.u16();
    if (!r.ok() || !r.has(qsizetype(count) * 16)) {
        *error = QStringLiteral("The icon directory is cut short");
        return false;
    }
    if (count > kMaxPicturesPerIcon) {
        *error = QStringLiteral("The icon lists %1 pictures").arg(count);
        return false;
    }
    Icon icon;
    for (int i = 0; i < count; ++i) {
        r.skip(8); // size, colours, planes, depth: the picture itself says
        const qint64 length = r.u32();
        const qint64 offset = r.u32();
        if (offset + length > file.size() || length == 0) {
            *error = QStringLiteral("The icon's pictures are cut short");
            return false;
        }
        icon.append({ qsizetype(offset), qsizetype(length) });
    }
    if (!icon.isEmpty())
        icons->append(icon);
    return true;
}

} // namespace IconResources
