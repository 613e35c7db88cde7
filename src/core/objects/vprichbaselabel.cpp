#include "objects/vprichbaselabel.h"

#include "objects/objectcodecs.h"

#include "richtext/richtextrenderer.h"
#include "stream/recordtable.h"

#include <QPainter>

#include <cmath>

TVPRichBaseLabel::TVPRichBaseLabel(TComponent *owner)
    : TVGraphicControl(owner)
{
    storeBounds(0, 0, 190, 33);
}

TVPRichBaseLabel::~TVPRichBaseLabel() = default;

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

void TVPRichBaseLabel::paint(QPainter &painter, float scale) const
{
    const QRect rect = displayRect(scale);
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    if (!m_transparent)
        painter.fillRect(rect, toQColor(m_bgColor));
    // The zoom is truncated to a whole percent, as the text engine takes it.
    const int zoomPercent = int(std::trunc(double(scale) * 100.0 + 1e-4));
    if (!m_rtfText.isEmpty() && zoomPercent > 0) {
        // Only what can show in the object is laid out.
        m_text.update(m_rtfText.rtf(), QSizeF(rect.size()) * (100.0 / zoomPercent));
        RichTextRenderer::draw(painter, m_text.document(), rect, zoomPercent);
    }
    if (m_borderStyle == bsSingle)
        paintFrame(painter, rect);
    painter.restore();
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
