// Time for the iCalendar events: the local zone, kept loaded, and moments in
// a zone converted by libical within the years it covers.
#include "events/icalendarevents_p.h"

#include <algorithm>
#include <vector>

namespace ICalendarEvents {

namespace {

// The local zone's offsets over a span, with the changes in it.
class LocalClock
{
public:
    void cover(qint64 from, qint64 to)
    {
        const QDateTime first = QDateTime::fromSecsSinceEpoch(from, Qt::UTC);
        m_from = from;
        m_to = to;
        m_first = localZone().offsetFromUtc(first);
        m_changes.clear();
        for (const QTimeZone::OffsetData &change :
            localZone().transitions(first, QDateTime::fromSecsSinceEpoch(to, Qt::UTC)))
            m_changes.push_back({ change.atUtc.toSecsSinceEpoch(), change.offsetFromUtc });
    }

    [[nodiscard]] int offsetAt(qint64 utc) const
    {
        if (utc < m_from || utc > m_to)
            return localZone().offsetFromUtc(QDateTime::fromSecsSinceEpoch(utc, Qt::UTC));
        const auto after = std::upper_bound(m_changes.begin(), m_changes.end(), utc,
            [](qint64 moment, const Change &change) { return moment < change.at; });
        return after == m_changes.begin() ? m_first : std::prev(after)->offset;
    }

private:
    struct Change
    {
        qint64 at;
        int offset;
    };
    qint64 m_from = 1;
    qint64 m_to = 0; // nothing covered
    int m_first = 0;
    std::vector<Change> m_changes;
};

LocalClock &localClock()
{
    static LocalClock clock;
    return clock;
}

qint64 floorDivide(qint64 value, qint64 divisor)
{
    return value / divisor - (value % divisor < 0 ? 1 : 0);
}

// libical works a zone's changes out up to the year it is asked about, and
// asked past the last year it covers (2582) it works them all out again at
// every conversion. A zone's yearly rules repeat every 400 Gregorian years
// (146097 days), so a later time is converted as many cycles earlier and
// moved back: libical is never asked past kLastZoneYear, nor, for a later
// time, before 2100, when today's rules already hold.
constexpr int kCycleYears = 400;
constexpr qint64 kCycleSeconds = 146097 * kDay;

} // namespace

QDate dateOf(const icaltimetype &time)
{
    return QDate(time.year, time.month, time.day);
}

// Qt's own zone keeps its rules loaded: the C library's local time looks at
// /etc/localtime again for every conversion, which made a large file take
// seconds.
QTimeZone &localZone()
{
    static QTimeZone zone;
    return zone;
}

void refreshLocalZone()
{
    localZone() = QTimeZone::systemTimeZone();
    if (!localZone().isValid())
        localZone() = QTimeZone::utc();
    localClock().cover(1, 0);
}

void coverLocalTime(qint64 from, qint64 to)
{
    localClock().cover(from, to);
}

Moment Moment::at(qint64 utc)
{
    return { utc, localClock().offsetAt(utc) };
}

QDate Moment::date() const
{
    return QDate::fromJulianDay(floorDivide(utc + offset, kDay) + QDate(1970, 1, 1).toJulianDay());
}

QTime Moment::time() const
{
    const qint64 local = utc + offset;
    return QTime::fromMSecsSinceStartOfDay(int((local - floorDivide(local, kDay) * kDay) * 1000));
}

Moment Moment::addDays(qint64 days) const
{
    return at(QDateTime(date().addDays(days), time(), localZone()).toSecsSinceEpoch());
}

qint64 zoneSeconds(icaltimetype time)
{
    qint64 cycles = 0;
    if (time.zone && time.year > kLastZoneYear) {
        cycles = (time.year - kLastZoneYear + kCycleYears - 1) / kCycleYears;
        time.year -= int(cycles * kCycleYears);
    }
    return qint64(icaltime_as_timet_with_zone(time, time.zone)) + cycles * kCycleSeconds;
}

icaltimetype zoneTime(qint64 seconds, const icaltimezone *zone, bool isDate)
{
    static const qint64 lastDirect
        = (QDate(kLastZoneYear, 12, 31).toJulianDay() - QDate(1970, 1, 1).toJulianDay()) * kDay;
    qint64 cycles = 0;
    if (zone && seconds > lastDirect) {
        cycles = (seconds - lastDirect) / kCycleSeconds + 1;
        seconds -= cycles * kCycleSeconds;
    }
    icaltimetype time = icaltime_from_timet_with_zone(time_t(seconds), isDate, zone);
    time.year += int(cycles * kCycleYears);
    return time;
}

qint64 localSeconds(const icaltimetype &time)
{
    if (time.zone && !time.is_date)
        return zoneSeconds(time);
    const QTime clock = time.is_date ? QTime(0, 0) : QTime(time.hour, time.minute, qMin(time.second, 59));
    return QDateTime(dateOf(time), clock, localZone()).toSecsSinceEpoch();
}

qint64 roughSeconds(const icaltimetype &time)
{
    if (time.zone && !time.is_date)
        return zoneSeconds(time);
    const qint64 days = dateOf(time).toJulianDay() - QDate(1970, 1, 1).toJulianDay();
    return days * kDay + (time.is_date ? 0 : time.hour * 3600 + time.minute * 60 + time.second);
}

} // namespace ICalendarEvents
