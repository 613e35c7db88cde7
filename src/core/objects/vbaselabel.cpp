#include "objects/vbaselabel.h"

#include "stream/recordtable.h"

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

void TVBaseLabel::setAlignment(TAlignment alignment)
{
    assign(m_alignment, alignment, Relayout | Repaint | Modified);
}

void TVBaseLabel::setDepthHighlight(int depth)
{
    assign(m_depthHighlight, depth, Relayout | Repaint);
}

void TVBaseLabel::setDepthShadow(int depth)
{
    assign(m_depthShadow, depth, Relayout | Repaint);
}

void TVBaseLabel::setDirectionHighlight(THighlightDirection direction)
{
    assign(m_directionHighlight, direction, Relayout | Repaint);
}

void TVBaseLabel::setDirectionShadow(TShadowDirection direction)
{
    assign(m_directionShadow, direction, Relayout | Repaint);
}

void TVBaseLabel::setColorHighlight(TColor color)
{
    assign(m_colorHighlight, color);
}

void TVBaseLabel::setColorShadow(TColor color)
{
    assign(m_colorShadow, color);
}

void TVBaseLabel::setCaption(const QString &caption)
{
    assign(m_caption, caption, Relayout | Repaint | Modified);
}

void TVBaseLabel::setFont(const CalendarFont &font)
{
    assign(m_font, font, Relayout | Repaint | Modified);
}

void TVBaseLabel::setTransparent(bool transparent)
{
    assign(m_transparent, transparent, Repaint | Modified);
}

void TVBaseLabel::setBackColor(TColor color)
{
    assign(m_backColor, color, Repaint | Modified);
}

void TVBaseLabel::setBorderStyle(TBorderStyle style)
{
    assign(m_borderStyle, style, Repaint | Modified);
}

void TVBaseLabel::setAngle(int angle)
{
    const bool rightAngle = angle == 0 || angle == 90 || angle == 180 || angle == 270;
    if (!rightAngle || !assign(m_angle, angle, Relayout))
        return;
    if (angle != 0)
        m_alignment = taLeftJustify;
    // A label turned by the user stands upright; exchange the sides when
    // they disagree. A record read back keeps the size it was saved with.
    const bool upright = angle == 90 || angle == 270;
    if (!isStreaming() && ((!upright && width() < height()) || (upright && height() < width())))
        setBounds(left(), top(), height(), width());
    invalidate();
}

void TVBaseLabel::applyFont(const CalendarFont &font)
{
    setFont(font);
}

void TVBaseLabel::boundsChanged()
{
    TVGraphicControl::boundsChanged();
    m_layoutNeeded = true;
    if (width() <= 0 || height() <= 0)
        setBounds(left(), top(), qMax(width(), 1), qMax(height(), 1));
}

QString TVBaseLabel::className() const
{
    return QStringLiteral("TVBaseLabel");
}

const RecordTable &TVBaseLabel::records() const
{
    using C = TVBaseLabel;
    using namespace Records;
    static const RecordTable table(TVGraphicControl::records(),
        {
            record("Alignment", &C::alignment, &C::setAlignment, enumeration(alignmentNames()),
                unlessDefault(taLeftJustify)),
            record("DepthHighlight", &C::depthHighlight, &C::setDepthHighlight, integer, unlessDefault(0)),
            record("DepthShadow", &C::depthShadow, &C::setDepthShadow, integer, unlessDefault(0)),
            record("DirectionHighlight", &C::directionHighlight, &C::setDirectionHighlight,
                enumeration(highlightDirectionNames()), unlessDefault(hdUpLeft)),
            record("DirectionShadow", &C::directionShadow, &C::setDirectionShadow,
                enumeration(shadowDirectionNames()), unlessDefault(sdDownRight)),
            record(
                "colorHighlight", &C::colorHighlight, &C::setColorHighlight, color, unlessDefault(0xFFFF00)),
            record("colorShadow", &C::colorShadow, &C::setColorShadow, color, unlessDefault(0x808080)),
            record("Angle", &C::angle, &C::setAngle, integer, unlessDefault(0)),
            // Written also when empty: left out, it would read back as "Text".
            record("Caption", &C::caption, &C::setCaption, text, always),
            fontRecord("Font", &C::font, &C::setFont, &C::m_fontPitch),
            record("Transparent", &C::transparent, &C::setTransparent, boolean),
            record("BackColor", &C::backColor, &C::setBackColor, color),
            record("BorderStyle", &C::borderStyle, &C::setBorderStyle, enumeration(borderStyleNames())),
        });
    return table;
}
