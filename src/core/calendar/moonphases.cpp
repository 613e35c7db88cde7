#include "calendar/moonphases.h"

#include <array>
#include <cmath>

namespace MoonPhases {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kLunationsPerYear = 12.3685;
constexpr double kUnixEpochJd = 2440587.5;

double sinDeg(double degrees)
{
    return std::sin(degrees * kPi / 180.0);
}

double cosDeg(double degrees)
{
    return std::cos(degrees * kPi / 180.0);
}

// The arguments of chapter 49 for one phase number, in degrees.
struct Arguments
{
    double e; // eccentricity factor of the Earth's orbit
    double m; // Sun's mean anomaly
    double mm; // Moon's mean anomaly
    double f; // Moon's argument of latitude
    double omega; // longitude of the ascending node
};

Arguments argumentsFor(double k, double t)
{
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    return { 1 - 0.002516 * t - 0.0000074 * t2, 2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3,
        201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4,
        160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4,
        124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3 };
}

// The small terms new and full moons share (table 49.A, from -0.00007 on).
double sharedSmallTerms(const Arguments &a)
{
    const double m = a.m, mm = a.mm, f = a.f;
    return -0.00007 * sinDeg(mm + 2 * m) + 0.00004 * sinDeg(2 * mm - 2 * f) + 0.00004 * sinDeg(3 * m)
        + 0.00003 * sinDeg(mm + m - 2 * f) + 0.00003 * sinDeg(2 * mm + 2 * f)
        - 0.00003 * sinDeg(mm + m + 2 * f) + 0.00003 * sinDeg(mm - m + 2 * f)
        - 0.00002 * sinDeg(mm - m - 2 * f) - 0.00002 * sinDeg(3 * mm + m) + 0.00002 * sinDeg(4 * mm);
}

// New (full == false) or full moon: the large terms differ in their
// coefficients only.
double newOrFullCorrection(const Arguments &a, bool full)
{
    const double e = a.e, m = a.m, mm = a.mm, f = a.f;
    return (full ? -0.40614 : -0.40720) * sinDeg(mm) + (full ? 0.17302 : 0.17241) * e * sinDeg(m)
        + (full ? 0.01614 : 0.01608) * sinDeg(2 * mm) + (full ? 0.01043 : 0.01039) * sinDeg(2 * f)
        + (full ? 0.00734 : 0.00739) * e * sinDeg(mm - m) - (full ? 0.00515 : 0.00514) * e * sinDeg(mm + m)
        + (full ? 0.00209 : 0.00208) * e * e * sinDeg(2 * m) - 0.00111 * sinDeg(mm - 2 * f)
        - 0.00057 * sinDeg(mm + 2 * f) + 0.00056 * e * sinDeg(2 * mm + m) - 0.00042 * sinDeg(3 * mm)
        + 0.00042 * e * sinDeg(m + 2 * f) + 0.00038 * e * sinDeg(m - 2 * f) - 0.00024 * e * sinDeg(2 * mm - m)
        - 0.00017 * sinDeg(a.omega) + sharedSmallTerms(a);
}

double quarterCorrection(const Arguments &a, bool first)
{
    const double e = a.e, m = a.m, mm = a.mm, f = a.f;
    const double terms = -0.62801 * sinDeg(mm) + 0.17172 * e * sinDeg(m) - 0.01183 * e * sinDeg(mm + m)
        + 0.00862 * sinDeg(2 * mm) + 0.00804 * sinDeg(2 * f) + 0.00454 * e * sinDeg(mm - m)
        + 0.00204 * e * e * sinDeg(2 * m) - 0.00180 * sinDeg(mm - 2 * f) - 0.00070 * sinDeg(mm + 2 * f)
        - 0.00040 * sinDeg(3 * mm) - 0.00034 * e * sinDeg(2 * mm - m) + 0.00032 * e * sinDeg(m + 2 * f)
        + 0.00032 * e * sinDeg(m - 2 * f) - 0.00028 * e * e * sinDeg(mm + 2 * m)
        + 0.00027 * e * sinDeg(2 * mm + m) - 0.00017 * sinDeg(a.omega) - 0.00005 * sinDeg(mm - m - 2 * f)
        + 0.00004 * sinDeg(2 * mm + 2 * f) - 0.00004 * sinDeg(mm + m + 2 * f) + 0.00004 * sinDeg(mm - 2 * m)
        + 0.00003 * sinDeg(mm + m - 2 * f) + 0.00003 * sinDeg(3 * m) + 0.00002 * sinDeg(2 * mm - 2 * f)
        + 0.00002 * sinDeg(mm - m + 2 * f) - 0.00002 * sinDeg(3 * mm + m);
    const double w = 0.00306 - 0.00038 * e * cosDeg(m) + 0.00026 * cosDeg(mm) - 0.00002 * cosDeg(mm - m)
        + 0.00002 * cosDeg(mm + m) + 0.00002 * cosDeg(2 * f);
    return terms + (first ? w : -w);
}

// The fourteen planetary arguments every phase gets (page 351).
double planetaryCorrection(double k, double t)
{
    static constexpr std::array<std::array<double, 3>, 14> kTerms { {
        { 0.000325, 299.77, 0.107408 },
        { 0.000165, 251.88, 0.016321 },
        { 0.000164, 251.83, 26.651886 },
        { 0.000126, 349.42, 36.412478 },
        { 0.000110, 84.66, 18.206239 },
        { 0.000062, 141.74, 53.303771 },
        { 0.000060, 207.14, 2.453732 },
        { 0.000056, 154.84, 7.306860 },
        { 0.000047, 34.52, 27.261239 },
        { 0.000042, 207.19, 0.121824 },
        { 0.000040, 291.34, 1.844379 },
        { 0.000037, 161.72, 24.198154 },
        { 0.000035, 239.56, 25.513099 },
        { 0.000023, 331.55, 3.592518 },
    } };
    double sum = 0;
    for (size_t i = 0; i < kTerms.size(); ++i) {
        double argument = kTerms[i][1] + kTerms[i][2] * k;
        if (i == 0)
            argument -= 0.009173 * t * t;
        sum += kTerms[i][0] * sinDeg(argument);
    }
    return sum;
}

// Terrestrial minus universal time in seconds: the 2005-2050 fit of Espenak
// and Meeus near our time, the long-term parabola of Morrison and
// Stephenson elsewhere. A minute's error moves a phase's date only when it
// falls within that minute of midnight.
double deltaTSeconds(double year)
{
    if (year >= 1950 && year <= 2150) {
        const double t = year - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (year - 1820) / 100;
    return -20 + 32 * u * u;
}

QDateTime utcOf(double jde, double k)
{
    const double year = 2000 + k / kLunationsPerYear;
    const double jd = jde - deltaTSeconds(year) / 86400.0;
    const auto ms = qint64(std::llround((jd - kUnixEpochJd) * 86400000.0));
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

double lunationOf(const QDate &date)
{
    return (date.year() + (date.dayOfYear() - 1) / 365.25 - 2000) * kLunationsPerYear;
}

} // namespace

double phaseJde(double k)
{
    const double t = k / 1236.85;
    const double t2 = t * t;
    const double mean
        = 2451550.09766 + 29.530588861 * k + 0.00015437 * t2 - 0.000000150 * t2 * t + 0.00000000073 * t2 * t2;
    const Arguments a = argumentsFor(k, t);
    const double fraction = k - std::floor(k);
    double correction = 0;
    if (fraction < 0.125)
        correction = newOrFullCorrection(a, false);
    else if (fraction < 0.375)
        correction = quarterCorrection(a, true);
    else if (fraction < 0.625)
        correction = newOrFullCorrection(a, true);
    else
        correction = quarterCorrection(a, false);
    return mean + correction + planetaryCorrection(k, t);
}

std::vector<Event> between(const QDate &first, const QDate &last)
{
    std::vector<Event> events;
    if (!first.isValid() || !last.isValid() || last < first)
        return events;
    // Start a lunation early: the estimate from the date is only close.
    for (double k = std::floor(lunationOf(first)) - 1;; k += 1) {
        for (int quarter = 0; quarter < 4; ++quarter) {
            const double phaseK = k + quarter / 4.0;
            const QDateTime time = utcOf(phaseJde(phaseK), phaseK);
            const QDate date = time.date();
            if (date > last)
                return events;
            if (date >= first)
                events.push_back({ time, Phase(quarter) });
        }
    }
}

std::vector<int> localPhaseByDay(const QDate &first, int days)
{
    std::vector<int> byDay(size_t(qMax(0, days)), -1);
    if (days <= 0)
        return byDay;
    // A day either side in UTC covers every time zone.
    for (const Event &event : between(first.addDays(-1), first.addDays(days))) {
        const qint64 d = first.daysTo(event.time.toLocalTime().date());
        if (d >= 0 && d < days)
            byDay[size_t(d)] = int(event.phase);
    }
    return byDay;
}

} // namespace MoonPhases
