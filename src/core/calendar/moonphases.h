#pragma once

#include <QDate>
#include <QDateTime>

#include <vector>

// The moon's four principal phases by the method of Meeus, "Astronomical
// Algorithms" (2nd ed.), chapter 49: the mean phase with its periodic and
// planetary corrections, accurate to well under a minute for our era.
namespace MoonPhases {

enum class Phase { New, FirstQuarter, Full, LastQuarter };

struct Event
{
    QDateTime time; // UTC
    Phase phase = Phase::New;
};

// Julian Ephemeris Day of phase number k: whole for new moons, plus 0.25,
// 0.5 and 0.75 for the first quarter, full moon and last quarter; k = 0 is
// the new moon of 6 January 2000.
[[nodiscard]] double phaseJde(double k);

// Every phase whose UTC date lies in [first, last], in order of time.
[[nodiscard]] std::vector<Event> between(const QDate &first, const QDate &last);

// The phases on the days first ... first + days - 1 as a wall calendar in
// this time zone shows them; index d holds day first + d, or -1 for none.
[[nodiscard]] std::vector<int> localPhaseByDay(const QDate &first, int days);

} // namespace MoonPhases
