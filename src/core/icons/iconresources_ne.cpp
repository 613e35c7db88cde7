#include "icons/iconresources.h"

#include <QHash>

namespace IconResources {

namespace {

constexpr quint16 kIconType = 0x8003;
constexpr quint16 kGroupIconType = 0x800e;

struct Resource
{
    quint16 type = 0;
    quint16 id = 0;
    Span span;
};

bool fail(QString *error, const QString &message)
{
    *error = message;
    return false;
}

// The resource table: an alignment shift, then per type its id, count and
// entries, ended by a zero type. Offsets and lengths count alignment units.
bool readTable(const QByteArray &file, qsizetype table, QList<Resource> *resources, QString *error)
{
    ByteReader r(file);
    r.seek(table);
    const int shift = r.u16();
    if (!r.ok())
        return fail(error, QStringLiteral("The resource table is cut short"));
    if (shift > 24)
        return fail(error, QStringLiteral("The resource table's alignment is not valid"));
    for (;;) {
        const quint16 type = r.u16();
        if (!r.ok())
            return fail(error, QStringLiteral("The resource table is cut short"));
        if (type == 0)
            return true;
        const int count = r.u16();
        r.skip(4);
        if (!r.ok() || !r.has(qsizetype(count) * 12))
            return fail(error, QStringLiteral("The resource table is cut short"));
        for (int i = 0; i < count; ++i) {
            const qint64 offset = qint64(r.u16()) << shift;
            const qint64 length = qint64(r.u16()) << shift;
            r.u16(); // flags
            const quint16 id = r.u16();
            r.skip(4);
            if (type != kIconType && type != kGroupIconType)
                continue;
            // The last resource's length may be rounded up past the end of the file.
            if (offset > file.size())
                return fail(error, QStringLiteral("The file is cut short"));
            resources->append(
                { type, id, { qsizetype(offset), qsizetype(std::min(length, file.size() - offset)) } });
            if (resources->size() > kMaxPictures)
                return fail(error, QStringLiteral("The file lists too many icons"));
        }
    }
}

} // namespace

bool readNe(const QByteArray &file, qsizetype header, QList<Icon> *icons, QString *error)
{
    ByteReader r(file);
    r.seek(header + 0x24);
    const quint16 tableOffset = r.u16();
    if (!r.ok())
        return fail(error, QStringLiteral("The program header is cut short"));
    if (tableOffset == 0)
        return true; // no resources at all
    QList<Resource> resources;
    if (!readTable(file, header + tableOffset, &resources, error))
        return false;
    QHash<quint16, Span> pictures;
    for (const Resource &resource : resources) {
        if (resource.type == kIconType && !pictures.contains(resource.id))
            pictures.insert(resource.id, resource.span);
    }
    // Resources named by number carry the number with the top bit set.
    auto lookup = [&](quint16 id, Span *span) {
        const auto found = pictures.constFind(quint16(id | 0x8000));
        if (found == pictures.cend())
            return false;
        *span = *found;
        return true;
    };
    qsizetype listed = 0;
    for (const Resource &resource : resources) {
        if (resource.type != kGroupIconType)
            continue;
        Icon icon;
        if (!readGroup(file, resource.span, lookup, &icon))
            return fail(error, QStringLiteral("An icon directory is damaged"));
        listed += icon.size();
        if (listed > kMaxPictures)
            return fail(error, QStringLiteral("The file lists too many icons"));
        icons->append(icon);
    }
    return true;
}

} // namespace IconResources
