#pragma once

// Which day number stands in which cell of a floating calendar's six-week
// grid. Any month and year a record may hold is answered; months outside
// 1 to 12 have no days.
namespace FlatCalendarMonth {

// Gregorian: February has 29 days in years divisible by 4 and not by 100,
// or divisible by 400.
[[nodiscard]] int daysInMonth(int month, int year);
// 1 = Sunday ... 7 = Saturday, in the proleptic Gregorian calendar.
[[nodiscard]] int weekdayOfFirst(int month, int year);
// The day number in row 0-5, column 0-6, or 0 for an empty cell.
// startOfWeek 2 puts Monday in the first column, anything else Sunday.
[[nodiscard]] int dayAt(int month, int year, int startOfWeek, int row, int column);

} // namespace FlatCalendarMonth
