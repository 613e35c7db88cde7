#include "graphics/reportcanvas.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

ReportCanvas::ReportCanvas(QPainter &painter, double dotsPerInch)
    : m_painter(painter)
    , m_dpi(dotsPerInch)
{
}

QFont ReportCanvas::deviceFont(const CalendarFont &font, double dotsPerInch)
{
    // Pixel-sized, so the font measures the same here as on the device.
    QFont face = font.toQFont(1.0f);
    face.setPixelSize(std::max(1, int(std::lround(std::abs(font.size) * dotsPerInch / 72.0))));
    return face;
}

double ReportCanvas::lineHeight(const CalendarFont &font, double dotsPerInch)
{
    return QFontMetricsF(deviceFont(font, dotsPerInch)).height();
}

void ReportCanvas::setFont(const CalendarFont &font)
{
    m_painter.setFont(deviceFont(font, m_dpi));
    m_painter.setPen(toQColor(font.color));
    m_painter.setBackgroundMode(Qt::TransparentMode);
}

void ReportCanvas::setFontFitting(const CalendarFont &font, const QString &text, double width)
{
    setFont(font);
    QFont face = m_painter.font();
    const double wanted = textWidth(text);
    if (wanted <= width || width <= 0)
        return;
    int size = std::max(1, int(face.pixelSize() * width / wanted));
    face.setPixelSize(size);
    m_painter.setFont(face);
    while (size > 1 && textWidth(text) > width) {
        face.setPixelSize(--size);
        m_painter.setFont(face);
    }
}

double ReportCanvas::lineHeight() const
{
    return QFontMetricsF(m_painter.font()).height();
}

double ReportCanvas::lineSpacing() const
{
    return QFontMetricsF(m_painter.font()).lineSpacing();
}

double ReportCanvas::textWidth(const QString &text) const
{
    return QFontMetricsF(m_painter.font()).horizontalAdvance(text);
}

QString ReportCanvas::fitted(const QString &text, double width) const
{
    QString kept = text;
    while (!kept.isEmpty() && textWidth(kept) > width)
        kept.chop(1);
    return kept;
}

void ReportCanvas::printAt(const QString &text, double left, double lineTop)
{
    if (text.isEmpty())
        return;
    const double ascent = QFontMetricsF(m_painter.font()).ascent();
    m_painter.drawText(QPointF(left, lineTop + ascent), text);
}

void ReportCanvas::printCentered(const QString &text, double centreX, double lineTop)
{
    printAt(text, centreX - textWidth(text) / 2, lineTop);
}

void ReportCanvas::printCenteredOnBottom(const QString &text, double centreX, double lineBottom)
{
    printCentered(text, centreX, lineBottom - lineHeight());
}

void ReportCanvas::printRightAligned(const QString &text, double rightX, double lineTop)
{
    printAt(text, rightX - textWidth(text), lineTop);
}
