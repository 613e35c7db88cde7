#include "metafile/gdicontext.h"

#include <QPainter>

#include <cmath>

namespace {

// Clip regions are combined with boolean path operations; past this many
// elements further combinations are dropped rather than slowing to a crawl.
constexpr int kMaxClipElements = 20000;

// Qt's path clipper crashes on coordinates that are not numbers, and loses
// all precision long before the limits of a double; a region that far out
// comes only from a broken mapping.
bool usableRegion(const QPainterPath &region)
{
    constexpr double kMaxCoordinate = 1e12;
    for (int i = 0; i < region.elementCount(); ++i) {
        const QPainterPath::Element e = region.elementAt(i);
        if (!(std::abs(e.x) <= kMaxCoordinate && std::abs(e.y) <= kMaxCoordinate))
            return false;
    }
    return true;
}

} // namespace

void GdiContext::applyClip()
{
    m_painter.restore();
    m_painter.save();
    if (m_state.hasClip) {
        m_painter.setTransform(m_pageToTarget * m_caller);
        m_painter.setClipPath(m_state.clip, Qt::IntersectClip);
    }
}

void GdiContext::intersectClipRect(const QRectF &box)
{
    QPainterPath rect;
    rect.addRect(box.normalized());
    const QPainterPath page = logicalToPage().map(rect);
    combineClip(&page, Gdi::RgnAnd);
}

void GdiContext::excludeClipRect(const QRectF &box)
{
    QPainterPath rect;
    rect.addRect(box.normalized());
    const QPainterPath page = logicalToPage().map(rect);
    combineClip(&page, Gdi::RgnDiff);
}

void GdiContext::combineClip(const QPainterPath *region, int mode)
{
    if (!region) {
        if (mode == Gdi::RgnCopy && m_state.hasClip) {
            m_state.hasClip = false;
            m_state.clip = QPainterPath();
            applyClip();
        }
        return;
    }
    if (!usableRegion(*region))
        return;
    // With no clip the whole device is visible: a rectangle far around the page.
    QPainterPath everything;
    const QRectF f = m_pageFrame;
    everything.addRect(f.adjusted(
        -10 * f.width() - 1e4, -10 * f.height() - 1e4, 10 * f.width() + 1e4, 10 * f.height() + 1e4));
    const QPainterPath current = m_state.hasClip ? m_state.clip : everything;
    QPainterPath result;
    switch (mode) {
    case Gdi::RgnAnd:
        result = m_state.hasClip ? current.intersected(*region) : *region;
        break;
    case Gdi::RgnOr:
        result = current.united(*region);
        break;
    case Gdi::RgnXor:
        result = current.united(*region).subtracted(current.intersected(*region));
        break;
    case Gdi::RgnDiff:
        result = current.subtracted(*region);
        break;
    case Gdi::RgnCopy:
        result = *region;
        break;
    default:
        return;
    }
    if (result.elementCount() > kMaxClipElements)
        return;
    m_state.hasClip = true;
    m_state.clip = result;
    applyClip();
}

void GdiContext::selectClipPath(int mode)
{
    QPainterPath region = m_path;
    region.setFillRule(m_state.fillRule);
    region.closeSubpath();
    m_path = QPainterPath();
    m_pathOpen = false;
    combineClip(&region, mode);
}

void GdiContext::offsetClip(QPointF logicalOffset)
{
    if (!m_state.hasClip)
        return;
    const QTransform t = logicalToPage();
    const QPointF d = t.map(logicalOffset) - t.map(QPointF());
    const QPainterPath moved = m_state.clip.translated(d);
    if (!usableRegion(moved))
        return;
    m_state.clip = moved;
    applyClip();
}
