#include "objects/vbaselabel.h"

#include "stream/fontproperty.h"
#include "stream/propertyio.h"
#include "stream/reader.h"
#include "stream/writer.h"

#include <climits>

namespace {

// Depths come from records as any integer; -INT_MIN has no int.
int negated(int value)
{
    return value == INT_MIN ? INT_MAX : -value;
}

} // namespace

QPoint shadowOffsetOf(TShadowDirection direction, int d)
{
    switch (direction) {
    case sdNone:
        break;
    case sdRight:
        return { d, 0 };
    case sdLeft:
        return { negated(d), 0 };
    case sdDownRight:
        return { d, d };
    case sdDownLeft:
        return { negated(d), d };
    case sdDown:
        return { 0, d };
    }
    return { 0, 0 };
}

QPoint highlightOffsetOf(THighlightDirection direction, int h)
{
    switch (direction) {
    case hdNone:
        break;
    case hdright:
        return { h, 0 };
    case hdLeft:
        return { negated(h), 0 };
    case hdUpRight:
        return { h, negated(h) };
    case hdUpLeft:
        return { negated(h), negated(h) };
    case hdUp:
        return { 0, negated(h) };
    }
    return { 0, 0 };
}

TVBaseLabel::TVBaseLabel(TComponent *owner)
    : TVGraphicControl(owner)
{
    m_font.name = QStringLiteral("Arial");
    m_font.size = 10;
    m_font.color = clBlack;
    storeBounds(0, 0, 142, 33);
}

void TVBaseLabel::updateOffsets()
{
    m_shadowOffset = shadowOffsetOf(m_directionShadow, m_depthShadow);
    m_highlightOffset = highlightOffsetOf(m_directionHighlight, m_depthHighlight);
    m_layoutNeeded = true;
    invalidate();
}

void TVBaseLabel::setAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    m_layoutNeeded = true;
    invalidate();
    notifyModified();
}

void TVBaseLabel::setDepthHighlight(int depth)
{
    if (depth == m_depthHighlight)
        return;
    m_depthHighlight = depth;
    updateOffsets();
}

void TVBaseLabel::setDepthShadow(int depth)
{
    if (depth == m_depthShadow)
        return;
    m_depthShadow = depth;
    updateOffsets();
}

void TVBaseLabel::setDirectionHighlight(THighlightDirection direction)
{
    if (direction == m_directionHighlight)
        return;
    m_directionHighlight = direction;
    updateOffsets();
}

void TVBaseLabel::setDirectionShadow(TShadowDirection direction)
{
    if (direction == m_directionShadow)
        return;
    m_directionShadow = direction;
    updateOffsets();
}

void TVBaseLabel::setColorHighlight(TColor color)
{
    if (color == m_colorHighlight)
        return;
    m_colorHighlight = color;
    invalidate();
}

void TVBaseLabel::setColorShadow(TColor color)
{
    if (color == m_colorShadow)
        return;
    m_colorShadow = color;
    invalidate();
}

void TVBaseLabel::setAngle(int angle)
{
    if (angle != 0 && angle != 90 && angle != 180 && angle != 270)
        return;
    if (angle == m_angle)
        return;
    m_angle = angle;
    m_layoutNeeded = true;
    if (angle != 0)
        m_alignment = taLeftJustify;
    // A label turned by the user stands upright; exchange the sides when
    // they disagree. A record read back keeps the size it was saved with.
    const bool upright = angle == 90 || angle == 270;
    if (!isStreaming() && ((!upright && width() < height()) || (upright && height() < width())))
        setBounds(left(), top(), height(), width());
    invalidate();
}

void TVBaseLabel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    m_layoutNeeded = true;
    notifyModified();
    invalidate();
}

void TVBaseLabel::setFont(const CalendarFont &font)
{
    if (font == m_font)
        return;
    m_font = font;
    m_layoutNeeded = true;
    notifyModified();
    invalidate();
}

