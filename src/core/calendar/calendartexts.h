#pragma once

#include "calendar/calendartypes.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// The words the page draws: titles, weekday headers and planner row labels.
namespace CalendarTexts {

// Name i (1-based) of a table, or empty when the table has no such entry.
[[nodiscard]] QString nameAt(const QStringList &names, int index);

[[nodiscard]] QString monthGridTitle(
    const QString &userTitle, const QStringList &monthNames, int month, int year, bool showYear);
[[nodiscard]] QString shortenedDayName(const QString &name, TCalHeadersStyle style);
// Day of week (1 = Sunday) shown in column 0-6 for the given week start.
[[nodiscard]] int weekdayOfColumn(int column, int startOfWeek);
// Column 1-7 of a day of week (1 = Sunday) for the given week start.
[[nodiscard]] int columnOfWeekday(int dayOfWeek, int startOfWeek);
// Day of week of a date, 1 = Sunday ... 7 = Saturday.
[[nodiscard]] int dayOfWeek(const QDate &date);

// The date the planners start from; a day outside the month is clamped into it.
[[nodiscard]] QDate plannerDate(int day, int month, int year);

using RowLabels = std::vector<std::pair<QString, QString>>;

[[nodiscard]] QString weekPlannerTitle(const QDate &start, int days, const QStringList &monthNames);
[[nodiscard]] RowLabels weekPlannerLabels(const QDate &start, int days, const QStringList &monthNames,
    const QStringList &dayNames, TCalHeadersStyle style);
[[nodiscard]] QString dayPlannerTitle(
    const QDate &date, const QStringList &monthNames, const QStringList &dayNames);
[[nodiscard]] RowLabels dayPlannerLabels(double startingTime, int hours);
// "h:mm AM" for a time of day given as a fraction of a day.
[[nodiscard]] QString timeLabel(double dayFraction);
// The day number a week planner's second label stands for, 0 when none.
[[nodiscard]] int dayFromLabel(const QString &label);

} // namespace CalendarTexts
