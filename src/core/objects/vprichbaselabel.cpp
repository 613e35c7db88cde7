#include "objects/vprichbaselabel.h"

#include "stream/propertyio.h"
#include "stream/reader.h"

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
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    invalidate();
    notifyModified();
}

void TVPRichBaseLabel::setTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    invalidate();
}

void TVPRichBaseLabel::setBGColor(TColor color)
{
    if (color == m_bgColor)
        return;
    m_bgColor = color;
    invalidate();
    notifyModified();
}

QString TVPRichBaseLabel::className() const
{
    return QStringLiteral("TVPRichBaseLabel");
}

void TVPRichBaseLabel::writeProperties(TWriter &writer) const
{
    using namespace PropertyIO;
    TVGraphicControl::writeProperties(writer);
    writeBinary(writer, "RTFText.Data", m_rtfText.rtf());
    writeEnum(writer, "BorderStyle", m_borderStyle, borderStyleNames());
    writeBoolean(writer, "Transparent", m_transparent);
    writeColor(writer, "BGColor", m_bgColor);
}

TPropertyRead TVPRichBaseLabel::readProperty(const QString &path, TReader &reader)
{
    using PropertyIO::is;
    if (PropertyIO::hasPrefix(path, "RTFText")) {
        if (!is(PropertyIO::subPath(path), "Data"))
            return TPropertyRead::NotFound;
        TWPRtfStorage text;
        text.setRtf(reader.readBinary());
        setRTFText(text);
    } else if (is(path, "BorderStyle")) {
        setBorderStyle(TBorderStyle(reader.readEnum(borderStyleNames())));
    } else if (is(path, "Transparent")) {
        setTransparent(reader.readBoolean());
    } else if (is(path, "BGColor")) {
        setBGColor(reader.readColor());
    } else {
        return TVGraphicControl::readProperty(path, reader);
    }
    return TPropertyRead::Done;
}
