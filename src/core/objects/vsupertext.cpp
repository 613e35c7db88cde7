#include "objects/vsupertext.h"

#include "objects/vbaselabel.h"

#include "stream/fontproperty.h"
#include "stream/propertyio.h"
#include "stream/reader.h"
#include "stream/streamerror.h"

#include <QtEndian>

TVSuperText::TVSuperText(TComponent *owner)
    : TVGraphicControl(owner)
{
    m_font.name = QStringLiteral("Arial");
    m_font.size = 48;
    m_font.bold = true;
    m_font.color = clBlack;
    storeBounds(0, 0, 142, 33);
    updateShadowOffset();
}

void TVSuperText::updateShadowOffset()
{
    m_shadowOffset = shadowOffsetOf(m_shadowOrientation, m_shadowDepth);
    m_layoutNeeded = true;
}

void TVSuperText::setShadowDepth(int depth)
{
    if (depth == m_shadowDepth)
        return;
    m_shadowDepth = depth;
    updateShadowOffset();
    invalidate();
}

void TVSuperText::setShadowOrientation(TShadowOrientation orientation)
{
    if (orientation == m_shadowOrientation)
        return;
    m_shadowOrientation = orientation;
    updateShadowOffset();
    invalidate();
}

void TVSuperText::setShadowcolor(TColor color)
{
    if (color == m_shadowcolor)
        return;
    m_shadowcolor = color;
    invalidate();
}

void TVSuperText::setBorderStyle(TBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    invalidate();
    notifyModified();
}

void TVSuperText::setControlTransparent(bool transparent)
{
    if (transparent == m_controlTransparent)
        return;
    m_controlTransparent = transparent;
    invalidate();
}

void TVSuperText::setBGColor(TColor color)
{
    if (color == m_bgColor)
        return;
    m_bgColor = color;
    invalidate();
    notifyModified();
}

void TVSuperText::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    m_layoutNeeded = true;
    notifyModified();
    invalidate();
}

void TVSuperText::setFont(const CalendarFont &font)
{
    if (font == m_font)
        return;
    m_font = font;
    m_layoutNeeded = true;
    notifyModified();
    invalidate();
}

void TVSuperText::applyFont(const CalendarFont &font)
{
    setFont(font);
}

void TVSuperText::setFillDirection(TFillDirection direction)
{
    if (direction == m_fillDirection)
        return;
    m_fillDirection = direction;
    invalidate();
}

void TVSuperText::setGradientToColor(TColor color)
{
    if (color == m_gradientToColor)
        return;
    m_gradientToColor = color;
    invalidate();
}

void TVSuperText::setGradientFromColor(TColor color)
{
    if (color == m_gradientFromColor)
        return;
    m_gradientFromColor = color;
    invalidate();
    notifyModified();
}

void TVSuperText::setImage(const TVBitmap &image)
{
    m_image = image;
    invalidate();
}

void TVSuperText::setOutlineColor(TColor color)
{
    if (color == m_outlineColor)
        return;
    m_outlineColor = color;
    invalidate();
}

void TVSuperText::setOutlineStyle(TPenStyle style)
{
    if (style == m_outlineStyle)
        return;
    m_outlineStyle = style;
    invalidate();
}

void TVSuperText::setOutlineWidth(int width)
{
    if (width == m_outlineWidth)
        return;
    m_outlineWidth = width;
    invalidate();
}

void TVSuperText::setSurfaceType(TSurfaceType type)
{
    m_surfaceType = type;
    if (type != stBrushImage)
        m_image.clear();
    // Hollow letters without an outline would vanish.
    if (type == stBrushTransparent && m_outlineStyle == psClear)
        m_outlineStyle = psSolid;
    invalidate();
}

void TVSuperText::boundsChanged()
{
    TVGraphicControl::boundsChanged();
    m_layoutNeeded = true;
    if (width() < 1 || height() < 1)
        setBounds(left(), top(), qMax(width(), 1), qMax(height(), 1));
}

QString TVSuperText::className() const
{
    return QStringLiteral("TVSuperText");
}

