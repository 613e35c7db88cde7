#include "objects/vgraphiccontrol.h"

#include "stream/propertyio.h"
#include "stream/reader.h"

#include <algorithm>
#include <cfenv>
#include <climits>
#include <cmath>

namespace {

// Records may come from anywhere; a coordinate beyond this is no place on
// any page, and keeping to it leaves room for sums and rescaling.
constexpr int kMaxCoordinate = 1 << 24;

int readCoordinate(TReader &reader)
{
    return std::clamp(reader.readInteger(), -kMaxCoordinate, kMaxCoordinate);
}

} // namespace

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
    if (locked == m_locked)
        return;
    m_locked = locked;
    if (!isStreaming())
        notifyModified();
}

void TVGraphicControl::setUnselectable(bool unselectable)
{
    if (unselectable == m_unselectable)
        return;
    m_unselectable = unselectable;
    if (isStreaming())
        return;
    notifyModified();
    if (unselectable)
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

void TVGraphicControl::writeProperties(TWriter &writer) const
{
    TComponent::writeProperties(writer);
    PropertyIO::writeInteger(writer, "Left", m_left);
    PropertyIO::writeInteger(writer, "Top", m_top);
    PropertyIO::writeInteger(writer, "Width", m_width);
    PropertyIO::writeInteger(writer, "Height", m_height);
    PropertyIO::writeInteger(writer, "Cursor", m_cursor, 0);
    PropertyIO::writeString(writer, "Hint", m_hint);
    PropertyIO::writeBoolean(writer, "Locked", m_locked);
    PropertyIO::writeBoolean(writer, "Unselectable", m_unselectable);
}

TPropertyRead TVGraphicControl::readProperty(const QString &path, TReader &reader)
{
    using PropertyIO::is;
    if (is(path, "Left"))
        setLeft(readCoordinate(reader));
    else if (is(path, "Top"))
        setTop(readCoordinate(reader));
    else if (is(path, "Width"))
        setWidth(readCoordinate(reader));
    else if (is(path, "Height"))
        setHeight(readCoordinate(reader));
    else if (is(path, "Cursor"))
        m_cursor = reader.readInteger();
    else if (is(path, "Hint"))
        m_hint = reader.readString();
    else if (is(path, "Locked"))
        setLocked(reader.readBoolean());
    else if (is(path, "Unselectable"))
        setUnselectable(reader.readBoolean());
    else
        return TComponent::readProperty(path, reader);
    return TPropertyRead::Done;
}
