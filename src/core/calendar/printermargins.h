#pragma once

#include <QMarginsF>
#include <QString>

struct CalendarAttributes;

// The margin check before printing: the page's margins against the strips
// along the paper's edges that the printer cannot print on.
namespace PrinterMargins {

// One line per edge whose margin lies inside the printer's unprintable
// strip, in the order left, top, right, bottom; empty when every margin is
// clear. The strips are cut to hundredths of an inch first, so a margin
// equal to its strip passes.
[[nodiscard]] QString warningLines(const QMarginsF &unprintableInches, const CalendarAttributes &attributes);
// The question asked when there are lines: "Margin Warning:" ... "Print anyways?".
[[nodiscard]] QString question(const QString &lines);

} // namespace PrinterMargins
