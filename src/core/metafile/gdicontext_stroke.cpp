#include "metafile/gdicontext.h"
#include "metafile/polylinestroker.h"

#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace {

// Whether our stroker should draw the pen: solid, with a width on the page,
// on pixels. PDF and printers take strokes as they are, without Qt's stroker.
bool outlineFor(QPainter &painter, PolylineStroke *stroke)
{
    const QPen pen = painter.pen();
    const QPaintEngine *engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || pen.style() != Qt::SolidLine || pen.isCosmetic()
        || !(pen.widthF() > 0))
        return false;
    stroke->width = pen.widthF();
    stroke->join = pen.joinStyle();
    stroke->miterLimit = pen.miterLimit();
    stroke->cap = pen.capStyle();
    // A tenth of a device pixel, as Qt flattens its own arcs.
    const double scale = std::sqrt(std::abs(painter.deviceTransform().determinant()));
    stroke->tolerance = 0.1 / std::max(scale, 1e-12);
    return true;
}

// Curves flattened to a quarter of a device pixel, as Qt's stroker does.
QList<QPolygonF> flattened(const QPainterPath &path, const QTransform &toDevice)
{
    bool curved = false;
    for (int i = 0; i < path.elementCount() && !curved; ++i)
        curved = path.elementAt(i).isCurveTo();
    if (!curved)
        return path.toSubpathPolygons();
    // Qt flattens to half a unit of the space it is given.
    const QTransform fine = toDevice * QTransform::fromScale(2, 2);
    bool invertible = false;
    const QTransform back = fine.inverted(&invertible);
    QList<QPolygonF> polygons = path.toSubpathPolygons(invertible ? fine : QTransform());
    if (invertible)
        for (QPolygonF &polygon : polygons)
            polygon = back.map(polygon);
    return polygons;
}

// A mapping that stretches one axis noticeably more than the other, or shears.
bool stretches(const QTransform &t)
{
    const double x = std::hypot(t.m11(), t.m12());
    const double y = std::hypot(t.m21(), t.m22());
    const double skew = t.m11() * t.m21() + t.m12() * t.m22();
    constexpr double kNoticeable = 0.01;
    return std::abs(x - y) > kNoticeable * std::max(x, y) || std::abs(skew) > kNoticeable * x * y;
}

} // namespace

// A picture drawn wider or taller than its own shape keeps lines of one
// width all round, as on the platform that writes these files, which hands
// its devices one pen width, rather than pens squashed into ellipses, thick
// on one side and thin on the other. Only an enhanced metafile's own world
// transform may stretch its pens.
bool GdiContext::penStretched() const
{
    const QPen pen = m_painter.pen();
    return pen.style() != Qt::NoPen && !pen.isCosmetic() && pen.widthF() > 0
        && stretches(m_painter.deviceTransform()) && !stretches(m_state.world);
}

// Fills under the stretched mapping, then strokes the outline on the device
// with the pen as wide as it is on average there.
void GdiContext::drawWithEvenPen(const QPainterPath &logical, const std::function<void()> &fill)
{
    const QTransform device = m_painter.deviceTransform();
    QPen even = m_painter.pen();
    even.setWidthF(even.widthF() * std::sqrt(std::abs(device.determinant())));
    m_painter.save();
    if (m_painter.brush().style() != Qt::NoBrush) {
        m_painter.setPen(Qt::NoPen);
        fill();
    }
    m_painter.resetTransform();
    m_painter.setPen(even);
    m_painter.setBrush(Qt::NoBrush);
    drawPrepared(device.map(logical));
    m_painter.restore();
}

void GdiContext::drawPrepared(const QPolygonF &points, bool closed)
{
    if (penStretched()) {
        QPainterPath line;
        line.addPolygon(points);
        if (closed)
            line.closeSubpath();
        drawWithEvenPen(line, [&] {
            if (closed)
                m_painter.drawPolygon(points, m_state.fillRule);
        });
        return;
    }
    PolylineStroke stroke;
    const QPainterPath outline
        = outlineFor(m_painter, &stroke) ? strokePolyline(points, closed, stroke) : QPainterPath();
    if (outline.isEmpty()) {
        if (closed)
            m_painter.drawPolygon(points, m_state.fillRule);
        else
            m_painter.drawPolyline(points);
        return;
    }
    fillThenOutline(
        [&] {
            if (closed)
                m_painter.drawPolygon(points, m_state.fillRule);
        },
        outline);
}

void GdiContext::drawPrepared(const QPainterPath &path)
{
    if (penStretched()) {
        drawWithEvenPen(path, [&] { m_painter.drawPath(path); });
        return;
    }
    PolylineStroke stroke;
    QPainterPath outline;
    if (outlineFor(m_painter, &stroke)) {
        outline.setFillRule(Qt::WindingFill);
        for (const QPolygonF &line : flattened(path, m_painter.deviceTransform())) {
            // A figure that ends where it began is closed, as in Qt's stroker.
            const bool closed = line.size() > 2 && line.first() == line.last();
            outline.addPath(strokePolyline(line, closed, stroke));
        }
    }
    if (outline.isEmpty()) {
        m_painter.drawPath(path);
        return;
    }
    fillThenOutline([&] { m_painter.drawPath(path); }, outline);
}

void GdiContext::fillThenOutline(const std::function<void()> &fill, const QPainterPath &outline)
{
    const QPen pen = m_painter.pen();
    const QBrush brush = m_painter.brush();
    m_painter.setPen(Qt::NoPen);
    if (brush.style() != Qt::NoBrush)
        fill();
    m_painter.setBrush(pen.brush());
    m_painter.drawPath(outline);
    m_painter.setBrush(brush);
    m_painter.setPen(pen);
}
