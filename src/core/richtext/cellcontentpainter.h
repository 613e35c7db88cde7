#pragma once

class QPainter;
class QRect;
class TWPRtfStorage;

// Paints a cell's formatted text, laid out to the target's width, from the
// target's top-left, at a zoom percentage. The page calls it for every cell
// whose contents it shows.
class CellContentPainter
{
public:
    virtual ~CellContentPainter() = default;
    virtual void paint(
        QPainter &painter, const TWPRtfStorage &storage, const QRect &target, int zoomPercent) const = 0;
};
