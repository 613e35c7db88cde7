#include "objects/flatcalendarmonth.h"

namespace FlatCalendarMonth {

namespace {

long long floorDiv(long long a, long long b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

bool isLeapYear(long long year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

int daysInMonth(int month, int year)
{
    static const int kDays[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

int weekdayOfFirst(int month, int year)
{
    // Sakamoto's method with floor division, so years before 1 work too.
    static const int kOffsets[12] = { 0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4 };
    if (month < 1 || month > 12)
        return 1;
    long long y = year;
    if (month < 3)
        --y;
    const long long sum = y + floorDiv(y, 4) - floorDiv(y, 100) + floorDiv(y, 400) + kOffsets[month - 1] + 1;
    return int(sum - floorDiv(sum, 7) * 7) + 1; // 0 = Sunday before the shift
}

int dayAt(int month, int year, int startOfWeek, int row, int column)
{
    int first = weekdayOfFirst(month, year);
    if (startOfWeek == 2)
        first = first == 1 ? 7 : first - 1; // Monday 1 ... Sunday 7
    const int n = 7 * row + column - first + 2;
    return n >= 1 && n <= daysInMonth(month, year) ? n : 0;
}

} // namespace FlatCalendarMonth
