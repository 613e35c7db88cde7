#include "events/icalendarevents_p.h"

#include "events/eventoccurrence.h"
#include "events/icalendarfile.h"

#include <QTimeZone>

#include <algorithm>
#include <map>
#include <set>

namespace ICalendarEvents {

int countOf(const short *values, int size)
{
    int count = 0;
    while (count < size && values[count] != ICAL_RECURRENCE_ARRAY_MAX)
        ++count;
    return count;
}

qint64 occurrencesPerPeriod(const icalrecurrencetype &rule)
{
    const int months = countOf(rule.by_month, ICAL_BY_MONTH_SIZE);
    const int monthDays = countOf(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE);
    const int weekDays = countOf(rule.by_day, ICAL_BY_DAY_SIZE);
    qint64 days = -1; // no day part: the start's day
    auto limit = [&days](qint64 bound) { days = days < 0 ? bound : qMin(days, bound); };
    // "-1SU" names one day a month (or a year), "SU" up to five a month.
    auto weekDaysIn = [&](qint64 numbered, qint64 unnumbered) {
        qint64 bound = 0;
        for (int i = 0; i < weekDays; ++i)
            bound += icalrecurrencetype_day_position(rule.by_day[i]) != 0 ? numbered : unnumbered;
        return bound;
    };
    if (rule.freq == ICAL_YEARLY_RECURRENCE) {
        const qint64 monthsOrAll = months > 0 ? months : 12;
        if (const int yearDays = countOf(rule.by_year_day, ICAL_BY_YEARDAY_SIZE))
            limit(yearDays);
        if (monthDays > 0)
            limit(monthDays * monthsOrAll);
        if (const int weeks = countOf(rule.by_week_no, ICAL_BY_WEEKNO_SIZE))
            limit(weeks * 7LL);
        if (weekDays > 0)
            limit(weekDaysIn(qMax(1, months), months > 0 ? 5LL * months : 53));
        if (days < 0)
            days = qMax(1, months);
    } else if (rule.freq == ICAL_MONTHLY_RECURRENCE) {
        if (monthDays > 0)
            limit(monthDays);
        if (weekDays > 0)
            limit(weekDaysIn(1, 5));
    } else if (rule.freq == ICAL_WEEKLY_RECURRENCE && weekDays > 0) {
        limit(weekDays);
    }
    return qBound(qint64(1), days, qint64(366)) * qMax(1, countOf(rule.by_hour, ICAL_BY_HOUR_SIZE))
        * qMax(1, countOf(rule.by_minute, ICAL_BY_MINUTE_SIZE))
        * qMax(1, countOf(rule.by_second, ICAL_BY_SECOND_SIZE));
}

namespace {

// Time zones lie within a day of UTC; a margin of a day on each side of the
// month finds every occurrence that local time puts in it.
constexpr qint64 kZoneMargin = kDay;

QString textOf(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

icaltimezone *zoneNamed(icalproperty *property, icalcomponent *calendar)
{
    icalparameter *parameter = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    const char *tzid = parameter ? icalparameter_get_tzid(parameter) : nullptr;
    if (!tzid || !*tzid)
        return nullptr;
    if (icaltimezone *zone = icalcomponent_get_timezone(calendar, tzid))
        return zone;
    if (!qstrcmp(tzid, "UTC") || !qstrcmp(tzid, "GMT") || !qstrcmp(tzid, "Etc/UTC"))
        return icaltimezone_get_utc_timezone();
    return icaltimezone_get_builtin_timezone(tzid);
}

// A date or time as written, with the zone its TZID names; a zone nobody
// knows leaves the time floating, which is local time.
icaltimetype withZone(icaltimetype time, icalproperty *property, icalcomponent *calendar)
{
    if (!time.is_date && !time.zone)
        time.zone = zoneNamed(property, calendar);
    if (time.is_date)
        time.zone = nullptr;
    return time;
}

bool isValidTime(const icaltimetype &time)
{
    return !icaltime_is_null_time(time) && QDate::isValid(time.year, time.month, time.day) && time.hour >= 0
        && time.hour < 24 && time.minute >= 0 && time.minute < 60 && time.second >= 0 && time.second <= 60;
}

icaltimetype timeProperty(icalcomponent *event, icalcomponent *calendar, icalproperty_kind kind)
{
    icalproperty *property = icalcomponent_get_first_property(event, kind);
    if (!property)
        return icaltime_null_time();
    const icaltimetype time = kind == ICAL_DTSTART_PROPERTY ? icalproperty_get_dtstart(property)
        : kind == ICAL_DTEND_PROPERTY                       ? icalproperty_get_dtend(property)
                                                            : icalproperty_get_recurrenceid(property);
    return withZone(time, property, calendar);
}

// Days for all-day events, seconds for timed ones.
qint64 lengthOf(icalcomponent *event, icalcomponent *calendar, const icaltimetype &start)
{
    const icaltimetype end = timeProperty(event, calendar, ICAL_DTEND_PROPERTY);
    if (isValidTime(end)) {
        if (start.is_date)
            return qMax<qint64>(1, dateOf(start).daysTo(dateOf(end)));
        return qMax<qint64>(0, localSeconds(end) - localSeconds(start));
    }
    if (icalproperty *property = icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY)) {
        const icaldurationtype duration = icalproperty_get_duration(property);
        const qint64 seconds = qint64(icaldurationtype_as_int(duration));
        if (start.is_date)
            return qMax<qint64>(1, seconds / kDay);
        return qMax<qint64>(0, seconds);
    }
    return start.is_date ? 1 : 0; // a date alone is that day; a time alone has no length
}

void readCategories(icalcomponent *event, QStringList &categories)
{
    for (icalproperty *property = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY); property;
         property = icalcomponent_get_next_property(event, ICAL_CATEGORIES_PROPERTY)) {
        for (const QString &name : textOf(icalproperty_get_categories(property)).split(QLatin1Char(','))) {
            const QString trimmed = name.trimmed();
            if (!trimmed.isEmpty() && !categories.contains(trimmed))
                categories << trimmed;
        }
    }
}

// A set position beyond the largest set a rule's period can hold never
// matches, and libical would search centuries for it.
bool setPositionsCanMatch(const icalrecurrencetype &rule)
{
    const qint64 largest = occurrencesPerPeriod(rule);
    const int positions = countOf(rule.by_set_pos, ICAL_BY_SETPOS_SIZE);
    for (int i = 0; i < positions; ++i) {
        if (qAbs(qint64(rule.by_set_pos[i])) > largest)
            return false;
    }
    return true;
}

void readRecurrence(icalcomponent *component, icalcomponent *calendar, Event &event)
{
    for (icalproperty *property = icalcomponent_get_first_property(component, ICAL_RRULE_PROPERTY); property;
         property = icalcomponent_get_next_property(component, ICAL_RRULE_PROPERTY)) {
        const icalrecurrencetype rule = icalproperty_get_rrule(property);
        if (rule.freq != ICAL_NO_RECURRENCE && setPositionsCanMatch(rule))
            event.rules.push_back(rule);
    }
    for (icalproperty *property = icalcomponent_get_first_property(component, ICAL_EXRULE_PROPERTY); property;
         property = icalcomponent_get_next_property(component, ICAL_EXRULE_PROPERTY)) {
        const icalrecurrencetype rule = icalproperty_get_exrule(property);
        if (rule.freq != ICAL_NO_RECURRENCE && setPositionsCanMatch(rule))
            event.exclusionRules.push_back(rule);
    }
    for (icalproperty *property = icalcomponent_get_first_property(component, ICAL_RDATE_PROPERTY); property;
         property = icalcomponent_get_next_property(component, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype value = icalproperty_get_rdate(property);
        ExtraDate extra;
        if (!icaltime_is_null_time(value.time)) {
            extra.start = withZone(value.time, property, calendar);
        } else {
            extra.start = withZone(value.period.start, property, calendar);
            extra.hasOwnEnd = true;
            extra.end = icaltime_is_null_time(value.period.end)
                ? icaltime_add(extra.start, value.period.duration)
                : withZone(value.period.end, property, calendar);
        }
        if (isValidTime(extra.start) && (!extra.hasOwnEnd || isValidTime(extra.end)))
            event.extraDates.push_back(extra);
    }
    for (icalproperty *property = icalcomponent_get_first_property(component, ICAL_EXDATE_PROPERTY); property;
         property = icalcomponent_get_next_property(component, ICAL_EXDATE_PROPERTY)) {
        const icaltimetype time = withZone(icalproperty_get_exdate(property), property, calendar);
        if (isValidTime(time))
            event.excluded.push_back(keyOf(time));
    }
}

} // namespace

QString nameOf(icalcomponent *calendar, const QString &fallback)
{
    for (icalproperty *property = icalcomponent_get_first_property(calendar, ICAL_X_PROPERTY); property;
         property = icalcomponent_get_next_property(calendar, ICAL_X_PROPERTY)) {
        if (!qstricmp(icalproperty_get_x_name(property), "X-WR-CALNAME")) {
            const QString name = textOf(icalproperty_get_x(property)).trimmed();
            if (!name.isEmpty())
                return name;
        }
    }
    return fallback;
}

namespace {

// The wall-clock date an occurrence starts on, for exceptions given as dates.
InstanceKey dateKeyOf(const icaltimetype &time)
{
    return { true, dateOf(time).toJulianDay() };
}

struct Window
{
    QDate first;
    QDate last;
    qint64 from = 0; // local seconds: the month's start, less the margins
    qint64 to = 0;
};

// Returns how many days of the month the occurrence covers.
int addDays(
    const Event &event, const Moment &start, qint64 length, const Window &window, QList<EventOccurrence> &out)
{
    const qsizetype before = out.size();
    EventOccurrence day;
    day.summary = event.summary;
    day.calendar = event.calendar;
    day.categories = event.categories;
    const QDate firstDay = start.date();
    if (event.allDay) {
        const QDate lastDay = firstDay.addDays(qMax<qint64>(1, length) - 1);
        for (QDate date = qMax(firstDay, window.first); date <= qMin(lastDay, window.last);
             date = date.addDays(1)) {
            day.date = date;
            out << day;
        }
        return int(out.size() - before);
    }
    const Moment end = Moment::at(start.utc + length);
    const QDate lastDay = length > 0 ? Moment::at(end.utc - 1).date() : firstDay;
    for (QDate date = qMax(firstDay, window.first); date <= qMin(lastDay, window.last);
         date = date.addDays(1)) {
        day.date = date;
        day.start = date == firstDay ? start.time() : QTime();
        day.end = length > 0 && date == lastDay ? end.time() : QTime();
        out << day;
    }
    return int(out.size() - before);
}

class Expansion
{
public:
    Expansion(const Window &window, QList<EventOccurrence> &out)
        : m_window(window)
        , m_out(out)
    {
    }

