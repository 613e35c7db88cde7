#include "recurring/recurringdescription.h"

#include "recurring/recurringformula.h"

#include <QLocale>
#include <QStringList>

using namespace RecurringFormula;

namespace RecurringDescription {

namespace {

// The locale's name, or the English one when the locale has none.
QString dayAbbreviation(int dayOfWeek) // 1 = Sunday
{
    static const char *const english[] = { "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat" };
    const QString name = QLocale::system().dayName(dayOfWeek == 1 ? 7 : dayOfWeek - 1, QLocale::ShortFormat);
    return name.isEmpty() ? QString::fromLatin1(english[dayOfWeek - 1]) : name;
}

QString monthName(int month)
{
    static const char *const english[] = { "January", "February", "March", "April", "May", "June", "July",
        "August", "September", "October", "November", "December" };
    const QString name = QLocale::system().monthName(month, QLocale::LongFormat);
    return name.isEmpty() ? QString::fromLatin1(english[month - 1]) : name;
}

bool isMonthParameter(int month)
{
    return month >= 0 && month <= 12;
}

QString monthText(int month)
{
    return month == kEachMonth ? QStringLiteral("Each Month") : monthName(month);
}

// Parameters out of the range of the name tables describe nothing, like
// parameters that cannot be read.
QString dayOfMonthText(const QString &formula)
{
    int month = 0, day = 0;
    if (!ParseDayOfMonthFormula(formula, &month, &day) || !isMonthParameter(month) || day < 0 || day > 65535)
        return {};
    return OrdinalText(day) + QLatin1String(" of ") + monthText(month);
}

QString specialText(const QString &formula)
{
    int occurrence = 0, weekday = 0, month = 0;
    if (!ParseSpecialFormula(formula, &occurrence, &weekday, &month) || occurrence < 0
        || occurrence > kLastOccurrence || weekday < 0 || weekday > kAnyDay || !isMonthParameter(month))
        return {};
    const QString which = occurrence == kLastOccurrence ? QStringLiteral("Last ")
                                                        : OrdinalText(occurrence + 1) + QLatin1Char(' ');
    const QString day
        = weekday == kAnyDay ? QStringLiteral("Day ") : dayAbbreviation(weekday + 1) + QLatin1String(" of ");
    return which + day + monthText(month);
}

QString weekdaySetText(const QString &formula)
{
    const QString digits = TrimBlanks(formula.mid(1, 9));
    QStringList names;
    for (int day = 1; day <= 7; ++day) {
        if (digits.contains(QChar(u'0' + day)))
            names << dayAbbreviation(day);
    }
    return names.join(QLatin1Char(','));
}

} // namespace

QString FormulaDescription(const QString &formula)
{
    if (formula.isEmpty())
        return {};
    const QChar kind = formula.at(0);
    if (kind == kDayOfMonth)
        return dayOfMonthText(formula);
    if (kind == kSpecial)
        return specialText(formula);
    if (kind == kDaysOfWeek)
        return weekdaySetText(formula);
    return {};
}

QString EntryDisplayText(const QString &entry)
{
    const QChar kind = KindOf(entry);
    if (kind != kDayOfMonth && kind != kSpecial && kind != kDaysOfWeek)
        return EventPart(entry);
    return TrimBlanks(EventPart(entry)) + QLatin1String(" (")
        + FormulaDescription(entry.mid(kEventWidth, kFormulaWidth)) + QLatin1Char(')');
}

} // namespace RecurringDescription
