#include "events/icalendarevents_p.h"

#include <QDate>
#include <QSet>

#include <vector>

namespace ICalendarZones {

namespace {

// A real zone changes its offset once or twice a year, each observance by a
// yearly rule (RFC 5545, 3.6.5; every program that writes zones does so).
// libical works out every change of a rule from the observance's start, so
// a zone repeating every second (or every hour since 1900) holds it up for
// minutes or for ever. Such a rule is not a zone's: it is taken out, and
// the observance then changes the time once, at its start, which is what
// the zone says before its rule repeats.
constexpr qint64 kMaxChangesPerYear = 12;

// libical works a zone out up to five years past the year asked about (and
// never less than five past this year).
int lastExpandedYear()
{
    return qMax(ICalendarEvents::kLastZoneYear, QDate::currentDate().year()) + 5;
}

// The zones the calendar's events name.
QSet<QByteArray> zonesUsed(icalcomponent *calendar)
{
    QSet<QByteArray> used;
    for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        for (icalproperty *property = icalcomponent_get_first_property(event, ICAL_ANY_PROPERTY); property;
             property = icalcomponent_get_next_property(event, ICAL_ANY_PROPERTY)) {
            icalparameter *tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
            if (const char *name = tzid ? icalparameter_get_tzid(tzid) : nullptr)
                used.insert(QByteArray(name));
        }
    }
    return used;
}

QString textOf(const char *text)
{
    return QString::fromUtf8(text ? text : "");
}

// Takes out the observance's rules that are not a zone's, or that the
// budget cannot pay for; returns a note for each.
QStringList tameObservance(
    icalcomponent *observance, const QString &fileName, const QString &zone, qint64 &budget)
{
    QStringList notes;
    icalproperty *start = icalcomponent_get_first_property(observance, ICAL_DTSTART_PROPERTY);
    if (!start)
        return notes; // libical leaves such an observance out itself
    const int startYear = icalproperty_get_dtstart(start).year;
    const qint64 years = qMax(0, lastExpandedYear() - startYear + 1);
    const QString kind = icalcomponent_isa(observance) == ICAL_XDAYLIGHT_COMPONENT
        ? QStringLiteral("DAYLIGHT")
        : QStringLiteral("STANDARD");
    std::vector<icalproperty *> dropped;
    for (icalproperty *property = icalcomponent_get_first_property(observance, ICAL_RRULE_PROPERTY); property;
         property = icalcomponent_get_next_property(observance, ICAL_RRULE_PROPERTY)) {
        icalrecurrencetype rule = icalproperty_get_rrule(property);
        const qint64 perYear
            = rule.freq == ICAL_YEARLY_RECURRENCE ? ICalendarEvents::occurrencesPerPeriod(rule) : 0;
        const bool notAZone = rule.freq != ICAL_YEARLY_RECURRENCE || perYear > kMaxChangesPerYear;
        if (notAZone || perYear * years > budget) {
            notes << QStringLiteral("%1: time zone \"%2\": its %3 rule %4 %5; only its first change is used")
                         .arg(fileName, zone, kind, textOf(icalrecurrencetype_as_string(&rule)).left(80),
                             notAZone ? QStringLiteral("changes the time more often than a real zone does")
                                      : QStringLiteral("is one too many: the file's zones change the time "
                                                       "too many times to work out"));
            dropped.push_back(property);
        } else {
            budget -= perYear * years;
        }
    }
    for (icalproperty *property : dropped) {
        icalcomponent_remove_property(observance, property);
        icalproperty_free(property);
    }
    return notes;
}

} // namespace

void tame(icalcomponent *calendar, const QString &fileName, qint64 &budget, QStringList &notes)
{
    const QSet<QByteArray> used = zonesUsed(calendar);
    for (icalcomponent *zone = icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT); zone;
         zone = icalcomponent_get_next_component(calendar, ICAL_VTIMEZONE_COMPONENT)) {
        icalproperty *tzid = icalcomponent_get_first_property(zone, ICAL_TZID_PROPERTY);
        const char *name = tzid ? icalproperty_get_tzid(tzid) : nullptr;
        if (!name || !used.contains(QByteArray(name)))
            continue; // libical never works out a zone nothing uses
        for (icalcomponent *observance = icalcomponent_get_first_component(zone, ICAL_ANY_COMPONENT);
             observance; observance = icalcomponent_get_next_component(zone, ICAL_ANY_COMPONENT)) {
            const icalcomponent_kind kind = icalcomponent_isa(observance);
            if (kind == ICAL_XSTANDARD_COMPONENT || kind == ICAL_XDAYLIGHT_COMPONENT)
                notes << tameObservance(observance, fileName, textOf(name).left(80), budget);
        }
    }
}

} // namespace ICalendarZones
