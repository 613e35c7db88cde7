#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// A bitmap held as a complete BMP file, the form records store it in, with
// the decoded image kept beside it for drawing.
class StoredBitmap
{
public:
    [[nodiscard]] bool isEmpty() const { return m_bmp.isEmpty(); }
    [[nodiscard]] const QByteArray &bmpData() const { return m_bmp; }
    // Takes a BMP file; false (and the bitmap left unchanged) when the bytes
    // do not decode as one.
    bool setBmpData(const QByteArray &bmp);
    [[nodiscard]] const QImage &image() const { return m_image; }
    [[nodiscard]] QSize size() const { return m_image.size(); }
    // Encodes an image as a BMP file; a null image empties the bitmap.
    void setImage(const QImage &image);
    void clear();

    friend bool operator==(const StoredBitmap &a, const StoredBitmap &b) { return a.m_bmp == b.m_bmp; }
    friend bool operator!=(const StoredBitmap &a, const StoredBitmap &b) { return !(a == b); }

private:
    QByteArray m_bmp;
    QImage m_image;
};
