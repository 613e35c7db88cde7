#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Where the pictures of each icon lie in an icon file, an icon library or
// a program. Every reader checks each count, offset and length against the
// file before it uses it, refuses a file that is cut short, and never
// copies a picture: the collection decodes pictures from the file's bytes
// when they are asked for.
namespace IconResources {

struct Span
{
    qsizetype offset = 0;
    qsizetype length = 0;
};
// The pictures of one icon, as its directory lists them.
using Icon = QList<Span>;

// Limits a forged file cannot pass: pictures listed by one icon, and
// pictures listed by the whole file.
constexpr int kMaxPicturesPerIcon = 256;
constexpr int kMaxPictures = 1 << 18;

// An .ICO file: one icon. False with a message when the file is damaged.
bool readIco(const QByteArray &file, QList<Icon> *icons, QString *error);
// The icon groups of a 16-bit program or library (icon libraries are
// such libraries), the header at the given offset.
bool readNe(const QByteArray &file, qsizetype header, QList<Icon> *icons, QString *error);
// The icon groups of a 32- or 64-bit program or library.
bool readPe(const QByteArray &file, qsizetype header, QList<Icon> *icons, QString *error);

// The pictures of a group-icon resource (an icon directory whose entries
// name icon resources by number), looked up with the given function.
template <typename Lookup> bool readGroup(const QByteArray &file, Span group, Lookup lookup, Icon *icon);

} // namespace IconResources

#include "base/bytereader.h"

template <typename Lookup>
bool IconResources::readGroup(const QByteArray &file, Span group, Lookup lookup, Icon *icon)
{
    ByteReader r(file.constData() + group.offset, group.length);
    r.u16(); // reserved
    const int type = r.u16();
    const int count = r.u16();
    if (!r.ok() || type != 1 || count > kMaxPicturesPerIcon || !r.has(qsizetype(count) * 14))
        return false;
    icon->clear();
    for (int i = 0; i < count; ++i) {
        r.skip(12); // size, colours, planes, depth and length: the picture itself says
        Span picture;
        if (lookup(r.u16(), &picture))
            icon->append(picture);
    }
    return true;
}
