#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <memory>

class QPainter;

// A Windows metafile (placeable or plain WMF, or EMF) held as its bytes and
// drawn as vectors into a rectangle on any QPainter.
class Metafile
{
public:
    enum class Kind { None, Wmf, Emf };

    // How to size a plain WMF, which carries no size of its own: the mapping
    // mode and extent of a METAFILEPICT as rich text gives them (\wmetafileN,
    // \picw, \pich). The extent is in the mode's units: pixels for MM_TEXT,
    // 0.1 mm, 0.01 mm, 0.01 in, 0.001 in, twips for the fixed modes, and
    // 0.01 mm for the isotropic and anisotropic modes.
    struct Hint
    {
        int mapMode = 8;
        QSizeF extent;
    };

    // Reads and checks a metafile; on failure the object is left empty and
    // the message says why.
    bool load(const QString &fileName, QString *error = nullptr);
    bool loadFromData(const QByteArray &bytes, QString *error = nullptr);
    bool loadFromData(const QByteArray &bytes, const Hint &hint, QString *error = nullptr);
    void clear() { *this = Metafile(); }

    [[nodiscard]] bool isEmpty() const { return m_kind == Kind::None; }
    [[nodiscard]] Kind kind() const { return m_kind; }
    [[nodiscard]] bool isEnhanced() const { return m_kind == Kind::Emf; }
    [[nodiscard]] const QByteArray &data() const { return m_data; }
    // The picture's own size in pixels at 96 per inch.
    [[nodiscard]] QSizeF naturalSize() const { return m_naturalSize; }
    [[nodiscard]] int width() const { return qRound(m_naturalSize.width()); }
    [[nodiscard]] int height() const { return qRound(m_naturalSize.height()); }
    // The bytes as a picture stores them: EMF as is, a WMF with its
    // placeable header (made up from the size when it had none).
    [[nodiscard]] QByteArray storedBytes() const;

    enum class Caching { Allowed, Off };
    // On raster devices the drawing is kept as pixels for the next call at
    // the same size, so repainting a screen costs one image copy; printers,
    // PDF and pictures always get the vectors.
    void draw(QPainter &painter, const QRectF &target, Caching caching = Caching::Allowed) const;

private:
    // Returns whether the picture drew without mixing with the background.
    bool drawVectors(QPainter &painter, const QRectF &target) const;
    bool drawCached(QPainter &painter, const QRectF &target) const;

    struct RasterCache;
    mutable std::shared_ptr<RasterCache> m_cache;
    QByteArray m_data;
    Kind m_kind = Kind::None;
    QSizeF m_naturalSize;
    QRectF m_frame; // the picture's frame in page units
    QRectF m_window; // WMF: the logical window mapped onto the frame
    double m_pxPerMmX = 0;
    double m_pxPerMmY = 0;
    qsizetype m_recordsStart = 0;
    qsizetype m_recordsEnd = 0;
    int m_objectCount = 0;
    bool m_placeable = false;
};
