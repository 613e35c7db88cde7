#include "recurring/recurringevaluation.h"

#include "recurring/easterdates.h"
#include "recurring/recurringformula.h"

#include <QDate>

using namespace RecurringFormula;

namespace RecurringEvaluation {

namespace {

bool isCalendarMonth(int year, int month)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12;
}

// The Easter-based date a "#" name stands for; invalid for other names.
QDate namedDate(const QString &formula, int year)
{
    const QString name = TrimBlanks(formula).toUpper();
    if (name == QLatin1String("#EASTER"))
        return EasterDates::easterSunday(year);
    if (name == QLatin1String("#GOODFRIDAY"))
        return EasterDates::goodFriday(year);
    if (name == QLatin1String("#PALMSUNDAY"))
        return EasterDates::palmSunday(year);
    return {};
}

QList<int> dayOfMonthDays(const QString &formula, int year, int month)
{
    int formulaMonth = 0, day = 0;
    if (!ParseDayOfMonthFormula(formula, &formulaMonth, &day))
        return {};
    if (formulaMonth != month && formulaMonth != kEachMonth)
        return {};
    if (day < 1 || day > DaysInMonth(year, month))
        return {};
    return { day };
}

QList<int> specialDays(const QString &formula, int year, int month)
{
    int occurrence = 0, weekday = 0, formulaMonth = 0;
    if (!ParseSpecialFormula(formula, &occurrence, &weekday, &formulaMonth))
        return {};
    if (formulaMonth != month && formulaMonth != kEachMonth)
        return {};
    const int length = DaysInMonth(year, month);
    if (weekday == kAnyDay) {
        if (occurrence == kLastOccurrence)
            return { length };
        if (occurrence >= 0 && occurrence < kLastOccurrence)
            return { occurrence + 1 };
        return {};
    }
    if (weekday < 0 || weekday > 6)
        return {};
    const int target = weekday + 1;
    if (occurrence == kLastOccurrence) {
        for (int day = length; day >= 1; --day) {
            if (DayOfWeek(year, month, day) == target)
                return { day };
        }
        return {};
    }
    if (occurrence < 0 || occurrence > 4)
        return {};
    int seen = 0;
    for (int day = 1; day <= length; ++day) {
        if (DayOfWeek(year, month, day) == target && seen++ == occurrence)
            return { day };
    }
    return {}; // the month has fewer such weekdays
}

QList<int> weekdaySetDays(const QString &formula, int year, int month)
{
    const QString digits = formula.mid(1);
    QList<int> days;
    const int length = DaysInMonth(year, month);
    for (int day = 1; day <= length; ++day) {
        if (digits.contains(QChar(u'0' + DayOfWeek(year, month, day))))
            days << day;
    }
    return days;
}

QList<int> namedDays(const QString &formula, int year, int month)
{
    const QDate date = namedDate(formula, year);
    if (date.isValid() && date.month() == month)
        return { date.day() };
    return {};
}

} // namespace

int DaysInMonth(int year, int month)
{
    return QDate(year, month, 1).daysInMonth();
}

int DayOfWeek(int year, int month, int day)
{
    return QDate(year, month, day).dayOfWeek() % 7 + 1; // Qt counts Monday as 1, Sunday as 7
}

QList<int> FallsOn(const QString &formula, int year, int month)
{
    if (formula.isEmpty() || !isCalendarMonth(year, month))
        return {};
    const QChar kind = formula.at(0);
    if (kind == kDayOfMonth)
        return dayOfMonthDays(formula, year, month);
    if (kind == kSpecial)
        return specialDays(formula, year, month);
    if (kind == kDaysOfWeek)
        return weekdaySetDays(formula, year, month);
    if (kind == kNamed)
        return namedDays(formula, year, month);
    return {};
}

bool MayFallIn(const QString &entry, int year, int month)
{
    const QChar kind = KindOf(entry);
    const QString formula = FormulaPart(entry);
    if (kind == kNamed) {
        const QDate date = isCalendarMonth(year, month) ? namedDate(formula.left(11), year) : QDate();
        return !date.isValid() || date.month() == month;
    }
    int first = 0, second = 0, formulaMonth = 0;
    if (kind == kSpecial && ParseSpecialFormula(formula, &first, &second, &formulaMonth))
        return formulaMonth == kEachMonth || formulaMonth == month;
    if (kind == kDayOfMonth && ParseDayOfMonthFormula(formula, &formulaMonth, &second))
        return formulaMonth == kEachMonth || formulaMonth == month;
    return true;
}

} // namespace RecurringEvaluation
