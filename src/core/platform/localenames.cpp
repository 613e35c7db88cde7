#include "platform/localenames.h"

#include <QLocale>

namespace LocaleNames {

QStringList monthNames()
{
    const QLocale locale = QLocale::system();
    QStringList names;
    for (int month = 1; month <= 12; ++month)
        names << locale.monthName(month, QLocale::LongFormat);
    return names;
}

QStringList dayNames()
{
    const QLocale locale = QLocale::system();
    QStringList names;
    names << locale.dayName(7, QLocale::LongFormat); // Qt counts Sunday as 7
    for (int day = 1; day <= 6; ++day)
        names << locale.dayName(day, QLocale::LongFormat);
    return names;
}

} // namespace LocaleNames
