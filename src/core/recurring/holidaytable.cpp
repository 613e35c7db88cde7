#include "recurring/holidaytable.h"

#include "recurring/recurringformula.h"

namespace HolidayTable {

QStringList entries()
{
    using RecurringFormula::BuildEntry;
    using RecurringFormula::PadRight;
    static const char *const dated[][2] = {
        { "April Fools's Day", "@0401" },
        { "Armed Forces Day", "$2 6 5" },
        { "Christmas Day", "@1225" },
        // The United States' rule since 2007: the second Sunday of March to
        // the first Sunday of November.
        { "Daylight Savings time begins", "$1 0 3" },
        { "Daylight Savings Time ends", "$0 0 11" },
        { "Father's Day", "$2 0 6" },
        { "Flag Day", "@0614" },
        { "Groundhog Day", "@0202" },
        { "Halloween", "@1031" },
        { "Independence Day", "@0704" },
        { "Labor Day", "$0 1 9" },
        { "Lincoln's Birthday", "@0212" },
        { "Martin Luther King Day", "$2 1 1" },
        { "Memorial Day", "$5 1 5" },
        { "Mother's Day", "$1 0 5" },
        { "New Year's Day", "@0101" },
        { "President's Day", "$2 1 2" },
        { "St. Patrick's Day", "@0317" },
        { "Thanksgiving Day", "$3 4 11" },
        { "United Nations Day", "@1024" },
        { "Valentine's Day", "@0214" },
        { "Veterans Day", "@1111" },
        { "Washington's Birthday", "@0222" },
    };
    static const char *const easterBased[][2] = {
        { "Easter", "#EASTER" },
        { "Good Friday", "#GOODFRIDAY" },
        { "Palm Sunday", "#PALMSUNDAY" },
    };
    QStringList list;
    for (const auto &holiday : dated)
        list << BuildEntry(QString::fromLatin1(holiday[0]), QString::fromLatin1(holiday[1]));
    for (const auto &holiday : easterBased)
        list << PadRight(QString::fromLatin1(holiday[0]), RecurringFormula::kEventWidth)
                + QString::fromLatin1(holiday[1]);
    return list;
}

} // namespace HolidayTable
