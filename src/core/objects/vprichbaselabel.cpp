#include "objects/vprichbaselabel.h"

#include "objects/objectcodecs.h"

#include "stream/recordtable.h"

TVPRichBaseLabel::TVPRichBaseLabel(TComponent *owner)
    : TVGraphicControl(owner)
{
    storeBounds(0, 0, 190, 33);
}

void TVPRichBaseLabel::setRTFText(const TWPRtfStorage &text)
{
    m_rtfText.copyFrom(text);
    invalidate();
    notifyModified();
}

void TVPRichBaseLabel::setBorderStyle(TBorderStyle style)
{
    assign(m_borderStyle, style, Repaint | Modified);
}

void TVPRichBaseLabel::setTransparent(bool transparent)
{
    assign(m_transparent, transparent);
}

void TVPRichBaseLabel::setBGColor(TColor color)
{
    assign(m_bgColor, color, Repaint | Modified);
}

QString TVPRichBaseLabel::className() const
{
    return QStringLiteral("TVPRichBaseLabel");
}

const RecordTable &TVPRichBaseLabel::records() const
{
    using C = TVPRichBaseLabel;
    using namespace Records;
    static const RecordTable table(TVGraphicControl::records(),
        {
            record("RTFText.Data", &C::rtfText, &C::setRTFText, rtfData),
            record("BorderStyle", &C::borderStyle, &C::setBorderStyle, enumeration(borderStyleNames())),
            record("Transparent", &C::transparent, &C::setTransparent, boolean),
            record("BGColor", &C::bgColor, &C::setBGColor, color),
        });
    return table;
}
