#pragma once

#include "base/rect.h"

#include <array>

constexpr int kCellCount = 42;

// Where a day cell sits on the drawn page (control pixels at the current
// zoom) and which day of the month it stands for.
struct DayCell
{
    TRect rect; // hit-test box
    TRect free; // where the cell's text is painted; empty when there is no room
    int day = 0;
};

using CellTable = std::array<DayCell, kCellCount>; // cell i at index i - 1
