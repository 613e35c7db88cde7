// Pens and brushes: the device context's GDI objects as Qt pens and brushes.
#include "metafile/gdicontext.h"

#include <QBrush>
#include <QPen>

#include <cmath>

namespace {

// Qt refuses widths past the range of int; no drawing needs them.
constexpr double kMaxPenWidth = 1e8;

void setWidth(QPen &pen, double width, double scale, double cosmeticWidth)
{
    if (width <= 0) {
        pen.setCosmetic(true);
        pen.setWidthF(cosmeticWidth);
    } else if (width * scale <= 1) {
        // Hairlines go to Qt's fast line drawer, not its general stroker.
        pen.setCosmetic(true);
        pen.setWidthF(width * scale);
    } else {
        pen.setWidthF(width);
    }
}

// User dashes are in logical units, Qt's in pen widths.
QVector<qreal> userDashes(const QVector<qreal> &dashes, double width)
{
    QVector<qreal> pattern;
    const double unit = width > 0 ? width : 1;
    for (qreal d : dashes)
        pattern.append(std::max<qreal>(d / unit, 0.01));
    return pattern;
}

void setDashes(QPen &pen, const GdiPen &g, double width)
{
    switch (g.style & Gdi::PsStyleMask) {
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
        if (!g.dashes.isEmpty() && g.dashes.size() % 2 == 0)
            pen.setDashPattern(userDashes(g.dashes, width));
        break;
    default:
        break;
    }
}

Qt::PenCapStyle capStyle(int style)
{
    switch (style & Gdi::PsEndcapMask) {
    case Gdi::PsEndcapSquare:
        return Qt::SquareCap;
    case Gdi::PsEndcapFlat:
        return Qt::FlatCap;
    default:
        return Qt::RoundCap;
    }
}

// Round joins cost Qt's stroker dearly on the long flattened curves
// metafiles hold; on a thin line they look the same as bevelled ones.
void setJoin(QPen &pen, int style, bool thin, double miterLimit)
{
    switch (style & Gdi::PsJoinMask) {
    case Gdi::PsJoinBevel:
        pen.setJoinStyle(Qt::BevelJoin);
        break;
    case Gdi::PsJoinMiter:
        pen.setJoinStyle(Qt::MiterJoin);
        pen.setMiterLimit(std::clamp(miterLimit, 1.0, 100.0));
        break;
    default:
        pen.setJoinStyle(thin ? Qt::BevelJoin : Qt::RoundJoin);
        break;
    }
}

} // namespace

QPen GdiContext::makePen() const
{
    const GdiPen &g = m_state.pen;
    const int style = g.style & Gdi::PsStyleMask;
    if (style == Gdi::PsNull || m_state.rop2 == Gdi::R2Nop)
        return Qt::NoPen;
    QPen pen(g.color);
    const double scale = std::sqrt(std::abs(fullTransform().determinant()));
    const double width = std::min(g.width, kMaxPenWidth);
    setWidth(pen, width, scale, m_cosmeticWidth);
    // A pen made by the plain pen call (every WMF pen, EMF's CREATEPEN) and
    // wider than one unit draws solid whatever style it names, as on the
    // platform that writes these files; only extended geometric pens dash
    // at any width.
    if (width <= 1 || (g.style & Gdi::PsGeometric))
        setDashes(pen, g, width);
    pen.setCapStyle(capStyle(g.style));
    const bool thin = pen.isCosmetic() || width * scale < 3; // device pixels
    setJoin(pen, g.style, thin, m_state.miterLimit);
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
