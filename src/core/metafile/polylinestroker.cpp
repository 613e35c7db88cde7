#include "metafile/polylinestroker.h"

#include <QVector>

#include <algorithm>
#include <cmath>

// Each side of the line is walked as the segments offset by half the pen
// width, with a join at every corner; the outer side of a corner gets the
// miter, bevel or arc, the inner side runs through the corner point itself,
// which the winding rule then covers. An open line is one contour (left
// side, end cap, right side backwards, start cap); a closed one is the left
// side and the reversed right side, so the inside stays empty.

namespace {

struct Segment
{
    QPointF from;
    QPointF to;
    QPointF direction; // unit length
    QPointF normal; // direction turned a quarter towards positive angles
    double length;
};

double cross(QPointF a, QPointF b)
{
    return a.x() * b.y() - a.y() * b.x();
}

double dot(QPointF a, QPointF b)
{
    return a.x() * b.x() + a.y() * b.y();
}

QVector<Segment> segmentsOf(const QPolygonF &points, bool closed)
{
    QVector<Segment> segments;
    segments.reserve(points.size());
    auto add = [&segments](QPointF from, QPointF to) {
        const QPointF delta = to - from;
        const double length = std::hypot(delta.x(), delta.y());
        // Coincident points carry no direction: they are dropped.
        if (!(length > 1e-9 * std::max({ 1.0, std::abs(from.x()), std::abs(from.y()) })))
            return;
        const QPointF direction = delta / length;
        segments.append({ from, to, direction, QPointF(-direction.y(), direction.x()), length });
    };
    int last = 0;
    for (int i = 1; i < points.size(); ++i) {
        const int before = segments.size();
        add(points[last], points[i]);
        if (segments.size() > before)
            last = i;
    }
    if (closed && !segments.isEmpty())
        add(points[last], points[0]);
    return segments;
}

// Arc points one outline may hold: a hostile picture with thousands of
// joins on a pen as wide as the page would otherwise take gigabytes.
constexpr int kArcPointBudget = 1 << 20;

// The points of an arc around centre from centre + radius, turning by
// angle, without its two ends; past the budget arcs become straight.
void appendArc(QPolygonF &out, QPointF centre, QPointF radius, double angle, double tolerance, int &budget)
{
    const double length = std::hypot(radius.x(), radius.y());
    const double ratio = tolerance / std::max(length, 1e-300);
    const double maxStep = ratio >= 1 ? M_PI / 2 : 2 * std::acos(1 - ratio);
    const int steps = std::clamp(
        int(std::ceil(std::abs(angle) / std::max(maxStep, 1e-3))), 1, std::clamp(budget, 1, 256));
    budget -= steps - 1;
    const double step = angle / steps;
    const double c = std::cos(step), s = std::sin(step);
    QPointF v = radius;
    for (int i = 1; i < steps; ++i) {
        v = QPointF(v.x() * c - v.y() * s, v.x() * s + v.y() * c);
        out.append(centre + v);
    }
}

class SideBuilder
{
public:
    SideBuilder(const PolylineStroke &stroke, double side, QPolygonF &out, int &arcBudget)
        : m_stroke(stroke)
        , m_half(stroke.width / 2)
        , m_side(side)
        , m_out(out)
        , m_arcBudget(arcBudget)
    {
    }

    QPointF offset(const Segment &s) const { return s.normal * (m_side * m_half); }

