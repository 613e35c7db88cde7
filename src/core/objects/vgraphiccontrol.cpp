#include "objects/vgraphiccontrol.h"

#include "objects/objectcodecs.h"
#include "report/papertarget.h"

#include "stream/recordtable.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cfenv>
#include <climits>
#include <cmath>

int roundHalfEven(long double value)
{
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it.
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long double rounded = std::nearbyint(value);
    std::fesetround(saved);
    return int(std::clamp<long double>(rounded, INT_MIN, INT_MAX));
}

TVGraphicControl::TVGraphicControl(TComponent *owner)
    : TComponent(owner)
{
}

TVGraphicControl::~TVGraphicControl() = default;

TRect TVGraphicControl::boundsRect() const
{
    const auto edge = [](int start, int extent) {
        return int(std::clamp<qint64>(qint64(start) + extent, INT_MIN, INT_MAX));
    };
    return { m_left, m_top, edge(m_left, m_width), edge(m_top, m_height) };
}

void TVGraphicControl::storeBounds(int left, int top, int width, int height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
}

void TVGraphicControl::setBounds(int left, int top, int width, int height)
{
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    storeBounds(left, top, width, height);
    if (!isStreaming())
        boundsChanged();
}

void TVGraphicControl::boundsChanged()
{
    if (m_inBoundsCheck)
        return;
    m_inBoundsCheck = true;
    const TRect current = boundsRect();
    if (m_lastKnown.isNull()) {
        // The first bounds an object gets are its starting point, not a change.
        m_lastKnown = current;
    } else if (current != m_lastKnown) {
        notifyModified();
        m_lastKnown = current;
        emit frameRefitRequested();
    }
    m_inBoundsCheck = false;
}

void TVGraphicControl::loaded()
{
    TComponent::loaded();
    m_lastKnown = boundsRect();
}

void TVGraphicControl::applyScale(float x)
{
    if (x == m_scale)
        return;
    // The ratio is kept in single precision; the products are exact in long
    // double, so only the final rounding decides.
    const float r = x / m_scale;
    storeBounds(roundHalfEven((long double)m_left * r), roundHalfEven((long double)m_top * r),
        roundHalfEven((long double)m_width * r), roundHalfEven((long double)m_height * r));
    m_scale = x;
    boundsChanged();
}

void TVGraphicControl::setLocked(bool locked)
{
    assign(m_locked, locked, Modified);
}

void TVGraphicControl::setUnselectable(bool unselectable)
{
    if (assign(m_unselectable, unselectable, Modified) && unselectable && !isStreaming())
        emit unselectableSet();
}

void TVGraphicControl::centerVertically(int surfaceHeight)
{
    setTop(surfaceHeight / 2 - m_height / 2);
    notifyModified();
    invalidate();
}

void TVGraphicControl::centerHorizontally(int surfaceWidth)
{
    setLeft(surfaceWidth / 2 - m_width / 2);
    notifyModified();
    invalidate();
}

void TVGraphicControl::applyFont(const CalendarFont &)
{
}

void TVGraphicControl::notifyModified()
{
    if (isStreaming())
        return;
    emit modified();
}

void TVGraphicControl::changed(Effects effects)
{
    if (effects & Relayout)
        invalidateLayout();
    if (effects & Repaint)
        invalidate();
    if (effects & Modified)
        notifyModified();
}

const RecordTable &TVGraphicControl::records() const
{
    using C = TVGraphicControl;
    using namespace Records;
    static const RecordTable table(TComponent::records(),
        {
            record("Left", &C::left, &C::setLeft, coordinate),
            record("Top", &C::top, &C::setTop, coordinate),
            record("Width", &C::width, &C::setWidth, coordinate),
            record("Height", &C::height, &C::setHeight, coordinate),
            record("Cursor", &C::cursor, &C::setCursor, integer, unlessDefault(0)),
            record("Hint", &C::hint, &C::setHint, text),
            record("Locked", &C::locked, &C::setLocked, boolean),
            record("Unselectable", &C::unselectable, &C::setUnselectable, boolean),
        });
    return table;
}

QRect TVGraphicControl::displayRect(float scale) const
{
    // The edges are scaled rather than the sizes, so objects that touch at
    // scale 1 touch at every zoom; truncated like the page's own rectangles,
    // so an object lined up with a grid line stays on it.
    const double factor = double(scale) / double(m_scale);
    const auto at = [factor](int edge) {
        return int(std::clamp(std::trunc(edge * factor), double(INT_MIN / 2), double(INT_MAX / 2)));
    };
    const TRect bounds = boundsRect();
    return QRect(
        QPoint(at(bounds.left), at(bounds.top)), QPoint(at(bounds.right) - 1, at(bounds.bottom) - 1));
}

void TVGraphicControl::paint(QPainter &, float) const
{
}

bool TVGraphicControl::isPaper(const QPainter &painter)
{
    return PaperTarget::isPaper(painter);
}

void TVGraphicControl::paintFrame(QPainter &painter, const QRect &rect)
{
    const int w = rect.width();
    const int h = rect.height();
    const QPoint o = rect.topLeft();
    painter.fillRect(QRect(o, QSize(w, 1)), Qt::black);
    painter.fillRect(QRect(o + QPoint(0, h - 1), QSize(w, 1)), Qt::black);
    painter.fillRect(QRect(o, QSize(1, h)), Qt::black);
    painter.fillRect(QRect(o + QPoint(w - 1, 0), QSize(1, h)), Qt::black);
}
