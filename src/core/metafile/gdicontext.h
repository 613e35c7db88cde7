#pragma once

#include "base/pageresolution.h"
#include "metafile/gdiobjects.h"

#include <QPolygonF>
#include <QRectF>
#include <QTransform>
#include <QVector>

#include <functional>
#include <memory>
#include <vector>

class QPainter;

// A Windows device context played onto a QPainter: the players of WMF and
// EMF records call these operations in logical coordinates. Page units are
// the metafile's device units; pageToTarget places them in the caller's
// coordinates, so everything stays vector on any paint device.
class GdiContext
{
public:
    GdiContext(QPainter &painter, const QTransform &pageToTarget, const QRectF &pageFrame);
    ~GdiContext();
    GdiContext(const GdiContext &) = delete;
    GdiContext &operator=(const GdiContext &) = delete;

    GdiState &state() { return m_state; }
    const GdiState &state() const { return m_state; }
    // Device pixels per millimetre of the reference device (fixed map modes).
    void setDeviceResolution(double pixelsPerMmX, double pixelsPerMmY);

    void saveDC();
    void restoreDC(int which);

    // Mapping
    void setMapMode(int mode) { m_state.mapMode = mode; }
    void setWindowOrg(QPointF org) { m_state.windowOrg = org; }
    void setWindowExt(QSizeF ext);
    void setViewportOrg(QPointF org) { m_state.viewportOrg = org; }
    void setViewportExt(QSizeF ext);
    void setWorldTransform(const QTransform &t) { m_state.world = t; }
    // mode 1 identity, 2 left multiply, 3 right multiply, 4 set
    void modifyWorldTransform(const QTransform &t, int mode);
    [[nodiscard]] QTransform logicalToPage() const;

    // Drawing, logical coordinates
    void moveTo(QPointF p);
    void lineTo(QPointF p);
    void polyline(const QPolygonF &points);
    void polylineTo(const QPolygonF &points);
    void polygon(const QPolygonF &points);
    void polyPolygon(const QVector<QPolygonF> &polygons);
    void polyPolyline(const QVector<QPolygonF> &polylines);
    void polyBezier(const QPolygonF &points);
    void polyBezierTo(const QPolygonF &points);
    void rectangle(const QRectF &box);
    void roundRect(const QRectF &box, QSizeF corner);
    void ellipse(const QRectF &box);
    enum class ArcKind { Arc, ArcTo, Chord, Pie };
    void arc(ArcKind kind, const QRectF &box, QPointF start, QPointF end);
    void setPixel(QPointF p, const QColor &color);
    // Fills a logical rectangle by a raster operation without source
    // (PATCOPY, BLACKNESS, WHITENESS, ...).
    void patBlt(const QRectF &box, quint32 rop);
    void fillPath(const QPainterPath &logicalPath, const GdiBrush &brush);
    void framePath(const QPainterPath &logicalPath, const GdiBrush &brush, QSizeF frame);
    void drawImage(const QRectF &dest, const QImage &image, const QRectF &source, quint32 rop);
    // Text at a logical reference point; dx are the advances in logical units.
    void textOut(
        QPointF reference, const QString &text, const QVector<qreal> &dx, int options, const QRectF &box);

    // Clipping
    void intersectClipRect(const QRectF &box);
    void excludeClipRect(const QRectF &box);
    // region in page units; nullptr resets the clip (with RGN_COPY)
    void combineClip(const QPainterPath *pageRegion, int mode);
    void selectClipPath(int mode);
    void offsetClip(QPointF logicalOffset);

    // Path brackets (EMF)
    void beginPath();
    void endPath() { m_pathOpen = false; }
    void abortPath();
    void closeFigure();
    void strokePath();
    void fillCurrentPath();
    void strokeAndFillPath();
    [[nodiscard]] bool pathOpen() const { return m_pathOpen; }
    // True once a raster operation mixed the picture with what lay below.
    [[nodiscard]] bool blendsWithBackground() const { return m_blendsWithBackground; }

private:
    void applyClip();
    QPen makePen() const;
    QPen limitDashes(const QPen &pen, const std::function<double()> &length, const QTransform &t) const;
    // Sets the painter up for a shape; false when nothing would be drawn.
    bool prepare(bool fill, bool stroke, const std::function<double()> &length);
    [[nodiscard]] bool reasonable(const QRectF &logicalBounds) const;
    // Shapes on the prepared painter; wide solid pens are outlined by our
    // own stroker rather than Qt's.
    void drawPrepared(const QPolygonF &points, bool closed);
    void drawPrepared(const QPainterPath &path);
    void fillThenOutline(const std::function<void()> &fill, const QPainterPath &outline);
    [[nodiscard]] bool penStretched() const;
    void drawWithEvenPen(const QPainterPath &logical, const std::function<void()> &fill);
    QBrush makeBrush(const GdiBrush &brush) const;
    void draw(const QPainterPath &path, bool fill, bool stroke);
    void addToPath(const QPainterPath &logicalPath, bool connect);
    // Starts the open path at a point, or joins it to that point.
    void continuePathFrom(QPointF pagePoint);
    QPainterPath arcPath(ArcKind kind, const QRectF &box, QPointF start, QPointF end) const;
    struct TextFont;
    TextFont &textFont();
    // The steps of textOut.
    struct TextRun;
    void paintTextBox(const QTransform &t, int options, const QRectF &box);
    [[nodiscard]] double textEmSize(const TextFont &font) const;
    [[nodiscard]] QTransform textPlacement(QPointF anchor, double scale, const QTransform &t) const;
    [[nodiscard]] TextRun layOutText(
        const QString &text, const QVector<qreal> &dx, int options, double scale, const TextFont &font) const;
    void alignText(TextRun &run, const TextFont &font) const;
    void fillGlyphs(const QString &text, const TextRun &run, TextFont &font);
    void moveCurrentPosPast(const QTransform &local, double width);
    QTransform fullTransform() const;

    QPainter &m_painter;
    QTransform m_pageToTarget;
    QTransform m_caller;
    QRectF m_pageFrame;
    double m_pxPerMmX = kScreenPpi / 25.4;
    double m_pxPerMmY = kScreenPpi / 25.4;
    double m_cosmeticWidth = 1;
    GdiState m_state;
    std::vector<GdiState> m_saved;
    bool m_pathOpen = false;
    bool m_blendsWithBackground = false;
    QPainterPath m_path; // page units
    struct TextFontCache;
    std::unique_ptr<TextFontCache> m_fontCache;
};
