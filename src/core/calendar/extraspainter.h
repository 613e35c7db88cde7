#pragma once

#include "calendar/gridframe.h"

class QPainter;

// Draws the page extras of one month grid into the boxes its frame gives:
// weekend shading under everything, week numbers and the neighbouring
// months' day numbers with the grid's texts, moon symbols over the cells.
// The same routines serve the screen and paper; paper sets its texts by the
// print rules (zoom is then the device's resolution over 96).
namespace ExtrasPainter {

// Saturday and Sunday.
[[nodiscard]] bool isWeekendColumn(int column, int startOfWeek);
// What a cell's text is laid on: the shading in a shaded weekend column.
[[nodiscard]] TColor cellBackground(const GridStyle &style, int index);

void paintWeekendShading(QPainter &painter, const MonthGridFrame &frame, const GridStyle &style);
void paintTexts(
    QPainter &painter, const MonthGridFrame &frame, const GridStyle &style, float zoom, bool paper);
void paintMoonPhases(QPainter &painter, const MonthGridFrame &frame, const GridStyle &style, float zoom);

} // namespace ExtrasPainter
