// Pens and brushes: the device context's GDI objects as Qt pens and brushes.
#include "graphics/gdicontext.h"

#include <QBrush>
#include <QPen>

#include <cmath>

QPen GdiContext::makePen() const
{
    const GdiPen &g = m_state.pen;
    const int style = g.style & Gdi::PsStyleMask;
    if (style == Gdi::PsNull || m_state.rop2 == Gdi::R2Nop)
        return Qt::NoPen;
    QPen pen(g.color);
    const double scale = std::sqrt(std::abs(fullTransform().determinant()));
    // Qt refuses widths past the range of int; no drawing needs them.
    const double width = std::min(g.width, 1e8);
    if (width <= 0) {
        pen.setCosmetic(true);
        pen.setWidthF(m_cosmeticWidth);
    } else if (width * scale <= 1) {
        // Hairlines go to Qt's fast line drawer, not its general stroker.
        pen.setCosmetic(true);
        pen.setWidthF(width * scale);
    } else {
        pen.setWidthF(width);
    }
    switch (style) {
    case Gdi::PsDash:
        pen.setStyle(Qt::DashLine);
        break;
    case Gdi::PsDot:
    case Gdi::PsAlternate:
        pen.setStyle(Qt::DotLine);
        break;
    case Gdi::PsDashDot:
        pen.setStyle(Qt::DashDotLine);
        break;
    case Gdi::PsDashDotDot:
        pen.setStyle(Qt::DashDotDotLine);
        break;
    case Gdi::PsUserStyle:
        if (!g.dashes.isEmpty() && g.dashes.size() % 2 == 0) {
            QVector<qreal> pattern;
            const double unit = width > 0 ? width : 1;
            for (qreal d : g.dashes)
                pattern.append(std::max<qreal>(d / unit, 0.01));
            pen.setDashPattern(pattern);
        }
        break;
    default:
        break;
    }
    switch (g.style & Gdi::PsEndcapMask) {
    case Gdi::PsEndcapSquare:
        pen.setCapStyle(Qt::SquareCap);
        break;
    case Gdi::PsEndcapFlat:
        pen.setCapStyle(Qt::FlatCap);
        break;
    default:
        pen.setCapStyle(Qt::RoundCap);
        break;
    }
    // Round joins cost Qt's stroker dearly on the long flattened curves
    // metafiles hold; on a line under three pixels wide they look the same
    // as bevelled ones.
    const bool thin = pen.isCosmetic() || width * scale < 3;
    switch (g.style & Gdi::PsJoinMask) {
    case Gdi::PsJoinBevel:
        pen.setJoinStyle(Qt::BevelJoin);
        break;
    case Gdi::PsJoinMiter:
        pen.setJoinStyle(Qt::MiterJoin);
        pen.setMiterLimit(std::clamp(m_state.miterLimit, 1.0, 100.0));
        break;
    default:
        pen.setJoinStyle(thin ? Qt::BevelJoin : Qt::RoundJoin);
        break;
    }
    return pen;
}

QBrush GdiContext::makeBrush(const GdiBrush &g) const
{
    switch (g.style) {
    case Gdi::BsNull:
        return Qt::NoBrush;
    case Gdi::BsHatched: {
        static const Qt::BrushStyle hatches[] = { Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
            Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern };
        return QBrush(g.color, g.hatch >= 0 && g.hatch < 6 ? hatches[g.hatch] : Qt::SolidPattern);
    }
    case Gdi::BsPattern:
    case Gdi::BsDibPattern:
    case Gdi::BsDibPatternPt: {
        if (g.pattern.isNull())
            return QBrush(g.color);
        QBrush brush(g.pattern);
        bool invertible = false;
        const QTransform inverse = logicalToPage().inverted(&invertible);
        if (invertible)
            brush.setTransform(inverse);
        return brush;
    }
    default:
        return QBrush(g.color);
    }
}

// A dashed line thousands of dashes long takes Qt seconds to stroke; past
// that many it is drawn solid, which looks the same at that density.
QPen GdiContext::limitDashes(
    const QPen &pen, const std::function<double()> &length, const QTransform &t) const
{
    if (pen.style() == Qt::SolidLine || pen.style() == Qt::NoPen)
        return pen;
    constexpr double kMaxDashes = 4000;
    double period = 0;
    for (qreal d : pen.dashPattern())
        period += d;
    const double scale = std::sqrt(std::abs(t.determinant()));
    const double width = pen.isCosmetic() ? std::max<double>(pen.widthF(), 1) / std::max(scale, 1e-12)
                                          : std::max<double>(pen.widthF(), 1e-12);
    const double dashes = length() / std::max(period * width, 1e-12);
    if (!(dashes <= kMaxDashes)) {
        QPen solid = pen;
        solid.setStyle(Qt::SolidLine);
        return solid;
    }
    return pen;
}
