// Lines, curves and shapes, drawn straight or added to the open path.
#include "metafile/gdicontext.h"

#include <QPainter>

#include <cmath>

namespace {

double polygonLength(const QPolygonF &points, bool closed)
{
    double length = 0;
    for (int i = 1; i < points.size(); ++i)
        length += QLineF(points[i - 1], points[i]).length();
    if (closed && points.size() > 1)
        length += QLineF(points.last(), points.first()).length();
    return length;
}

} // namespace

void GdiContext::moveTo(QPointF p)
{
    m_state.currentPos = p;
    if (m_pathOpen)
        m_path.moveTo(logicalToPage().map(p));
}

void GdiContext::lineTo(QPointF p)
{
    if (m_pathOpen) {
        // Straight onto the open path: figures are built of thousands of these.
        const QTransform t = logicalToPage();
        continuePathFrom(t.map(m_state.currentPos));
        m_path.lineTo(t.map(p));
    } else {
        QPainterPath path(m_state.currentPos);
        path.lineTo(p);
        draw(path, false, true);
    }
    m_state.currentPos = p;
}

void GdiContext::polyline(const QPolygonF &points)
{
    if (points.size() < 2)
        return;
    if (m_pathOpen) {
        QPainterPath path;
        path.addPolygon(points);
        addToPath(path, false);
        return;
    }
    // Straight to QPainter's polygon calls: no path to build per record.
    if (prepare(false, true, [&points] { return polygonLength(points, false); })
        && reasonable(points.boundingRect()))
        drawPrepared(points, false);
}

void GdiContext::polylineTo(const QPolygonF &points)
{
    if (points.isEmpty())
        return;
    QPainterPath path(m_state.currentPos);
    for (const QPointF &p : points)
        path.lineTo(p);
    if (m_pathOpen)
        addToPath(path, true);
    else
        draw(path, false, true);
    m_state.currentPos = points.last();
}

void GdiContext::polygon(const QPolygonF &points)
{
    if (points.size() < 2)
        return;
    if (m_pathOpen) {
        QPainterPath path;
        path.addPolygon(points);
        path.closeSubpath();
        addToPath(path, false);
        return;
    }
    if (prepare(true, true, [&points] { return polygonLength(points, true); })
        && reasonable(points.boundingRect()))
        drawPrepared(points, true);
}

void GdiContext::polyPolygon(const QVector<QPolygonF> &polygons)
{
    QPainterPath path;
    for (const QPolygonF &polygon : polygons) {
        if (polygon.size() < 2)
            continue;
        path.addPolygon(polygon);
        path.closeSubpath();
    }
    draw(path, true, true);
}

void GdiContext::polyPolyline(const QVector<QPolygonF> &polylines)
{
    QPainterPath path;
    for (const QPolygonF &line : polylines)
        if (line.size() >= 2)
            path.addPolygon(line);
    draw(path, false, true);
}

void GdiContext::polyBezier(const QPolygonF &points)
{
    if (points.size() < 4)
        return;
    QPainterPath path(points[0]);
    for (int i = 1; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    draw(path, false, true);
}

void GdiContext::polyBezierTo(const QPolygonF &points)
{
    if (points.size() < 3)
        return;
    if (m_pathOpen) {
        const QTransform t = logicalToPage();
        continuePathFrom(t.map(m_state.currentPos));
        for (int i = 0; i + 2 < points.size(); i += 3)
            m_path.cubicTo(t.map(points[i]), t.map(points[i + 1]), t.map(points[i + 2]));
        m_state.currentPos = points[(points.size() / 3) * 3 - 1];
        return;
    }
    QPainterPath path(m_state.currentPos);
    for (int i = 0; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    draw(path, false, true);
    m_state.currentPos = path.currentPosition();
}

void GdiContext::rectangle(const QRectF &box)
{
    QPainterPath path;
    path.addRect(box.normalized());
    draw(path, true, true);
}

void GdiContext::roundRect(const QRectF &box, QSizeF corner)
{
    QPainterPath path;
    path.addRoundedRect(box.normalized(), std::abs(corner.width()) / 2, std::abs(corner.height()) / 2);
    draw(path, true, true);
}

void GdiContext::ellipse(const QRectF &box)
{
    QPainterPath path;
    path.addEllipse(box.normalized());
    draw(path, true, true);
}

QPainterPath GdiContext::arcPath(ArcKind kind, const QRectF &rawBox, QPointF start, QPointF end) const
{
    const QRectF box = rawBox.normalized();
    const QPointF c = box.center();
    const double rx = box.width() / 2;
    const double ry = box.height() / 2;
    if (rx <= 0 || ry <= 0)
        return {};
    auto angle
        = [&](QPointF p) { return std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx) * 180 / M_PI; };
    const double a1 = angle(start);
    const double a2 = angle(end);
    double sweep;
    if (m_state.clockwiseArcs) {
        sweep = -std::fmod(a1 - a2 + 720, 360);
        if (sweep == 0)
            sweep = -360;
    } else {
        sweep = std::fmod(a2 - a1 + 720, 360);
        if (sweep == 0)
            sweep = 360;
    }
    QPainterPath path;
    if (kind == ArcKind::Pie) {
        path.moveTo(c);
        path.arcTo(box, a1, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, a1);
        if (kind == ArcKind::ArcTo) {
            QPainterPath joined(m_state.currentPos);
            joined.lineTo(path.currentPosition());
            joined.arcTo(box, a1, sweep);
            return joined;
        }
        path.arcTo(box, a1, sweep);
        if (kind == ArcKind::Chord)
            path.closeSubpath();
    }
    return path;
}

void GdiContext::arc(ArcKind kind, const QRectF &box, QPointF start, QPointF end)
{
    const QPainterPath path = arcPath(kind, box, start, end);
    if (path.isEmpty())
        return;
    const bool closed = kind == ArcKind::Chord || kind == ArcKind::Pie;
    if (m_pathOpen)
        addToPath(path, kind == ArcKind::ArcTo);
    else
        draw(path, closed, true);
    if (kind == ArcKind::ArcTo)
        m_state.currentPos = path.currentPosition();
}
