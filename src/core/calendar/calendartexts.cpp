#include "calendar/calendartexts.h"

#include "calendar/pagelayout.h"

#include <QLocale>

#include <cmath>

namespace CalendarTexts {

QString nameAt(const QStringList &names, int index)
{
    return index >= 1 && index <= names.size() ? names.at(index - 1) : QString();
}

QString monthGridTitle(
    const QString &userTitle, const QStringList &monthNames, int month, int year, bool showYear)
{
    if (!userTitle.isEmpty())
        return userTitle;
    const QString name = nameAt(monthNames, month);
    return showYear ? name + QLatin1Char(' ') + QString::number(year) : name;
}

QString shortenedDayName(const QString &name, TCalHeadersStyle style)
{
    switch (style) {
    case dsFirstChar:
        return name.left(1);
    case dsThreeChars:
        return name.left(3);
    case dsWhole:
        break;
    }
    return name;
}

int weekdayOfColumn(int column, int startOfWeek)
{
    if (startOfWeek == 1)
        return column + 1;
    return column == 6 ? 1 : column + 2;
}

int columnOfWeekday(int dayOfWeek, int startOfWeek)
{
    if (startOfWeek == 1)
        return dayOfWeek;
    return dayOfWeek == 1 ? 7 : dayOfWeek - 1;
}

int dayOfWeek(const QDate &date)
{
    return date.dayOfWeek() % 7 + 1; // Qt counts Monday = 1 ... Sunday = 7
}

QDate plannerDate(int day, int month, int year)
{
    month = qBound(1, month, 12);
    return QDate(year, month, qBound(1, day, daysInMonth(month, year)));
}

// Titles are joined piece by piece: the names are user text and must not
// be read as placeholders.
QString weekPlannerTitle(const QDate &start, int days, const QStringList &monthNames)
{
    const QDate end = start.addDays(days - 1);
    const QString startMonth = nameAt(monthNames, start.month());
    const QString endMonth = nameAt(monthNames, end.month());
    const QString from = startMonth + QLatin1Char(' ') + QString::number(start.day());
    const QString endYear = QStringLiteral(", ") + QString::number(end.year());
    if (start.year() == end.year() && start.month() == end.month())
        return from + QLatin1Char('-') + QString::number(end.day()) + endYear;
    const QString to = endMonth + QLatin1Char(' ') + QString::number(end.day()) + endYear;
    if (start.year() == end.year())
        return from + QStringLiteral(" - ") + to;
    return from + QStringLiteral(", ") + QString::number(start.year()) + QStringLiteral(" - ") + to;
}

static const QString &notesLabel()
{
    static const QString notes = QStringLiteral("Notes");
    return notes;
}

RowLabels weekPlannerLabels(const QDate &start, int days, const QStringList &monthNames,
    const QStringList &dayNames, TCalHeadersStyle style)
{
    RowLabels labels;
    for (int q = 0; q < days; ++q) {
        const QDate date = start.addDays(q);
        labels.emplace_back(shortenedDayName(nameAt(dayNames, dayOfWeek(date)), style),
            QString::number(date.day()) + QLatin1Char(' ') + nameAt(monthNames, date.month()).left(3));
    }
    labels.emplace_back(notesLabel(), QString());
    return labels;
}

QString dayPlannerTitle(const QDate &date, const QStringList &monthNames, const QStringList &dayNames)
{
    return nameAt(dayNames, dayOfWeek(date)) + QStringLiteral(", ") + nameAt(monthNames, date.month())
        + QLatin1Char(' ') + QString::number(date.day()) + QStringLiteral(", ")
        + QString::number(date.year());
}

QString timeLabel(double dayFraction)
{
    double timeOfDay = dayFraction - std::floor(dayFraction);
    long long ms = std::llround(timeOfDay * 86400000.0);
    int minutes = int((ms / 60000) % (24 * 60));
    const int hour24 = minutes / 60;
    const int hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
    const QLocale locale = QLocale::system();
    return QStringLiteral("%1:%2 %3")
        .arg(hour12)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'))
        .arg(hour24 < 12 ? locale.amText() : locale.pmText());
}

RowLabels dayPlannerLabels(double startingTime, int hours)
{
    RowLabels labels;
    double time = startingTime;
    for (int q = 0; q < hours; ++q) {
        labels.emplace_back(timeLabel(time), QString());
        time += 60 * 0.000694445;
        if (time < 0)
            time = 0;
    }
    labels.emplace_back(notesLabel(), QString());
    return labels;
}

int dayFromLabel(const QString &label)
{
    bool ok = false;
    const int day = label.left(2).trimmed().toInt(&ok);
    return ok ? day : 0;
}

} // namespace CalendarTexts
