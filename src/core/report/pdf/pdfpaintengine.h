#pragma once

#include "report/papertarget.h"

#include <QBrush>
#include <QByteArray>
#include <QFont>
#include <QHash>
#include <QList>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

class PdfDocument;
class PdfFontSet;
class QFontEngine;
class QTextItemInt;

// Draws a page into PDF operators: paths, lines and rectangles filled with
// solid colours or tiled pictures, pictures, and text in embedded TrueType
// fonts; text in a face of pictures only (a bitmap font, colour emoji) is
// set in an outline face of its size in its place. Anything else
// (gradients, hatching, other outline fonts, blend modes) marks the page as
// one this writer cannot render; the caller then hands the page to Qt's PDF
// writer.
class PdfPaintEngine : public QPaintEngine
{
public:
    PdfPaintEngine(
        PdfDocument &document, PdfFontSet &fonts, int pagesObject, QSizeF pagePoints, double dotsPerInch);
    ~PdfPaintEngine() override;

    [[nodiscard]] bool rendered() const { return !m_refused; }
    // The page objects' numbers, one per begin(); end() writes the page and
    // what it draws with.
    [[nodiscard]] const QList<int> &pageObjects() const { return m_pageObjects; }

    bool begin(QPaintDevice *device) override;
    bool end() override;
    void updateState(const QPaintEngineState &state) override;
    void drawPath(const QPainterPath &path) override;
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override;
    void drawRects(const QRectF *rects, int count) override;
    void drawLines(const QLineF *lines, int count) override;
    void drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &source) override;
    void drawImage(const QRectF &target, const QImage &image, const QRectF &source,
        Qt::ImageConversionFlags flags) override;
    void drawTextItem(const QPointF &origin, const QTextItem &item) override;
    Type type() const override { return PaperTarget::kPdfWriterEngine; }

private:
    void refuse() { m_refused = true; }
    // Opens a q...Q group with the clip, the colours and the transform a
    // drawing needs; closeGroup() ends it.
    void openGroup(bool withTransform);
    void closeGroup();
    void appendPath(const QPainterPath &path, const QTransform &map);
    void appendTransform(const QTransform &t);
    void appendColor(const QColor &color, const char *op);
    void applyAlpha(qreal fillAlpha, qreal strokeAlpha);
    [[nodiscard]] bool clippedAway() const { return m_clipEnabled && m_clip.isEmpty(); }
    void applyPen();
    [[nodiscard]] bool strokes() const { return m_pen.style() != Qt::NoPen; }
    [[nodiscard]] bool fills() const { return m_brush.style() != Qt::NoBrush; }
    // The path drawn with the pen and brush, in device pixels when the pen
    // is cosmetic (its width counts in device pixels), else in the
    // painter's own coordinates under the transform.
    void paintPath(const QPainterPath &path, bool fill, bool stroke);
    // key names the picture's pixels (a QImage's or QPixmap's cache key).
    void drawPicture(const QRectF &target, const QImage &image, const QRectF &source, qint64 key);
    // The resource name of the part of the picture, written once.
    [[nodiscard]] QByteArray pictureName(const QImage &image, const QRect &part, qint64 key);
    [[nodiscard]] QByteArray imageObject(const QImage &image);
    // A tiling pattern of the brush's texture as the painter places it now.
    [[nodiscard]] QByteArray patternObject();
    // The text item with the clusters of faces without outlines set in a
    // stand-in face, character by character from their glyphs' places.
    void drawStandIns(const QPointF &origin, const QTextItemInt &item);
    // The outline face standing in for a face of pictures (a font engine of
    // Qt's, kept alive by m_standIns).
    [[nodiscard]] QFontEngine *standInFor(const QFontEngine &engine);
    void writePage();

    PdfDocument &m_document;
    PdfFontSet &m_fonts;
    QSizeF m_pagePoints;
    double m_dotsPerInch;
    QByteArray m_content;
    QPen m_pen;
    QBrush m_brush;
    QPointF m_brushOrigin;
    QTransform m_transform;
    QTransform m_pageTransform; // device pixels onto PDF points
    QPainterPath m_clip; // device pixels
    bool m_clipEnabled = false;
    qreal m_opacity = 1;
    bool m_smoothPictures = false;
    bool m_opaqueBackground = false;
    bool m_refused = false;
    int m_pageObject = 0; // the page being drawn
    QList<int> m_pageObjects;
    int m_pages = 0;
    QHash<QString, QByteArray> m_images; // picture and part of it -> resource name
    QByteArray m_imageResources;
    QHash<QByteArray, QByteArray> m_imageObjects; // resource name -> reference
    QByteArray m_patternResources;
    int m_patternCount = 0;
    QHash<int, QByteArray> m_alphaStates; // alpha in 1/255 steps, fill*256+stroke -> name
    QByteArray m_stateResources;
    QHash<QString, QFont> m_standIns; // pixel size, weight, style, pitch -> font
};
