#pragma once

#include <QPainterPath>
#include <QPolygonF>

// The outline of a wide solid pen along straight segments, to be filled
// with the winding rule. Qt's general stroker measures every join with two
// arc tangents; metafile clip art holds thousands of joins per picture, so
// polygons and polylines are outlined here with plain vector arithmetic.
// Joins follow the metafile's rules: a miter longer than the limit (miter
// length over pen width) becomes a bevel.
struct PolylineStroke
{
    double width = 1;
    Qt::PenJoinStyle join = Qt::BevelJoin;
    double miterLimit = 10;
    Qt::PenCapStyle cap = Qt::FlatCap;
    // Largest distance a round join or cap may stray from the true arc,
    // in the same units as the points.
    double tolerance = 0.1;
};

// Returns an empty path when the points have fewer than two distinct
// positions; a dot is left to the caller.
QPainterPath strokePolyline(const QPolygonF &points, bool closed, const PolylineStroke &stroke);
