#include "icons/iconresources.h"

#include <QHash>

namespace IconResources {

namespace {

constexpr quint32 kIconType = 3;
constexpr quint32 kGroupIconType = 14;
constexpr quint32 kHighBit = 0x80000000u;
constexpr int kMaxSections = 96;

struct Section
{
    qint64 address = 0;
    qint64 virtualSize = 0;
    qint64 rawSize = 0;
    qint64 rawOffset = 0;
};

struct Entry
{
    quint32 name = 0;
    quint32 target = 0;
};

bool fail(QString *error, const QString &message)
{
    *error = message;
    return false;
}

// Turns addresses of the loaded program into offsets in the file.
class AddressMap
{
public:
    QList<Section> sections;

    [[nodiscard]] bool toOffset(
        qint64 address, qint64 length, const QByteArray &file, qsizetype *offset) const
    {
        for (const Section &s : sections) {
            const qint64 inside = address - s.address;
            if (inside < 0 || inside >= std::max(s.virtualSize, s.rawSize))
                continue;
            if (inside + length > s.rawSize || s.rawOffset + inside + length > file.size())
                return false;
            *offset = qsizetype(s.rawOffset + inside);
            return true;
        }
        return false;
    }
};

// A resource directory: a 16-byte header with the counts of named and
// numbered entries, then the entries, named ones first.
bool readDirectory(const QByteArray &file, qsizetype base, qint64 at, QList<Entry> *entries)
{
    ByteReader r(file);
    r.seek(qsizetype(base + at));
    r.skip(12);
    const qsizetype count = qsizetype(r.u16()) + r.u16();
    if (!r.ok() || !r.has(count * 8))
        return false;
    entries->clear();
    for (qsizetype i = 0; i < count; ++i) {
        const quint32 name = r.u32();
        entries->append({ name, r.u32() });
    }
    return true;
}

// Below a type's directory every resource has a directory of languages;
// the first language's data entry is taken.
bool resourceData(
    const QByteArray &file, qsizetype base, const AddressMap &map, const Entry &entry, Span *span)
{
    if (!(entry.target & kHighBit))
        return false;
    QList<Entry> languages;
    if (!readDirectory(file, base, entry.target & ~kHighBit, &languages) || languages.isEmpty()
        || (languages.first().target & kHighBit))
        return false;
    ByteReader r(file);
    r.seek(qsizetype(base + languages.first().target));
    const qint64 address = r.u32();
    const qint64 length = r.u32();
    qsizetype offset = 0;
    if (!r.ok() || !map.toOffset(address, length, file, &offset))
        return false;
    *span = { offset, qsizetype(length) };
    return true;
}

bool readSections(const QByteArray &file, qsizetype header, AddressMap *map, qint64 *resourceAddress)
{
    ByteReader r(file);
    r.seek(header + 6);
    const int sectionCount = r.u16();
    r.skip(12);
    const int optionalSize = r.u16();
    r.skip(2);
    const qsizetype optional = r.pos();
    const int magic = r.u16();
    if (!r.ok() || (magic != 0x10b && magic != 0x20b) || sectionCount > kMaxSections)
        return false;
    const qsizetype directories = optional + (magic == 0x10b ? 92 : 108);
    r.seek(directories);
    const quint32 directoryCount = r.u32();
    r.skip(16); // export and import tables
    *resourceAddress = directoryCount > 2 ? r.u32() : 0;
    r.seek(optional + optionalSize);
    for (int i = 0; i < sectionCount; ++i) {
        r.skip(8);
        Section s;
        s.virtualSize = r.u32();
        s.address = r.u32();
        s.rawSize = r.u32();
        s.rawOffset = r.u32();
        r.skip(16);
        map->sections.append(s);
    }
    return r.ok();
}

} // namespace

bool readPe(const QByteArray &file, qsizetype header, QList<Icon> *icons, QString *error)
{
    AddressMap map;
    qint64 resourceAddress = 0;
    if (!readSections(file, header, &map, &resourceAddress))
        return fail(error, QStringLiteral("The program header is cut short or damaged"));
    if (resourceAddress == 0)
        return true; // no resources at all
    qsizetype base = 0;
    if (!map.toOffset(resourceAddress, 16, file, &base))
        return fail(error, QStringLiteral("The resource directory lies outside the file"));
    QList<Entry> types;
    if (!readDirectory(file, base, 0, &types))
        return fail(error, QStringLiteral("The resource directory is cut short"));
    QList<Entry> groups;
    QHash<quint32, Span> pictures;
    for (const Entry &type : types) {
        if (type.name != kIconType && type.name != kGroupIconType)
            continue;
        QList<Entry> entries;
        if (!(type.target & kHighBit) || !readDirectory(file, base, type.target & ~kHighBit, &entries))
            return fail(error, QStringLiteral("The resource directory is cut short"));
        if (type.name == kGroupIconType) {
            groups += entries;
            continue;
        }
        for (const Entry &entry : entries) {
            Span span;
            if (!(entry.name & kHighBit) && !pictures.contains(entry.name)
                && resourceData(file, base, map, entry, &span))
                pictures.insert(entry.name, span);
        }
    }
    if (groups.size() > kMaxPictures)
        return fail(error, QStringLiteral("The file lists too many icons"));
    auto lookup = [&](quint16 id, Span *span) {
        const auto found = pictures.constFind(id);
        if (found == pictures.cend())
            return false;
        *span = *found;
        return true;
    };
    qsizetype listed = 0;
    for (const Entry &group : groups) {
        Span span;
        Icon icon;
        if (!resourceData(file, base, map, group, &span) || !readGroup(file, span, lookup, &icon))
            return fail(error, QStringLiteral("An icon directory is damaged"));
        listed += icon.size();
        if (listed > kMaxPictures)
            return fail(error, QStringLiteral("The file lists too many icons"));
        icons->append(icon);
    }
    return true;
}

} // namespace IconResources