    void single(const Event &event)
    {
        const qint64 start = localSeconds(event.start);
        if (mayTouchWindow(start, event))
            addDays(event, Moment::at(start), event.length, m_window, m_out);
    }

    // changes: the event's RANGE=THISANDFUTURE overrides, earliest first.
    void recurring(
        const Event &event, const std::set<InstanceKey> &replaced, const std::vector<const Event *> &changes)
    {
        std::set<InstanceKey> seen;
        std::set<InstanceKey> excluded(event.excluded.begin(), event.excluded.end());
        excluded.insert(replaced.begin(), replaced.end());
        for (const icalrecurrencetype &rule : event.exclusionRules)
            followRule(event, rule, [&](const icaltimetype &time) {
                excluded.insert(keyOf(time));
                return true;
            });
        int added = 0;
        bool full = false; // had more occurrences in the month than it may
        // False once the event has all it may have.
        auto take = [&](const icaltimetype &time, const icaltimetype *ownEnd) {
            const InstanceKey key = keyOf(time);
            if (!seen.insert(key).second || excluded.count(key) || excluded.count(dateKeyOf(time)))
                return true;
            Moment start { localSeconds(time) }; // its local time once it is known to be near
            qint64 length = event.length;
            if (ownEnd)
                length = event.allDay ? qMax<qint64>(1, dateOf(time).daysTo(dateOf(*ownEnd)))
                                      : qMax<qint64>(0, localSeconds(*ownEnd) - start.utc);
            const Event *look = &event;
            if (const Event *change = latestChange(changes, key)) {
                if (change->cancelled)
                    return true;
                look = change;
                length = change->length;
                start = change->allDay ? Moment::at(start.utc).addDays(change->shift)
                                       : Moment { start.utc + change->shift };
            }
            if (!mayTouchWindow(start.utc, *look, length))
                return true;
            start = Moment::at(start.utc);
            const qsizetype before = m_out.size();
            if (addDays(*look, start, length, m_window, m_out) == 0)
                return true;
            if (added == ICalendarFile::kMaxOccurrencesPerEvent) {
                m_out.resize(before); // one too many: it shows that some are left out
                full = true;
                return false;
            }
            ++added;
            return true;
        };
        bool stepsRanOut = false;
        bool tooLate = false;
        if (event.rules.empty())
            take(event.start, nullptr); // the start is always an occurrence
        for (const icalrecurrencetype &rule : event.rules) {
            if (full)
                break;
            const Followed followed
                = followRule(event, rule, [&](const icaltimetype &time) { return take(time, nullptr); });
            stepsRanOut = stepsRanOut || followed == Followed::OutOfSteps;
            tooLate = tooLate || followed == Followed::TooLate;
        }
        for (const ExtraDate &extra : event.extraDates) {
            if (full || !take(extra.start, extra.hasOwnEnd ? &extra.end : nullptr))
                break;
        }
        if (full)
            ++m_shortfall.overOccurrences;
        else if (stepsRanOut)
            ++m_shortfall.outOfSteps;
        else if (tooLate)
            ++m_shortfall.pastLastRuleYear;
    }

