#pragma once

#include <QList>
#include <QString>

// On which days of a month a recurring-date formula falls.
namespace RecurringEvaluation {

// Days of the month (1 to its length, ascending) on which the formula falls
// in that month of that year; empty for an unreadable formula, an unknown
// kind or a day the month does not have.
[[nodiscard]] QList<int> FallsOn(const QString &formula, int year, int month);

// Whether an entry may fall in the month, as the fill command's first pass
// decides: entries of 120 characters or fewer, weekday sets, unknown names
// and unreadable formulas stay.
[[nodiscard]] bool MayFallIn(const QString &entry, int year, int month);

[[nodiscard]] int DaysInMonth(int year, int month);
// 1 = Sunday to 7 = Saturday.
[[nodiscard]] int DayOfWeek(int year, int month, int day);

} // namespace RecurringEvaluation
