#pragma once

class QPainter;
class QRect;
class TWPRtfStorage;

// Paints a cell's formatted text, laid out to the target's width, from the
// target's top-left, at a zoom percentage, down to the last whole line that
// fits. The page calls it for every cell whose contents it shows; it returns
// true when some of the text did not fit.
class CellContentPainter
{
public:
    virtual ~CellContentPainter() = default;
    virtual bool paint(
        QPainter &painter, const TWPRtfStorage &storage, const QRect &target, int zoomPercent) const = 0;
};
