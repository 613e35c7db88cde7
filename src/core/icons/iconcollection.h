#pragma once

#include "icons/iconimage.h"
#include "icons/iconresources.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// The icons of an icon file (.ICO, one icon), an icon library (.ICL) or a
// program or library (.EXE, .DLL; 16-bit, 32-bit or 64-bit), recognised by
// content, not by name. Opening reads only the directories; each icon is
// decoded when it is asked for, from the picture nearest 32 x 32 with the
// most colours. Listing needs no decoding: the pictures' headers give their
// sizes and depths.
//
// Decoding is bounded per collection: a small forged library can name one
// huge picture from a quarter of a million icons, hours of decoding. Past
// kMaxDecodedPixels every picture comes back null and decodeError() says
// why.
class IconCollection
{
public:
    // The largest file read.
    static constexpr qint64 kMaxFileSize = 256 * 1024 * 1024;
    // 128 pictures of the largest size, about a second of decoding; over
    // a hundred thousand icons of 32 x 32.
    static constexpr qint64 kMaxDecodedPixels = qint64(1) << 27;

    IconCollection() = default;
    // A file that cannot be read, or is damaged, gives no icons and an error().
    [[nodiscard]] static IconCollection fromFile(const QString &fileName);
    [[nodiscard]] static IconCollection fromData(const QByteArray &bytes);

    [[nodiscard]] int count() const { return int(m_icons.size()); }
    // Why the file gave no icons; empty for a file that simply holds none.
    [[nodiscard]] const QString &error() const { return m_error; }
    // Icon index at its own size, alpha premultiplied; null when no picture
    // of it can be decoded or the index is out of range.
    [[nodiscard]] QImage icon(int index) const;
    // One picture of icon index, as listed; null when it cannot be decoded.
    [[nodiscard]] QImage picture(int index, int picture) const;
    // The sizes and depths of the pictures of icon index, as listed.
    [[nodiscard]] QList<IconImage::Info> pictures(int index) const;
    // Size and depth of the picture icon(index) decodes first, without
    // decoding it; an empty Info when no picture of the icon is readable.
    [[nodiscard]] IconImage::Info iconInfo(int index) const;

    // Pixels decoded so far, counted before each picture is decoded.
    [[nodiscard]] qint64 decodedPixels() const { return m_decodedPixels; }
    // Why pictures are no longer decoded; empty while they are.
    [[nodiscard]] const QString &decodeError() const { return m_decodeError; }

    // Of the given pictures, the order to try them in: nearest 32 x 32
    // first, then the most colours, then the larger, then as listed.
    [[nodiscard]] static QList<int> preferenceOrder(const QList<IconImage::Info> &pictures);

private:
    [[nodiscard]] QByteArray pictureBytes(const IconResources::Span &span) const;

    QByteArray m_file;
    QList<IconResources::Icon> m_icons;
    QString m_error;
    mutable qint64 m_decodedPixels = 0;
    mutable QString m_decodeError;
};