    [[nodiscard]] const ICalendarFile::Shortfall &shortfall() const { return m_shortfall; }

private:
    // The last change made at or before the occurrence, if any.
    [[nodiscard]] static const Event *latestChange(
        const std::vector<const Event *> &changes, const InstanceKey &occurrence)
    {
        const Event *latest = nullptr;
        for (const Event *change : changes) {
            if (change->replaces.isDate == occurrence.isDate && !(occurrence < change->replaces))
                latest = change;
        }
        return latest;
    }

    [[nodiscard]] bool mayTouchWindow(qint64 start, const Event &event, qint64 length = -1) const
    {
        if (length < 0)
            length = event.length;
        const qint64 span = event.allDay ? length * kDay : length;
        return start + span + kZoneMargin >= m_window.from && start <= m_window.to;
    }

    enum class Followed {
        Done, // through the month, or take had enough
        OutOfSteps, // before the rule was done with the month
        TooLate, // libical stops following rules before the month
    };

    // Calls take(time) for each occurrence the rule gives near the month,
    // until take returns false or the rule's steps run out.
    template <typename Take>
    Followed followRule(const Event &event, const icalrecurrencetype &rule, Take take)
    {
        const qint64 span = event.allDay ? event.length * kDay : event.length;
        const qint64 from = m_window.from - span;
        if (!icaltime_is_null_time(rule.until) && isValidTime(rule.until)
            && roughSeconds(rule.until) + kDay < from)
            return Followed::Done; // over before the month
        static const qint64 lastRuleSecond
            = (QDate(ICalendarFile::kLastRuleYear + 1, 1, 1).toJulianDay() - QDate(1970, 1, 1).toJulianDay())
            * kDay;
        const bool pastRules = from > lastRuleSecond;
        if (pastRules && rule.count == 0)
            return Followed::TooLate; // libical would walk from the start to its last year
        // The rule runs on the zone's wall clock, as RFC 5545 has it; given
        // the zone, libical would convert every step to compare it with
        // UNTIL. A UNTIL in UTC becomes that wall clock's time once here.
        icaltimetype start = event.start;
        start.zone = nullptr;
        icalrecurrencetype local = rule;
        if (event.start.zone && !icaltime_is_null_time(rule.until) && isValidTime(rule.until)
            && !rule.until.is_date && rule.until.zone && rule.until.zone != event.start.zone)
            local.until = zoneTime(zoneSeconds(rule.until), event.start.zone, false);
        local.until.zone = nullptr;
        icalrecur_iterator *iterator = icalrecur_iterator_new(local, start);
        if (!iterator)
            return Followed::Done;
        // Without a count, the rule can start near the month instead of
        // walking there from its first occurrence.
        if (rule.count == 0 && roughSeconds(event.start) + kDay < from) {
            icaltimetype jump = zoneTime(from, event.start.zone, event.start.is_date);
            jump.zone = nullptr;
            if (event.start.is_date) {
                jump.is_date = 1;
                jump.hour = jump.minute = jump.second = 0;
            }
            icalrecur_iterator_set_start(iterator, jump);
        }
        int given = 0; // occurrences the rule gave
        bool ended = false; // the rule gave its last
        // The next occurrence in the event's zone, or null once the rule has
        // no more for the month.
        auto next = [&]() {
            icaltimetype time = icalrecur_iterator_next(iterator);
            if (icaltime_is_null_time(time) || !isValidTime(time)) {
                ended = true;
                return icaltime_null_time();
            }
            ++given;
            time.zone = event.start.zone;
            time.is_date = event.start.is_date;
            return roughSeconds(time) > m_window.to + kDay ? icaltime_null_time() : time;
        };
        bool done = false;
        for (int step = 0;
             !done && step < ICalendarFile::kMaxRuleSteps && m_steps < ICalendarFile::kMaxStepsPerMonth;
             ++step, ++m_steps) {
            const icaltimetype time = next();
            done = icaltime_is_null_time(time) || (roughSeconds(time) + kDay >= from && !take(time));
        }
        // When the steps ran out, the month lost something only if the rule had more for it.
        if (!done)
            done = icaltime_is_null_time(next());
        icalrecur_iterator_free(iterator);
        if (!done)
            return Followed::OutOfSteps;
        // A count left over when libical stopped at its last year.
        return pastRules && ended && given < rule.count ? Followed::TooLate : Followed::Done;
    }

