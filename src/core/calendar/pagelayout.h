#pragma once

#include "base/rect.h"
#include "calendar/calendarattributes.h"

#include <array>

constexpr int kMaxMinis = 60;
// The years a page can show: the Gregorian rules hold throughout.
constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

struct MonthYear
{
    int month = 1;
    int year = 1997;
    friend bool operator==(const MonthYear &a, const MonthYear &b)
    {
        return a.month == b.month && a.year == b.year;
    }
};

struct MiniCalendarSlot
{
    TRect rect;
    MonthYear month;
};

// What relayout computes from the attributes: all in page pixels at zoom 1.
struct PageLayout
{
    TCalendarOrientation orientation = coPortrait;
    int pageWidth = 0;
    int pageHeight = 0;
    TRect pageRect;
    TRect calendarRect;
    bool showsMonthGrid = true;
    bool showsMinis = false;
    bool isPlanner = false;
    int miniCount = 0;
    std::array<MiniCalendarSlot, kMaxMinis> minis {};
    int miniFontSize = 0; // the size the layout gives the mini fonts, 0 for none
};

[[nodiscard]] int inch(double inches);
[[nodiscard]] MonthYear addMonths(MonthYear from, int months);
[[nodiscard]] int daysInMonth(int month, int year);

// Relayout. Pages of mini calendars do not set a calendar rectangle, so the
// previous one is carried over unchanged.
[[nodiscard]] PageLayout computePageLayout(
    const CalendarAttributes &attributes, const TRect &previousCalendarRect = {});

// Lays mini calendars first..last (1-based) out row by row in an area; the
// last row and column are pushed flush against the area's bottom and right.
void layoutMiniGrid(
    PageLayout &layout, int rows, int columns, int first, int last, const TRect &area, MonthYear firstMonth);
