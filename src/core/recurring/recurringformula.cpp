#include "recurring/recurringformula.h"

namespace RecurringFormula {

namespace {

// A field of a formula read as a whole number; an empty field is invalid.
bool readField(const QString &formula, int position, int length, int *value)
{
    const QString field = TrimBlanks(formula.mid(position, length));
    bool ok = false;
    *value = field.toInt(&ok);
    return ok;
}

} // namespace

QString PadRight(const QString &text, int width)
{
    return text.left(width).leftJustified(width, QLatin1Char(' '));
}

QString TrimBlanks(const QString &text)
{
    int first = 0;
    int last = int(text.size()) - 1;
    while (first <= last && text.at(first).unicode() <= ' ')
        ++first;
    while (last >= first && text.at(last).unicode() <= ' ')
        --last;
    return text.mid(first, last - first + 1);
}

QString OrdinalText(int n)
{
    static const char suffixes[] = "thstndrdthththththth";
    const QString number = QString::number(n);
    if (n >= 11 && n <= 19)
        return number + QLatin1String("th");
    const int digit = ((n % 10) + 10) % 10;
    return number + QLatin1String(suffixes + digit * 2, 2);
}

QString BuildDayOfMonthFormula(int day, int month)
{
    return QString(kDayOfMonth) + QString::asprintf("%2.2d%2.2d", month, day);
}

QString BuildSpecialFormula(int occurrence, int weekday, int month)
{
    return QString(kSpecial) + PadRight(QString::number(occurrence), 2)
        + PadRight(QString::number(weekday), 2) + PadRight(QString::number(month), 2);
}

bool ParseDayOfMonthFormula(const QString &formula, int *month, int *day)
{
    return readField(formula, 1, 2, month) && readField(formula, 3, 2, day);
}

bool ParseSpecialFormula(const QString &formula, int *occurrence, int *weekday, int *month)
{
    return readField(formula, 1, 2, occurrence) && readField(formula, 3, 2, weekday)
        && readField(formula, 5, 2, month);
}

QString BuildEntry(const QString &eventText, const QString &formula)
{
    return PadRight(eventText, kEventWidth) + PadRight(formula, kFormulaWidth);
}

QString EventPart(const QString &entry)
{
    return entry.left(kEventWidth);
}

QString FormulaPart(const QString &entry)
{
    return entry.mid(kEventWidth);
}

QChar KindOf(const QString &entry)
{
    return entry.size() > kEventWidth ? entry.at(kEventWidth) : QChar();
}

} // namespace RecurringFormula
