#include "calendar/printermargins.h"

#include "calendar/calendarattributes.h"

#include <cmath>

namespace PrinterMargins {

QString warningLines(const QMarginsF &unprintable, const CalendarAttributes &a)
{
    struct Edge
    {
        double strip;
        float margin;
        const char *name;
    };
    const Edge edges[] = {
        { unprintable.left(), a.leftMarginInch, "Left" },
        { unprintable.top(), a.topMarginInch, "Top" },
        { unprintable.right(), a.rightMarginInch, "Right" },
        { unprintable.bottom(), a.bottomMarginInch, "Bottom" },
    };
    QString lines;
    for (const Edge &edge : edges) {
        // Hundredths counted exactly, so 0.25 inch stays 25 and not 24.99...
        const double cut = std::trunc(edge.strip * 100.0 + 1e-9) * 0.01;
        if (cut > double(edge.margin) + 1e-6)
            lines += QStringLiteral("\r%1 Margin is possibly outside of Printer printable area")
                         .arg(QLatin1String(edge.name));
    }
    return lines;
}

QString question(const QString &lines)
{
    return QStringLiteral("Margin Warning:\r") + lines + QStringLiteral("\r\rPrint anyways?");
}

} // namespace PrinterMargins