    const Window &m_window;
    QList<EventOccurrence> &m_out;
    int m_steps = 0; // of all rules together
    ICalendarFile::Shortfall m_shortfall;
};

} // namespace

InstanceKey keyOf(const icaltimetype &time)
{
    if (time.is_date)
        return dateKeyOf(time);
    return { false, zoneSeconds(time) };
}

namespace {

bool rangeIsThisAndFuture(icalcomponent *component)
{
    icalproperty *id = icalcomponent_get_first_property(component, ICAL_RECURRENCEID_PROPERTY);
    icalparameter *range = id ? icalproperty_get_first_parameter(id, ICAL_RANGE_PARAMETER) : nullptr;
    return range && icalparameter_get_range(range) == ICAL_RANGE_THISANDFUTURE;
}

} // namespace

void collect(icalcomponent *calendar, const QString &fallbackName, std::vector<Event> &events)
{
    refreshLocalZone();
    const QString calendarName = nameOf(calendar, fallbackName);
    for (icalcomponent *component = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         component; component = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        Event event;
        event.start = timeProperty(component, calendar, ICAL_DTSTART_PROPERTY);
        if (!isValidTime(event.start))
            continue; // an event without a start has no day to go on
        event.allDay = event.start.is_date;
        event.length = lengthOf(component, calendar, event.start);
        event.uid = textOf(icalcomponent_get_uid(component));
        event.summary = textOf(icalcomponent_get_summary(component)).simplified();
        event.calendar = calendarName;
        readCategories(component, event.categories);
        event.cancelled = icalcomponent_get_status(component) == ICAL_STATUS_CANCELLED;
        const icaltimetype replaces = timeProperty(component, calendar, ICAL_RECURRENCEID_PROPERTY);
        if (isValidTime(replaces)) {
            event.overrides = true;
            event.replaces = keyOf(replaces);
            event.thisAndFuture = rangeIsThisAndFuture(component);
            const InstanceKey own = keyOf(event.start);
            if (own.isDate == event.replaces.isDate)
                event.shift = own.value - event.replaces.value;
        } else {
            readRecurrence(component, calendar, event);
        }
        events.push_back(std::move(event));
    }
}

QList<EventOccurrence> expand(
    const std::vector<Event> &events, int year, int month, ICalendarFile::Shortfall *shortfall)
{
    refreshLocalZone();
    QList<EventOccurrence> out;
    if (shortfall)
        *shortfall = {};
    const QDate first(year, month, 1);
    if (!first.isValid())
        return out;
    Window window;
    window.first = first;
    window.last = first.addMonths(1).addDays(-1);
    window.from = QDateTime(window.first, QTime(0, 0), localZone()).toSecsSinceEpoch() - kZoneMargin;
    window.to = QDateTime(window.last.addDays(1), QTime(0, 0), localZone()).toSecsSinceEpoch() + kZoneMargin;
    // Events a year long or more are rare; their far ends are looked up one by one.
    coverLocalTime(window.from - 366 * kDay, window.to + 366 * kDay);

    // Occurrences that an event of the same UID moves, changes or cancels,
    // and the changes that go on to the later ones.
    std::map<QString, std::set<InstanceKey>> replaced;
    std::map<QString, std::vector<const Event *>> changesFrom;
    for (const Event &event : events) {
        if (!event.overrides || event.uid.isEmpty())
            continue;
        replaced[event.uid].insert(event.replaces);
        if (event.thisAndFuture)
            changesFrom[event.uid].push_back(&event);
    }
    for (auto &[uid, changes] : changesFrom)
        std::stable_sort(changes.begin(), changes.end(),
            [](const Event *a, const Event *b) { return a->replaces < b->replaces; });
    static const std::set<InstanceKey> kNone;
    static const std::vector<const Event *> kNoChanges;
    Expansion expansion(window, out);
    for (const Event &event : events) {
        if (event.cancelled)
            continue;
        const auto found = event.overrides ? replaced.end() : replaced.find(event.uid);
        const std::set<InstanceKey> &moved = found == replaced.end() ? kNone : found->second;
        const auto changed = event.overrides ? changesFrom.end() : changesFrom.find(event.uid);
        if (event.recurs())
            expansion.recurring(event, moved, changed == changesFrom.end() ? kNoChanges : changed->second);
        else if (!moved.count(keyOf(event.start)))
            expansion.single(event);
    }
    EventOrder::sort(out);
    if (shortfall)
        *shortfall = expansion.shortfall();
    return out;
}

} // namespace ICalendarEvents

void EventOrder::sort(QList<EventOccurrence> &occurrences)
{
    std::stable_sort(
        occurrences.begin(), occurrences.end(), [](const EventOccurrence &a, const EventOccurrence &b) {
            if (a.date != b.date)
                return a.date < b.date;
            if (a.isTimed() != b.isTimed())
                return !a.isTimed();
            return a.isTimed() && a.start < b.start;
        });
}
