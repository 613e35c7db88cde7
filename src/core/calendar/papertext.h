#pragma once

#include "calendar/gridframe.h"

class QPainter;

// The texts of a month grid or planner as they go on paper: each line placed
// by its top or bottom in the box the screen geometry gives it, fonts at
// their point size for the device, texts that do not fit cut at their end
// (titles are set smaller instead, as on screen, so none is cut). zoom is
// the device's pixels per page pixel: its resolution over 96.
namespace PaperText {

void paintMonthGridTexts(
    QPainter &painter, const MonthGridFrame &frame, const GridStyle &style, const QString &title, float zoom);
void paintPlannerTexts(QPainter &painter, const PlannerFrame &frame, const GridStyle &style,
    const QString &title, const CalendarTexts::RowLabels &labels, float zoom);

// The month grid's cells as printed: under a number in the upper right
// corner the text starts one line of the cell font lower.
[[nodiscard]] CellTable printedCells(const MonthGridFrame &frame, const GridStyle &style, float zoom);

// Height of the planner's title band on paper.
[[nodiscard]] int plannerTitleHeight(const CalendarFont &titleFont, float zoom);

} // namespace PaperText