    void join(const Segment &in, const Segment &out)
    {
        const QPointF corner = in.to;
        const QPointF endOfIn = corner + offset(in);
        const QPointF startOfOut = corner + offset(out);
        const double turn = cross(in.direction, out.direction);
        const double along = dot(in.direction, out.direction);
        if (std::abs(turn) < 1e-12 && along > 0) {
            m_out.append(endOfIn);
            return;
        }
        if (m_side * turn > 0) {
            // Where both walls meet well inside the two segments, the
            // meeting point is the whole inner corner; otherwise the walls
            // run through the corner point.
            const double reach = m_half * std::sqrt(std::max(0.0, (1 - along) / (1 + along)));
            if (along > -0.9 && 2 * reach <= std::min(in.length, out.length))
                m_out.append(corner + (offset(in) + offset(out)) / (1 + along));
            else
                m_out << endOfIn << corner << startOfOut;
            return;
        }
        switch (m_stroke.join) {
        case Qt::RoundJoin: {
            // A reversal turns half a circle around the line's end.
            const double angle = std::abs(turn) < 1e-12
                ? -m_side * M_PI
                : std::atan2(cross(offset(in), offset(out)), dot(offset(in), offset(out)));
            m_out.append(endOfIn);
            appendArc(m_out, corner, offset(in), angle, m_stroke.tolerance, m_arcBudget);
            m_out.append(startOfOut);
            return;
        }
        case Qt::MiterJoin:
        case Qt::SvgMiterJoin: {
            // Miter length over pen width is 1 / cos(half the turn).
            const double halfCosine = std::sqrt(std::max(0.0, (1 + along) / 2));
            if (halfCosine > 1e-12 && 1 / halfCosine <= m_stroke.miterLimit) {
                const QPointF tip = corner + (offset(in) + offset(out)) / (1 + along);
                m_out << endOfIn << tip << startOfOut;
                return;
            }
            break;
        }
        default:
            break;
        }
        m_out << endOfIn << startOfOut;
    }

private:
    const PolylineStroke &m_stroke;
    double m_half;
    double m_side;
    QPolygonF &m_out;
    int &m_arcBudget;
};

void appendReversed(QPolygonF &to, const QPolygonF &from)
{
    for (auto it = from.crbegin(); it != from.crend(); ++it)
        to.append(*it);
}

// A cap around the end of the last segment, from its left side to its right.
void appendCap(QPolygonF &out, QPointF end, const Segment &last, const PolylineStroke &stroke, int &arcBudget)
{
    const QPointF left = last.normal * (stroke.width / 2);
    switch (stroke.cap) {
    case Qt::SquareCap: {
        const QPointF ahead = last.direction * (stroke.width / 2);
        out << end + left + ahead << end - left + ahead;
        break;
    }
    case Qt::RoundCap:
        appendArc(out, end, left, -M_PI, stroke.tolerance, arcBudget);
        break;
    default:
        break;
    }
}

Segment reversed(const Segment &s)
{
    return { s.to, s.from, -s.direction, -s.normal, s.length };
}

} // namespace

QPainterPath strokePolyline(const QPolygonF &points, bool closed, const PolylineStroke &stroke)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const QVector<Segment> segments = segmentsOf(points, closed);
    if (segments.isEmpty() || !(stroke.width > 0))
        return path;
    const int count = segments.size();
    QPolygonF left, right;
    left.reserve(3 * count + 2);
    right.reserve(3 * count + 2);
    int arcBudget = kArcPointBudget;
    SideBuilder leftSide(stroke, 1, left, arcBudget);
    SideBuilder rightSide(stroke, -1, right, arcBudget);
    if (closed && count > 1) {
        for (int i = 0; i < count; ++i) {
            const Segment &in = segments[(i + count - 1) % count];
            leftSide.join(in, segments[i]);
            rightSide.join(in, segments[i]);
        }
        path.addPolygon(left);
        path.closeSubpath();
        QPolygonF inner;
        inner.reserve(right.size());
        appendReversed(inner, right);
        path.addPolygon(inner);
        path.closeSubpath();
        return path;
    }
    left.append(segments.first().from + leftSide.offset(segments.first()));
    right.append(segments.first().from + rightSide.offset(segments.first()));
    for (int i = 1; i < count; ++i) {
        leftSide.join(segments[i - 1], segments[i]);
        rightSide.join(segments[i - 1], segments[i]);
    }
    left.append(segments.last().to + leftSide.offset(segments.last()));
    right.append(segments.last().to + rightSide.offset(segments.last()));

    QPolygonF outline = left;
    outline.reserve(left.size() + right.size() + 2 * 256);
    appendCap(outline, segments.last().to, segments.last(), stroke, arcBudget);
    appendReversed(outline, right);
    // The start cap is the end cap of the line walked backwards.
    appendCap(outline, segments.first().from, reversed(segments.first()), stroke, arcBudget);
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}
