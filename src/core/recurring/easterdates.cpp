#include "recurring/easterdates.h"

namespace EasterDates {

// The anonymous Gregorian algorithm (Meeus, Jones, Butcher): the short
// formula that needs no corrections holds only between 1900 and 2099, while
// calendars may show any year.
QDate easterSunday(int year)
{
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = ((h + l - 7 * m + 114) % 31) + 1;
    return QDate(year, month, day);
}

QDate goodFriday(int year)
{
    return easterSunday(year).addDays(-2);
}

QDate palmSunday(int year)
{
    return easterSunday(year).addDays(-7);
}

} // namespace EasterDates