namespace {

// A bitmap property's data: a 4-byte length, then the BMP file.
QByteArray bitmapData(const TVBitmap &bitmap)
{
    if (bitmap.isEmpty())
        return {};
    QByteArray out(4, '\0');
    qToLittleEndian<qint32>(qint32(bitmap.bmpData().size()), out.data());
    return out + bitmap.bmpData();
}

TVBitmap bitmapFromData(const QByteArray &data)
{
    TVBitmap bitmap;
    if (data.isEmpty())
        return bitmap;
    const qint32 length = data.size() >= 4 ? qFromLittleEndian<qint32>(data.constData()) : -1;
    if (length != data.size() - 4 || !bitmap.setBmpData(data.mid(4)))
        throw EStreamError(StreamMessages::invalidPropertyValue());
    return bitmap;
}

} // namespace

void TVSuperText::writeProperties(TWriter &writer) const
{
    using namespace PropertyIO;
    TVGraphicControl::writeProperties(writer);
    writeInteger(writer, "ShadowDepth", m_shadowDepth, 0);
    writeEnum(writer, "ShadowOrientation", m_shadowOrientation, shadowDirectionNames(), sdDownRight);
    writeColor(writer, "Shadowcolor", m_shadowcolor, 0x808080);
    writeEnum(writer, "BorderStyle", m_borderStyle, borderStyleNames());
    writeBoolean(writer, "ControlTransparent", m_controlTransparent);
    writeColor(writer, "BGColor", m_bgColor);
    writeCaption(writer, m_caption);
    writeFont(writer, "Font", m_font, m_fontPitch);
    writeEnum(writer, "FillDirection", m_fillDirection, fillDirectionNames());
    writeColor(writer, "GradientToColor", m_gradientToColor);
    writeColor(writer, "GradientFromColor", m_gradientFromColor);
    writeBinary(writer, "Image.Data", bitmapData(m_image));
    writeColor(writer, "OutlineColor", m_outlineColor);
    writeEnum(writer, "OutlineStyle", m_outlineStyle, penStyleNames());
    writeInteger(writer, "OutlineWidth", m_outlineWidth);
    writeEnum(writer, "SurfaceType", m_surfaceType, surfaceTypeNames());
    writeString(writer, "LastBitmapFileNameandPath", m_lastBitmapFile);
}

TPropertyRead TVSuperText::readProperty(const QString &path, TReader &reader)
{
    using PropertyIO::is;
    if (PropertyIO::hasPrefix(path, "Font")) {
        CalendarFont font = m_font;
        const TPropertyRead result
            = PropertyIO::readFont(reader, PropertyIO::subPath(path), font, &m_fontPitch);
        setFont(font);
        return result;
    }
    if (PropertyIO::hasPrefix(path, "Image")) {
        if (!is(PropertyIO::subPath(path), "Data"))
            return TPropertyRead::NotFound;
        setImage(bitmapFromData(reader.readBinary()));
    } else if (is(path, "ShadowDepth")) {
        setShadowDepth(reader.readInteger());
    } else if (is(path, "ShadowOrientation")) {
        setShadowOrientation(TShadowOrientation(reader.readEnum(shadowDirectionNames())));
    } else if (is(path, "Shadowcolor")) {
        setShadowcolor(reader.readColor());
    } else if (is(path, "BorderStyle")) {
        setBorderStyle(TBorderStyle(reader.readEnum(borderStyleNames())));
    } else if (is(path, "ControlTransparent")) {
        setControlTransparent(reader.readBoolean());
    } else if (is(path, "BGColor")) {
        setBGColor(reader.readColor());
    } else if (is(path, "Caption")) {
        setCaption(reader.readString());
    } else if (is(path, "FillDirection")) {
        setFillDirection(TFillDirection(reader.readEnum(fillDirectionNames())));
    } else if (is(path, "GradientToColor")) {
        setGradientToColor(reader.readColor());
    } else if (is(path, "GradientFromColor")) {
        setGradientFromColor(reader.readColor());
    } else if (is(path, "OutlineColor")) {
        setOutlineColor(reader.readColor());
    } else if (is(path, "OutlineStyle")) {
        setOutlineStyle(TPenStyle(reader.readEnum(penStyleNames())));
    } else if (is(path, "OutlineWidth")) {
        setOutlineWidth(reader.readInteger());
    } else if (is(path, "SurfaceType")) {
        setSurfaceType(TSurfaceType(reader.readEnum(surfaceTypeNames())));
    } else if (is(path, "LastBitmapFileNameandPath")) {
        setLastBitmapFileNameandPath(reader.readString());
    } else {
        return TVGraphicControl::readProperty(path, reader);
    }
    return TPropertyRead::Done;
}
