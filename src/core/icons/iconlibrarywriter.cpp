#include "icons/iconlibrarywriter.h"

#include "icons/iconimage.h"

namespace IconLibraryWriter {

namespace {

constexpr int kHeaderOffset = 0x80;
constexpr quint16 kIconType = 0x8003;
constexpr quint16 kGroupIconType = 0x800e;

void put8(QByteArray &out, int v)
{
    out.append(char(v & 0xff));
}

void put16(QByteArray &out, int v)
{
    put8(out, v);
    put8(out, v >> 8);
}

void put32(QByteArray &out, quint32 v)
{
    put16(out, int(v & 0xffff));
    put16(out, int(v >> 16));
}

void set16(QByteArray &out, qsizetype at, int v)
{
    out[at] = char(v & 0xff);
    out[at + 1] = char((v >> 8) & 0xff);
}

void set32(QByteArray &out, qsizetype at, quint32 v)
{
    set16(out, at, int(v & 0xffff));
    set16(out, at + 2, int(v >> 16));
}

// A DOS header and the usual stub that says the file is for Windows.
QByteArray dosStub()
{
    QByteArray out(0x40, '\0');
    out[0] = 'M';
    out[1] = 'Z';
    set16(out, 0x02, kHeaderOffset); // bytes in the last page
    set16(out, 0x04, 1); // pages
    set16(out, 0x08, 4); // header paragraphs
    set16(out, 0x0c, 0xffff); // most memory
    set16(out, 0x10, 0xb8); // stack pointer
    set16(out, 0x18, 0x40); // relocations: a new-style header follows
    set32(out, 0x3c, kHeaderOffset);
    const char code[] = "\x0e\x1f\xba\x0e\x00\xb4\x09\xcd\x21\xb8\x01\x4c\xcd\x21";
    out.append(code, sizeof code - 1);
    out.append("This program requires Microsoft Windows.\r\r\n$");
    out.append(QByteArray(kHeaderOffset - out.size(), '\0'));
    return out;
}

// An icon directory whose entries name icon resources firstId, firstId + 1, ...
QByteArray groupDirectory(const QList<QByteArray> &pictures, int firstId)
{
    QByteArray out;
    put16(out, 0);
    put16(out, 1);
    put16(out, int(pictures.size()));
    for (int i = 0; i < pictures.size(); ++i) {
        IconImage::Info info;
        IconImage::probe(pictures[i], &info);
        const int bpp = info.bitsPerPixel;
        put8(out, info.size.width() >= 256 ? 0 : info.size.width());
        put8(out, info.size.height() >= 256 ? 0 : info.size.height());
        put8(out, bpp < 8 ? 1 << bpp : 0);
        put8(out, 0);
        put16(out, 1);
        put16(out, bpp);
        put32(out, quint32(pictures[i].size()));
        put16(out, firstId + i);
    }
    return out;
}

struct Resource
{
    quint16 id;
    QByteArray data;
};

void putTypeTable(QByteArray &out, quint16 type, const QList<Resource> &resources,
    const QList<qsizetype> &offsets, int shift, quint16 flags)
{
    put16(out, type);
    put16(out, int(resources.size()));
    put32(out, 0);
    for (int i = 0; i < resources.size(); ++i) {
        const qsizetype units = (resources[i].data.size() + (qsizetype(1) << shift) - 1) >> shift;
        put16(out, int(offsets[i] >> shift));
        put16(out, int(units));
        put16(out, flags);
        put16(out, resources[i].id | 0x8000);
        put32(out, 0);
    }
}

} // namespace

QByteArray write(const QList<QList<QByteArray>> &icons, const QByteArray &moduleName)
{
    QList<Resource> groups;
    QList<Resource> pictures;
    for (const QList<QByteArray> &icon : icons) {
        groups.append({ quint16(groups.size() + 1), groupDirectory(icon, int(pictures.size()) + 1) });
        for (const QByteArray &picture : icon)
            pictures.append({ quint16(pictures.size() + 1), picture });
    }
    if (groups.size() > 0x7fff || pictures.size() > 0x7fff)
        return {};

    // The tables after the header: resources, resident names, module
    // references (none), imported names, entries, non-resident names.
    const QByteArray name = moduleName.left(255);
    const qsizetype resourceTableSize = 2 + 8 + 12 * groups.size() + 8 + 12 * pictures.size() + 2 + 1;
    const qsizetype residentAt = 0x40 + resourceTableSize;
    const qsizetype afterResident = residentAt + 1 + name.size() + 2 + 1;
    const qsizetype importsAt = afterResident;
    const qsizetype entriesAt = importsAt + 1;
    const qsizetype nonResidentAt = entriesAt + 2;
    const qsizetype tablesEnd = nonResidentAt + 1 + name.size() + 2 + 1;

    // Resources follow at aligned offsets; the shift is the smallest that
    // lets every offset and length fit in 16 bits of units.
    int shift = 4;
    QList<qsizetype> groupOffsets;
    QList<qsizetype> pictureOffsets;
    for (;; ++shift) {
        if (shift > 15)
            return {};
        const qsizetype unit = qsizetype(1) << shift;
        qsizetype at = (kHeaderOffset + tablesEnd + unit - 1) / unit * unit;
        groupOffsets.clear();
        pictureOffsets.clear();
        for (const Resource &g : groups) {
            groupOffsets.append(at);
            at += (g.data.size() + unit - 1) / unit * unit;
        }
        for (const Resource &p : pictures) {
            pictureOffsets.append(at);
            at += (p.data.size() + unit - 1) / unit * unit;
        }
        if ((at >> shift) <= 0xffff)
            break;
    }

    QByteArray header(0x40, '\0');
    header[0] = 'N';
    header[1] = 'E';
    header[2] = 5; // linker version
    set16(header, 0x04, int(entriesAt));
    set16(header, 0x06, 2);
    set16(header, 0x0c, 0x8000); // a library
    set16(header, 0x22, 0x40); // segment table: empty
    set16(header, 0x24, 0x40);
    set16(header, 0x26, int(residentAt));
    set16(header, 0x28, int(importsAt)); // module references: none
    set16(header, 0x2a, int(importsAt));
    set32(header, 0x2c, quint32(kHeaderOffset + nonResidentAt));
    set16(header, 0x20, int(tablesEnd - nonResidentAt));
    set16(header, 0x32, shift);
    set16(header, 0x34, int(groups.size() + pictures.size()));
    header[0x36] = 2; // Windows
    set16(header, 0x3e, 0x030a); // Windows 3.1

    QByteArray out = dosStub() + header;
    put16(out, shift);
    putTypeTable(out, kGroupIconType, groups, groupOffsets, shift, 0x1c30);
    putTypeTable(out, kIconType, pictures, pictureOffsets, shift, 0x1c10);
    put16(out, 0); // end of types
    put8(out, 0); // no resource names
    for (int table = 0; table < 2; ++table) {
        if (table == 1) {
            put8(out, 0); // imported names
            put16(out, 0); // entries
        }
        put8(out, int(name.size()));
        out.append(name);
        put16(out, 0); // ordinal
        put8(out, 0);
    }
    for (int i = 0; i < groups.size(); ++i) {
        out.append(QByteArray(groupOffsets[i] - out.size(), '\0'));
        out.append(groups[i].data);
    }
    for (int i = 0; i < pictures.size(); ++i) {
        out.append(QByteArray(pictureOffsets[i] - out.size(), '\0'));
        out.append(pictures[i].data);
    }
    const qsizetype unit = qsizetype(1) << shift;
    out.append(QByteArray((unit - out.size() % unit) % unit, '\0'));
    return out;
}

} // namespace IconLibraryWriter
