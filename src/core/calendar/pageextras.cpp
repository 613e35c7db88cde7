#include "calendar/pageextras.h"

namespace {

enum Flag { kWeekNumbers = 1, kShadeWeekends = 2, kNeighbourDays = 4, kMoonPhases = 8, kAllFlags = 15 };

} // namespace

int PageExtras::flags() const
{
    return (weekNumbers ? kWeekNumbers : 0) | (shadeWeekends ? kShadeWeekends : 0)
        | (neighbourDays ? kNeighbourDays : 0) | (moonPhases ? kMoonPhases : 0);
}

bool PageExtras::setFlags(int flags)
{
    if ((flags & ~kAllFlags) != 0)
        return false;
    weekNumbers = flags & kWeekNumbers;
    shadeWeekends = flags & kShadeWeekends;
    neighbourDays = flags & kNeighbourDays;
    moonPhases = flags & kMoonPhases;
    return true;
}
