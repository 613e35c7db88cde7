#include "report/reportcanvas.h"

#include "report/outlinefaces.h"

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
    // Measured and drawn in the face that will be on the paper.
    return OutlineFaces::forPaper(face);
}

double ReportCanvas::lineHeight(const CalendarFont &font, double dotsPerInch)
{
    return TextMeasures::of(deviceFont(font, dotsPerInch))->height();
}

void ReportCanvas::useFont(const QFont &face)
{
    m_painter.setFont(face);
    m_measures.reset();
}

TextMeasures &ReportCanvas::measures() const
{
    if (!m_measures)
        m_measures = TextMeasures::of(m_painter.font());
    return *m_measures;
}

void ReportCanvas::setFont(const CalendarFont &font)
{
    useFont(deviceFont(font, m_dpi));
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
    useFont(face);
    while (size > 1 && textWidth(text) > width) {
        face.setPixelSize(--size);
        useFont(face);
    }
}

double ReportCanvas::lineHeight() const
{
    return measures().height();
}

double ReportCanvas::lineSpacing() const
{
    return measures().lineSpacing();
}

double ReportCanvas::textWidth(const QString &text) const
{
    return measures().width(text);
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
    // Drawn from glyphs shaped once per font: a page of minis sets the same
    // numbers and names hundreds of times.
    const TextMeasures::Shaped &shaped = measures().shaped(text);
    const QPointF origin(left, lineTop + measures().ascent() - shaped.baseline);
    for (const QGlyphRun &run : shaped.runs)
        m_painter.drawGlyphRun(origin, run);
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
