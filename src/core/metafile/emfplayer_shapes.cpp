// Lines, curves and polygons of enhanced metafiles.
#include "metafile/emfplayer_p.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace EmfPlayer {

namespace {

QPolygonF readPoints(ByteReader &r, qint64 count, bool small)
{
    QPolygonF points;
    const int bytes = small ? 4 : 8;
    if (count < 0 || !r.has(count * bytes))
        return points;
    points.reserve(int(count));
    for (qint64 i = 0; i < count; ++i) {
        if (small) {
            const int x = r.i16();
            const int y = r.i16();
            points.append(QPointF(x, y));
        } else {
            points.append(readPointL(r));
        }
    }
    return points;
}

} // namespace

void Player::polyShape(quint32 type, ByteReader &r, bool small)
{
    r.skip(16); // bounds
    const quint32 count = r.u32();
    const QPolygonF points = readPoints(r, count, small);
    if (!r.ok() || points.size() != qsizetype(count))
        return;
    switch (type) {
    case PolyBezier:
    case PolyBezier16:
        m_gdi.polyBezier(points);
        break;
    case Polygon:
    case Polygon16:
        m_gdi.polygon(points);
        break;
    case Polyline:
    case Polyline16:
        m_gdi.polyline(points);
        break;
    case PolyBezierTo:
    case PolyBezierTo16:
        m_gdi.polyBezierTo(points);
        break;
    case PolylineTo:
    case PolylineTo16:
        m_gdi.polylineTo(points);
        break;
    default:
        break;
    }
}

void Player::polyPoly(quint32 type, ByteReader &r, bool small)
{
    r.skip(16);
    const quint32 polys = r.u32();
    const quint32 total = r.u32();
    if (!r.ok() || !r.has(qint64(polys) * 4))
        return;
    std::vector<quint32> counts(polys);
    qint64 sum = 0;
    for (quint32 &c : counts) {
        c = r.u32();
        sum += c;
    }
    if (sum != total)
        return;
    QVector<QPolygonF> shapes;
    for (quint32 c : counts) {
        QPolygonF points = readPoints(r, c, small);
        if (points.size() != qsizetype(c))
            return;
        shapes.append(points);
    }
    if (type == PolyPolygon || type == PolyPolygon16)
        m_gdi.polyPolygon(shapes);
    else
        m_gdi.polyPolyline(shapes);
}

void Player::polyDraw(ByteReader &r, bool small)
{
    r.skip(16);
    const quint32 count = r.u32();
    const QPolygonF points = readPoints(r, count, small);
    if (points.size() != qsizetype(count) || !r.has(count))
        return;
    for (quint32 i = 0; i < count; ++i) {
        const quint8 kind = r.u8();
        switch (kind & 6) {
        case 6:
            m_gdi.moveTo(points[int(i)]);
            break;
        case 2:
            m_gdi.lineTo(points[int(i)]);
            break;
        case 4:
            if (i + 2 < count) {
                m_gdi.polyBezierTo(QPolygonF({ points[int(i)], points[int(i) + 1], points[int(i) + 2] }));
                i += 2;
                r.skip(2);
            }
            break;
        default:
            break;
        }
        if ((kind & 1) && m_gdi.pathOpen())
            m_gdi.closeFigure();
    }
}

void Player::angleArc(ByteReader &r)
{
    const QPointF c = readPointL(r);
    const double radius = r.u32();
    const double start = r.f32();
    const double sweep = r.f32();
    if (!r.ok() || !std::isfinite(start) || !std::isfinite(sweep))
        return;
    QPainterPath path(m_gdi.state().currentPos);
    const QRectF box(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(box, start);
    path.lineTo(arc.currentPosition());
    path.arcTo(box, start, std::clamp(sweep, -3600.0, 3600.0));
    QPolygonF line = path.toSubpathPolygons().value(0);
    if (!line.isEmpty()) {
        line.removeFirst();
        m_gdi.polylineTo(line);
    }
}

} // namespace EmfPlayer
