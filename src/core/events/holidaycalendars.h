#pragma once

#include <QList>
#include <QString>

// The holiday calendars shipped with the program: one iCalendar file per
// country in the data folder's "Holidays" folder, named by the country, and
// beside it "<Country> observances.ics" with the other days it marks.
namespace HolidayCalendars {

struct Country
{
    QString name; // "New Zealand"
    QString path;
    QString observancesPath; // empty when the country has none
};

// The countries in alphabetical order; empty when the folder is missing.
[[nodiscard]] QList<Country> countries(const QString &dataFolder);

} // namespace HolidayCalendars
