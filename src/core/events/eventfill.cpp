#include "events/eventfill.h"

#include "calendar/calendarpage.h"
#include "recurring/recurringfill.h"

#include <QRegularExpression>

namespace EventFill {

namespace {

QString shortTimeFormat(const QLocale &locale)
{
    // Some locales' short form still carries seconds, which a day cell
    // has no room for.
    QString format = locale.timeFormat(QLocale::ShortFormat);
    static const QRegularExpression seconds(QStringLiteral("[:.]ss?"));
    format.remove(seconds);
    return format.trimmed();
}

QString cellTextIn(const EventOccurrence &occurrence, const QLocale &locale, const QString &timeFormat)
{
    if (!occurrence.isTimed())
        return occurrence.summary;
    return locale.toString(occurrence.start, timeFormat) + QLatin1Char(' ') + occurrence.summary;
}

} // namespace

QString timeText(const QTime &time, const QLocale &locale)
{
    return locale.toString(time, shortTimeFormat(locale));
}

QString cellText(const EventOccurrence &occurrence, const QLocale &locale)
{
    return cellTextIn(occurrence, locale, shortTimeFormat(locale));
}

QList<RecurringPlacements::Placement> placementsOf(
    const QList<EventOccurrence> &occurrences, int year, int month, const QLocale &locale)
{
    // The format once: a month may hold thousands of occurrences.
    const QString timeFormat = shortTimeFormat(locale);
    QList<RecurringPlacements::Placement> placements;
    for (const EventOccurrence &occurrence : occurrences) {
        if (occurrence.date.year() == year && occurrence.date.month() == month)
            placements.append({ occurrence.date.day(), cellTextIn(occurrence, locale, timeFormat) });
    }
    return placements;
}

int apply(CalendarPage &page, const QList<EventOccurrence> &occurrences, const CalendarFont &defaultFont,
    const QLocale &locale)
{
    return RecurringFill::ApplyPlacements(
        page, placementsOf(occurrences, page.mainCalYear(), page.mainCalMonth(), locale), defaultFont);
}

} // namespace EventFill
