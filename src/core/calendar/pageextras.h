#pragma once

#include "base/color.h"

#include <QtGlobal>

// What a month page may show beyond its plain grid. All are off by default,
// so a page looks as it always did unless the user asks for more.
struct PageExtras
{
    static constexpr TColor kDefaultShadeColor = 0xE0E0E0; // light grey
    // Day numbers of the neighbouring months: light enough to tell apart.
    static constexpr TColor kNeighbourDayColor = 0xA8A8A8;

    bool weekNumbers = false;
    bool shadeWeekends = false;
    bool neighbourDays = false;
    bool moonPhases = false;
    TColor shadeColor = kDefaultShadeColor;

    // Nothing differs from the defaults: files stay as they were before
    // extras existed.
    [[nodiscard]] bool isDefault() const { return *this == PageExtras(); }

    // The four switches as the files store them, one bit each.
    [[nodiscard]] int flags() const;
    // False (and nothing set) for bits no switch has.
    [[nodiscard]] bool setFlags(int flags);

    friend bool operator==(const PageExtras &a, const PageExtras &b)
    {
        return a.weekNumbers == b.weekNumbers && a.shadeWeekends == b.shadeWeekends
            && a.neighbourDays == b.neighbourDays && a.moonPhases == b.moonPhases
            && a.shadeColor == b.shadeColor;
    }
    friend bool operator!=(const PageExtras &a, const PageExtras &b) { return !(a == b); }
};
