#pragma once

#include "objects/vbitmap.h"

#include <QByteArray>
#include <QSize>
#include <QString>

// The clip-art object's picture: a bitmap, a metafile or an icon, kept as the
// bytes a record stores for it so nothing is lost on the way through a file.
class TVPicture
{
public:
    enum class Kind { None, Bitmap, Metafile, Icon };

    [[nodiscard]] Kind kind() const { return m_kind; }
    [[nodiscard]] bool isEmpty() const { return m_kind == Kind::None; }
    [[nodiscard]] bool isBitmap() const { return m_kind == Kind::Bitmap; }
    // "TBitmap", "TMetafile", "TIcon"; empty without a graphic.
    [[nodiscard]] QString graphicClassName() const;

    // The record form "Picture.Data": the class name as a short string, then
    // the graphic's own data (a 4-byte length and a BMP file for a bitmap, a
    // 4-byte length and the metafile for a metafile, the icon file for an
    // icon). Empty without a graphic.
    [[nodiscard]] QByteArray data() const;
    // Reads the record form; on failure the picture is unchanged and the
    // message says why.
    bool setData(const QByteArray &data, QString *error = nullptr);

    // The graphic's own bytes: BMP file, metafile or icon file.
    [[nodiscard]] const QByteArray &graphicBytes() const { return m_bytes; }
    // Width and height in pixels; invalid when unknown.
    [[nodiscard]] QSize size() const { return m_size; }
    // The decoded picture of a bitmap or an icon; null for a metafile.
    [[nodiscard]] const QImage &image() const { return m_image; }

    void setBitmap(const TVBitmap &bitmap);
    // Takes metafile bytes (placeable or plain WMF, or EMF); false when they
    // are not a metafile.
    bool setMetafile(const QByteArray &bytes, QString *error = nullptr);
    bool setIcon(const QByteArray &iconFile, QString *error = nullptr);

    // Loads a picture file by its extension (compared in upper case):
    // ".BMP" and ".WMF" as they are, ".EMF" as a metafile, ".ICO" drawn into
    // a bitmap of the icon's size, other image files decoded into a bitmap.
    bool loadFromFile(const QString &fileName, QString *error = nullptr);

    void clear();

    friend bool operator==(const TVPicture &a, const TVPicture &b)
    {
        return a.m_kind == b.m_kind && a.m_bytes == b.m_bytes;
    }
    friend bool operator!=(const TVPicture &a, const TVPicture &b) { return !(a == b); }

private:
    Kind m_kind = Kind::None;
    QByteArray m_bytes;
    QImage m_image;
    QSize m_size;
};
