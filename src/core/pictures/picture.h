#pragma once

#include "metafile/metafile.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

class QPainter;

// The graphic of a picture: a bitmap, a metafile or an icon, as a clip-art
// object holds it and its Picture.Data stores it.
class Picture
{
public:
    enum class Kind { None, Bitmap, Metafile, Icon };

    Picture() = default;
    // bmpFile: the complete BMP file the image came from, kept so a stored
    // picture writes back the same bytes; made from the image when empty.
    static Picture fromBitmap(const QImage &image, const QByteArray &bmpFile = {});
    static Picture fromMetafile(const Metafile &metafile);
    // An icon file; fails on anything Qt's icon reader cannot read.
    static bool fromIconData(const QByteArray &iconFile, Picture *picture, QString *error = nullptr);

    [[nodiscard]] Kind kind() const { return m_kind; }
    [[nodiscard]] bool isEmpty() const { return m_kind == Kind::None; }
    [[nodiscard]] bool isBitmap() const { return m_kind == Kind::Bitmap; }
    // "TBitmap", "TMetafile" or "TIcon"; empty for no picture.
    [[nodiscard]] QString className() const;
    // Bitmap and icon: the pixels. Metafile: a null image.
    [[nodiscard]] const QImage &image() const { return m_image; }
    [[nodiscard]] const Metafile &metafile() const { return m_metafile; }
    [[nodiscard]] const QByteArray &iconData() const { return m_iconData; }
    // The bitmap as a complete BMP file.
    [[nodiscard]] QByteArray bitmapFile() const;
    [[nodiscard]] QSize size() const;
    [[nodiscard]] int width() const { return size().width(); }
    [[nodiscard]] int height() const { return size().height(); }

    // Stretched over the target: bitmaps and icons as pixels, metafiles as vectors.
    void draw(QPainter &painter, const QRectF &target) const;

private:
    Kind m_kind = Kind::None;
    QImage m_image;
    // The image averaged down to the size it was last drawn at, when smaller.
    mutable QImage m_shrunk;
    QByteArray m_bmpFile;
    Metafile m_metafile;
    QByteArray m_iconData;
};
