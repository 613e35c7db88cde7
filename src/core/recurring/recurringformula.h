#pragma once

#include <QString>

// The text forms of a recurring date: an entry is the event text padded to
// 120 characters followed by the formula padded to 10. The formula's first
// character tells its kind:
//   "@MMDD"      a day of the month, month "00" for every month
//   "$O W M "    the O-th (5 = last) weekday W (7 = any day) of month M (0 = each)
//   "%digits"    chosen days of the week, "1" = Sunday to "7" = Saturday
//   "#EASTER", "#GOODFRIDAY", "#PALMSUNDAY"
namespace RecurringFormula {

constexpr int kEventWidth = 120;
constexpr int kFormulaWidth = 10;

constexpr QChar kDayOfMonth = QLatin1Char('@');
constexpr QChar kSpecial = QLatin1Char('$');
constexpr QChar kDaysOfWeek = QLatin1Char('%');
constexpr QChar kNamed = QLatin1Char('#');

// Occurrence 5 is the last one; weekday 7 is any day; month 0 is each month.
constexpr int kLastOccurrence = 5;
constexpr int kAnyDay = 7;
constexpr int kEachMonth = 0;

// The text cut to at most width characters and padded with blanks to width.
[[nodiscard]] QString PadRight(const QString &text, int width);
// Blanks and control characters removed at both ends.
[[nodiscard]] QString TrimBlanks(const QString &text);

// "1st", "2nd", "3rd", "11th", "21st"; meant for 0 to 65535.
[[nodiscard]] QString OrdinalText(int n);

[[nodiscard]] QString BuildDayOfMonthFormula(int day, int month);
[[nodiscard]] QString BuildSpecialFormula(int occurrence, int weekday, int month);
// False when a field is not a whole number; no range is checked.
[[nodiscard]] bool ParseDayOfMonthFormula(const QString &formula, int *month, int *day);
[[nodiscard]] bool ParseSpecialFormula(const QString &formula, int *occurrence, int *weekday, int *month);

// An entry as the program writes it: event and formula, both padded.
[[nodiscard]] QString BuildEntry(const QString &eventText, const QString &formula);
// Characters 1 to 120 of an entry, and what follows them.
[[nodiscard]] QString EventPart(const QString &entry);
[[nodiscard]] QString FormulaPart(const QString &entry);
// The formula's kind character, or a null character when the entry has no formula.
[[nodiscard]] QChar KindOf(const QString &entry);

} // namespace RecurringFormula
