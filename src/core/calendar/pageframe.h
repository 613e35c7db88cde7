#pragma once

#include "calendar/gridframe.h"
#include "calendar/pagelayout.h"

#include <optional>
#include <vector>

// Everything drawn on a page at one zoom: the boxes of the main month grid
// or planner and of each mini calendar, with the style each is drawn in.
struct PageFrame
{
    float zoom = 1.0f;
    bool paper = false;
    TRect pageRect; // where the border picture goes
    GridStyle mainStyle;
    std::optional<MonthGridFrame> grid;
    std::optional<PlannerFrame> planner;
    bool isWeekPlanner = false;
    QString plannerTitle;
    CalendarTexts::RowLabels plannerLabels;

    struct Mini
    {
        MonthGridFrame frame;
        GridStyle style;
    };
    std::vector<Mini> minis;
};

// paper: the boxes as printed, where they differ from the screen's (the
// planner's title band); zoom is then the device's resolution over 96.
[[nodiscard]] PageFrame computePageFrame(
    const CalendarAttributes &attributes, const PageLayout &layout, float zoom, bool paper = false);
