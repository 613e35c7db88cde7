#include "objects/vsupertext.h"

#include "objects/objectcodecs.h"
#include "objects/vbaselabel.h"

#include "stream/recordtable.h"

TVSuperText::TVSuperText(TComponent *owner)
    : TVGraphicControl(owner)
{
    m_font.name = QStringLiteral("Arial");
    m_font.size = 48;
    m_font.bold = true;
    m_font.color = clBlack;
    storeBounds(0, 0, 142, 33);
}

QPoint TVSuperText::shadowOffset() const
{
    return shadowOffsetOf(m_shadowOrientation, m_shadowDepth);
}

void TVSuperText::setShadowDepth(int depth)
{
    assign(m_shadowDepth, depth, Relayout | Repaint);
}

void TVSuperText::setShadowOrientation(TShadowOrientation orientation)
{
    assign(m_shadowOrientation, orientation, Relayout | Repaint);
}

void TVSuperText::setShadowcolor(TColor color)
{
    assign(m_shadowcolor, color);
}

void TVSuperText::setBorderStyle(TBorderStyle style)
{
    assign(m_borderStyle, style, Repaint | Modified);
}

void TVSuperText::setControlTransparent(bool transparent)
{
    assign(m_controlTransparent, transparent);
}

void TVSuperText::setBGColor(TColor color)
{
    assign(m_bgColor, color, Repaint | Modified);
}

void TVSuperText::setCaption(const QString &caption)
{
    assign(m_caption, caption, Relayout | Repaint | Modified);
}

void TVSuperText::setFont(const CalendarFont &font)
{
    assign(m_font, font, Relayout | Repaint | Modified);
}

void TVSuperText::applyFont(const CalendarFont &font)
{
    setFont(font);
}

void TVSuperText::setFillDirection(TFillDirection direction)
{
    assign(m_fillDirection, direction);
}

void TVSuperText::setGradientToColor(TColor color)
{
    assign(m_gradientToColor, color);
}

void TVSuperText::setGradientFromColor(TColor color)
{
    assign(m_gradientFromColor, color, Repaint | Modified);
}

void TVSuperText::setOutlineColor(TColor color)
{
    assign(m_outlineColor, color);
}

void TVSuperText::setOutlineStyle(TPenStyle style)
{
    assign(m_outlineStyle, style);
}

void TVSuperText::setOutlineWidth(int width)
{
    assign(m_outlineWidth, width);
}

void TVSuperText::setImage(const StoredBitmap &image)
{
    m_image = image;
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

const RecordTable &TVSuperText::records() const
{
    using C = TVSuperText;
    using namespace Records;
    static const RecordTable table(TVGraphicControl::records(),
        {
            record("ShadowDepth", &C::shadowDepth, &C::setShadowDepth, integer, unlessDefault(0)),
            record("ShadowOrientation", &C::shadowOrientation, &C::setShadowOrientation,
                enumeration(shadowDirectionNames()), unlessDefault(sdDownRight)),
            record("Shadowcolor", &C::shadowcolor, &C::setShadowcolor, color, unlessDefault(0x808080)),
            record("BorderStyle", &C::borderStyle, &C::setBorderStyle, enumeration(borderStyleNames())),
            record("ControlTransparent", &C::controlTransparent, &C::setControlTransparent, boolean),
            record("BGColor", &C::bgColor, &C::setBGColor, color),
            // Written also when empty: left out, it would read back as "Text".
            record("Caption", &C::caption, &C::setCaption, text, always),
            fontRecord("Font", &C::font, &C::setFont, &C::m_fontPitch),
            record(
                "FillDirection", &C::fillDirection, &C::setFillDirection, enumeration(fillDirectionNames())),
            record("GradientToColor", &C::gradientToColor, &C::setGradientToColor, color),
            record("GradientFromColor", &C::gradientFromColor, &C::setGradientFromColor, color),
            record("Image.Data", &C::image, &C::setImage, bitmapData),
            record("OutlineColor", &C::outlineColor, &C::setOutlineColor, color),
            record("OutlineStyle", &C::outlineStyle, &C::setOutlineStyle, enumeration(penStyleNames())),
            record("OutlineWidth", &C::outlineWidth, &C::setOutlineWidth, integer),
            record("SurfaceType", &C::surfaceType, &C::setSurfaceType, enumeration(surfaceTypeNames())),
            record("LastBitmapFileNameandPath", &C::lastBitmapFileNameandPath,
                &C::setLastBitmapFileNameandPath, text),
        });
    return table;
}
