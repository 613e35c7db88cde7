#include "objects/vgraphiccontrol.h"

#include "stream/propertyio.h"
#include "stream/reader.h"

#include <cfenv>
#include <cmath>

int roundHalfEven(long double value)
{
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it.
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long double rounded = std::nearbyint(value);
    std::fesetround(saved);
    return int(rounded);
}

TVGraphicControl::TVGraphicControl(TComponent *owner)
    : TComponent(owner)
{
}

TVGraphicControl::~TVGraphicControl() = default;

TRect TVGraphicControl::boundsRect() const
{
    return { m_left, m_top, m_left + m_width, m_top + m_height };
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
        setLeft(reader.readInteger());
    else if (is(path, "Top"))
        setTop(reader.readInteger());
    else if (is(path, "Width"))
        setWidth(reader.readInteger());
    else if (is(path, "Height"))
        setHeight(reader.readInteger());
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
