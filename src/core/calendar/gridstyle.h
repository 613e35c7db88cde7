#pragma once

#include "calendar/calendarattributes.h"
#include "calendar/pagelayout.h"

// The parameters one drawn calendar takes: the main month grid or planner
// fills it from the page's own attributes, each mini calendar from the mini
// attributes and its own month.
struct GridStyle
{
    TColor background = clWhite;
    TColor titleBackground = clWhite;
    int minimumTitleHeight = 0; // pixels at the drawing zoom
    int day = 0;
    int month = 1;
    int year = 1997;
    TCalendarNumberPosition numberPosition = cnpUpperRight;
    int startOfWeek = 1;
    TCalBorderStyle outerBorder = cbAll;
    CalendarFont titleFont;
    bool showYear = true;
    QString userTitle;
    CalendarFont headerFont;
    TCalBorderStyle headerBorder = cbAll;
    TCalHeadersStyle headerStyle = dsThreeChars;
    TColor headerBackground = clWhite;
    CalendarFont cellFont;
    TCalBorderStyle cellBorder = cbAll;
    QStringList monthNames;
    QStringList dayNames;
    double startingTime = 8.0 / 24.0;
    PageExtras extras; // minis never show moon phases: their cells are too small
    CalendarFont weekFont; // week numbers, main grid and minis alike
};

[[nodiscard]] GridStyle mainGridStyle(const CalendarAttributes &attributes, float zoom);
[[nodiscard]] GridStyle miniGridStyle(const CalendarAttributes &attributes, MonthYear month);