void TVBaseLabel::applyFont(const CalendarFont &font)
{
    setFont(font);
}

void TVBaseLabel::setTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    notifyModified();
    invalidate();
}

void TVBaseLabel::setBackColor(TColor color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    notifyModified();
    invalidate();
}

void TVBaseLabel::setBorderStyle(TBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    invalidate();
    notifyModified();
}

void TVBaseLabel::boundsChanged()
{
    TVGraphicControl::boundsChanged();
    m_layoutNeeded = true;
    if (width() <= 0 || height() <= 0)
        setBounds(left(), top(), qMax(width(), 1), qMax(height(), 1));
}

void writeCaption(TWriter &writer, const QString &caption)
{
    // An empty caption is written too: skipped, it would read back as the
    // creation text "Text".
    if (caption.isEmpty()) {
        writer.writePropName(QStringLiteral("Caption"));
        writer.writeString(caption);
        return;
    }
    PropertyIO::writeString(writer, "Caption", caption);
}

QString TVBaseLabel::className() const
{
    return QStringLiteral("TVBaseLabel");
}

void TVBaseLabel::writeProperties(TWriter &writer) const
{
    using namespace PropertyIO;
    TVGraphicControl::writeProperties(writer);
    writeEnum(writer, "Alignment", m_alignment, alignmentNames(), taLeftJustify);
    writeInteger(writer, "DepthHighlight", m_depthHighlight, 0);
    writeInteger(writer, "DepthShadow", m_depthShadow, 0);
    writeEnum(writer, "DirectionHighlight", m_directionHighlight, highlightDirectionNames(), hdUpLeft);
    writeEnum(writer, "DirectionShadow", m_directionShadow, shadowDirectionNames(), sdDownRight);
    writeColor(writer, "colorHighlight", m_colorHighlight, 0xFFFF00);
    writeColor(writer, "colorShadow", m_colorShadow, 0x808080);
    writeInteger(writer, "Angle", m_angle, 0);
    writeCaption(writer, m_caption);
    writeFont(writer, "Font", m_font, m_fontPitch);
    writeBoolean(writer, "Transparent", m_transparent);
    writeColor(writer, "BackColor", m_backColor);
    writeEnum(writer, "BorderStyle", m_borderStyle, borderStyleNames());
}

TPropertyRead TVBaseLabel::readProperty(const QString &path, TReader &reader)
{
    using PropertyIO::is;
    if (PropertyIO::hasPrefix(path, "Font")) {
        CalendarFont font = m_font;
        const TPropertyRead result
            = PropertyIO::readFont(reader, PropertyIO::subPath(path), font, &m_fontPitch);
        setFont(font);
        return result;
    }
    if (is(path, "Alignment"))
        setAlignment(TAlignment(reader.readEnum(alignmentNames())));
    else if (is(path, "DepthHighlight"))
        setDepthHighlight(reader.readInteger());
    else if (is(path, "DepthShadow"))
        setDepthShadow(reader.readInteger());
    else if (is(path, "DirectionHighlight"))
        setDirectionHighlight(THighlightDirection(reader.readEnum(highlightDirectionNames())));
    else if (is(path, "DirectionShadow"))
        setDirectionShadow(TShadowDirection(reader.readEnum(shadowDirectionNames())));
    else if (is(path, "colorHighlight"))
        setColorHighlight(reader.readColor());
    else if (is(path, "colorShadow"))
        setColorShadow(reader.readColor());
    else if (is(path, "Angle"))
        setAngle(reader.readInteger());
    else if (is(path, "Caption"))
        setCaption(reader.readString());
    else if (is(path, "Transparent"))
        setTransparent(reader.readBoolean());
    else if (is(path, "BackColor"))
        setBackColor(reader.readColor());
    else if (is(path, "BorderStyle"))
        setBorderStyle(TBorderStyle(reader.readEnum(borderStyleNames())));
    else
        return TVGraphicControl::readProperty(path, reader);
    return TPropertyRead::Done;
}
