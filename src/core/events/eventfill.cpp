#include "events/eventfill.h"

#include "calendar/calendarpage.h"
#include "recurring/recurringfill.h"

#include <QRegularExpression>

namespace EventFill {

QString timeText(const QTime &time, const QLocale &locale)
{
    // Some locales' short form still carries seconds, which a day cell
    // has no room for.
    QString format = locale.timeFormat(QLocale::ShortFormat);
    static const QRegularExpression seconds(QStringLiteral("[:.]ss?"));
    format.remove(seconds);
    return locale.toString(time, format.trimmed());
}

QString cellText(const EventOccurrence &occurrence, const QLocale &locale)
{
    if (!occurrence.isTimed())
        return occurrence.summary;
    return timeText(occurrence.start, locale) + QLatin1Char(' ') + occurrence.summary;
}

QList<RecurringPlacements::Placement> placementsOf(
    const QList<EventOccurrence> &occurrences, int year, int month, const QLocale &locale)
{
    QList<RecurringPlacements::Placement> placements;
    for (const EventOccurrence &occurrence : occurrences) {
        if (occurrence.date.year() == year && occurrence.date.month() == month)
            placements.append({ occurrence.date.day(), cellText(occurrence, locale) });
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
