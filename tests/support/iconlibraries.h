#pragma once

// For icon tests: icon libraries of solid-coloured icons, written by the
// program's own writer.
#include "icons/iconimage.h"
#include "icons/iconlibrarywriter.h"

#include <QColor>
#include <QFile>
#include <QImage>

#include <algorithm>

// Icon i has the colour colors[i % colors.size()]; false when the file
// cannot be written.
inline bool writeIconLibrary(
    const QString &fileName, int count, const QList<QColor> &colors = { Qt::magenta })
{
    QList<QList<QByteArray>> icons;
    for (int i = 0; i < count; ++i) {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(colors[i % colors.size()]);
        icons.append({ IconImage::encode(image, 32) });
    }
    QFile file(fileName);
    const QByteArray bytes = IconLibraryWriter::write(icons, "TEST");
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// An icon library of `groups` icons whose directories all name the same
// one picture: a few bytes per icon however large the picture, as a forged
// file would be. Group entries come in blocks of at most 65,535, the most
// one resource type entry counts.
inline QByteArray iconLibraryNamingOnePicture(int groups, const QByteArray &picture)
{
    const auto put16
        = [](QByteArray &out, int v) { out.append(char(v & 0xff)).append(char((v >> 8) & 0xff)); };
    const auto put32 = [&](QByteArray &out, quint32 v) {
        put16(out, int(v & 0xffff));
        put16(out, int(v >> 16));
    };
    constexpr int kShift = 9; // 512-byte units: 32 MB of offsets
    constexpr qsizetype kUnit = qsizetype(1) << kShift;
    const auto aligned = [](qsizetype at) { return (at + kUnit - 1) / kUnit * kUnit; };
    const auto units = [](qsizetype length) { return int((length + kUnit - 1) / kUnit); };
    const int blocks = (groups + 0xfffe) / 0xffff;
    const qsizetype tableAt = 0x80 + 0x40;
    const qsizetype tableEnd = tableAt + 2 + 8 * (blocks + 1) + 12 * (qsizetype(groups) + 1) + 2;
    QByteArray directory; // one entry naming icon resource 1; width and height 0 stand for 256 and up
    put16(directory, 0);
    put16(directory, 1);
    put16(directory, 1);
    directory.append(QByteArray(4, '\0'));
    put16(directory, 1);
    put16(directory, 32);
    put32(directory, quint32(picture.size()));
    put16(directory, 1);
    const qsizetype directoryAt = aligned(tableEnd);
    const qsizetype pictureAt = aligned(directoryAt + directory.size());

    QByteArray out(0x80, '\0');
    out[0] = 'M';
    out[1] = 'Z';
    out[0x3c] = char(0x80);
    QByteArray header(0x40, '\0');
    header[0] = 'N';
    header[1] = 'E';
    header[0x24] = 0x40; // the resource table follows the header
    header[0x32] = char(kShift);
    out += header;
    put16(out, kShift);
    for (int left = groups; left > 0; left -= 0xffff) {
        const int count = std::min(left, 0xffff);
        put16(out, 0x800e);
        put16(out, count);
        put32(out, 0);
        for (int i = 0; i < count; ++i) {
            put16(out, int(directoryAt >> kShift));
            put16(out, units(directory.size()));
            put16(out, 0x1c30);
            put16(out, 0x8001);
            put32(out, 0);
        }
    }
    put16(out, 0x8003);
    put16(out, 1);
    put32(out, 0);
    put16(out, int(pictureAt >> kShift));
    put16(out, units(picture.size()));
    put16(out, 0x1c10);
    put16(out, 0x8001);
    put32(out, 0);
    put16(out, 0); // end of types
    out.append(QByteArray(directoryAt - out.size(), '\0')).append(directory);
    out.append(QByteArray(pictureAt - out.size(), '\0')).append(picture);
    return out;
}
