#pragma once

#include "base/calendarfont.h"
#include "report/textmeasures.h"

#include <QFont>
#include <QString>

#include <memory>

class QPainter;

// Text on a printer or PDF page, set the way paper wants it: fonts at their
// stored point size for the device's resolution (never the truncated sizes
// of a zoomed screen), lines placed by their top or bottom, texts centred on
// or right-aligned at a position. Positions are device pixels; inches()
// converts the distances the print rules give in inches.
class ReportCanvas
{
public:
    ReportCanvas(QPainter &painter, double dotsPerInch);

    [[nodiscard]] double dotsPerInch() const { return m_dpi; }
    [[nodiscard]] double inches(double inches) const { return inches * m_dpi; }

    // The font at its point size on a device of the given resolution.
    [[nodiscard]] static QFont deviceFont(const CalendarFont &font, double dotsPerInch);
    // Height of a line of the font there: ascent plus descent.
    [[nodiscard]] static double lineHeight(const CalendarFont &font, double dotsPerInch);

    // Face, size, style and colour of the texts that follow.
    void setFont(const CalendarFont &font);
    // The same font made smaller, if need be, until text fits width.
    void setFontFitting(const CalendarFont &font, const QString &text, double width);
    [[nodiscard]] double lineHeight() const;
    // Line height and the gap the font keeps between lines.
    [[nodiscard]] double lineSpacing() const;
    [[nodiscard]] double textWidth(const QString &text) const;
    // text with characters taken off its end until it fits width.
    [[nodiscard]] QString fitted(const QString &text, double width) const;

    void printCentered(const QString &text, double centreX, double lineTop);
    void printCenteredOnBottom(const QString &text, double centreX, double lineBottom);
    void printRightAligned(const QString &text, double rightX, double lineTop);

private:
    void printAt(const QString &text, double left, double lineTop);
    void useFont(const QFont &face);
    TextMeasures &measures() const;

    QPainter &m_painter;
    double m_dpi;
    // Of the painter's font; taken when first needed after a font change.
    mutable std::shared_ptr<TextMeasures> m_measures;
};
