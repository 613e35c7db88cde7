#pragma once

#include "calendar/calendartexts.h"
#include "calendar/daycell.h"
#include "calendar/gridstyle.h"

#include <array>
#include <vector>

// The boxes a month grid is cut into, in control pixels at the drawing zoom.
// Hit testing, drawing and the command-line geometry report all read these.
struct MonthGridFrame
{
    TRect bounds; // the calendar or mini rectangle after zoom
    TRect working; // bounds less one pixel on the right and at the bottom
    TRect titleBand; // at least the minimum title height
    TRect titleHit; // the band before the minimum was applied
    TRect titleRoom; // where the title text may go: the band less any minis in it
    TRect headerRow; // weekday names; also the days-area hit rectangle
    std::array<TRect, 7> headerBoxes {};
    int daysTop = 0; // D0
    int gridLeft = 0; // left line of the first day column; bounds.left without week numbers
    int columnWidth = 0;
    int rowHeight = 0;
    CellTable cells {};
    QDate firstCellDate; // the date cell 1 stands for, in the month before when it is blank
    // Week numbers: the box left of each row and its number, 0 for a row
    // that shows no day.
    std::array<TRect, 6> weekBoxes {};
    std::array<int, 6> weekNumbers {};

    // Inside the lines of cell index (0-41): what weekend shading fills.
    [[nodiscard]] TRect cellInterior(int index) const;
    [[nodiscard]] QDate dateOfCell(int index) const { return firstCellDate.addDays(index); }
};

// The week number of a row that starts on rowStart: the ISO 8601 week of its
// Monday. A Sunday-first row holds six days of that week and the Sunday
// before it, so both week starts give the numbers diaries print.
[[nodiscard]] int weekNumberOfRow(const QDate &rowStart, int startOfWeek);

[[nodiscard]] MonthGridFrame monthGridFrame(const TRect &bounds, const GridStyle &style, float zoom);

// The boxes of a week or day planner page.
struct PlannerFrame
{
    TRect bounds;
    TRect titleBand; // also the title hit rectangle
    TRect box;
    int labelRight = 0;
    int rowHeight = 0;
    struct Row
    {
        TRect upperLabel; // first label sits on this box's bottom
        TRect lowerLabel; // second label hangs from this box's top
    };
    std::vector<Row> rows; // days or hours, then "Notes"
    std::vector<DayCell> cells; // one per row, cell q + 1 for row q
};

// titleHeight: the band's height, the title font's text height on screen.
[[nodiscard]] PlannerFrame plannerFrame(
    const TRect &bounds, int rowCount, int titleHeight, const CalendarTexts::RowLabels &labels);

// Text height (line height) of a font at zoom, as the geometry rules measure it.
[[nodiscard]] int textHeight(const CalendarFont &font, float zoom);
