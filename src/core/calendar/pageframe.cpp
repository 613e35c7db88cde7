#include "calendar/pageframe.h"

#include "calendar/papertext.h"

#include <algorithm>

namespace {

struct PlannerKind
{
    bool week;
    int rows; // days or hours
};

std::optional<PlannerKind> plannerKind(int layout)
{
    switch (layout) {
    case loWeek:
        return PlannerKind { true, 7 };
    case lo2Week:
        return PlannerKind { true, 14 };
    case loDay10:
        return PlannerKind { false, 10 };
    case loDay15:
        return PlannerKind { false, 15 };
    default:
        return std::nullopt;
    }
}

void framePlanner(PageFrame &f, const CalendarAttributes &a, const PageLayout &layout, PlannerKind kind)
{
    using namespace CalendarTexts;
    const QDate date = plannerDate(a.mainCalDay, a.mainCalMonth, a.mainCalYear);
    f.isWeekPlanner = kind.week;
    if (kind.week) {
        f.plannerTitle = weekPlannerTitle(date, kind.rows, a.monthNames);
        f.plannerLabels = weekPlannerLabels(date, kind.rows, a.monthNames, a.dayNames, a.headersStyle);
    } else {
        f.plannerTitle = dayPlannerTitle(date, a.monthNames, a.dayNames);
        f.plannerLabels = dayPlannerLabels(a.startingTime, kind.rows);
    }
    if (!a.userTitle.isEmpty())
        f.plannerTitle = a.userTitle;
    const int titleHeight
        = f.paper ? PaperText::plannerTitleHeight(a.titleFont, f.zoom) : textHeight(a.titleFont, f.zoom);
    f.planner = plannerFrame(layout.calendarRect.scaled(f.zoom), kind.rows + 1, titleHeight, f.plannerLabels);
}

// Minis that sit in the title band (the corner layouts) narrow the room the
// title may take to the space between them.
void keepTitleClearOfMinis(MonthGridFrame &grid, const std::vector<PageFrame::Mini> &minis, float zoom)
{
    const int gap = int(6 * zoom); // a sixteenth of an inch between title and mini
    TRect &room = grid.titleRoom;
    const int middle = (room.left + room.right) / 2;
    for (const PageFrame::Mini &mini : minis) {
        const TRect &b = mini.frame.bounds;
        if (b.bottom < room.top || b.top > room.bottom || b.right < room.left || b.left > room.right)
            continue;
        if ((b.left + b.right) / 2 < middle)
            room.left = std::max(room.left, b.right + 1 + gap);
        else
            room.right = std::min(room.right, b.left - 1 - gap);
    }
}

} // namespace

PageFrame computePageFrame(const CalendarAttributes &a, const PageLayout &layout, float zoom, bool paper)
{
    PageFrame f;
    f.zoom = zoom;
    f.paper = paper;
    f.pageRect = layout.pageRect.scaled(zoom);
    f.mainStyle = mainGridStyle(a, zoom);
    if (const auto planner = plannerKind(a.calendarLayout))
        framePlanner(f, a, layout, *planner);
    else if (layout.showsMonthGrid)
        f.grid = monthGridFrame(layout.calendarRect.scaled(zoom), f.mainStyle, zoom);
    if (layout.showsMinis) {
        for (int k = 0; k < layout.miniCount; ++k) {
            const MiniCalendarSlot &slot = layout.minis[size_t(k)];
            GridStyle style = miniGridStyle(a, slot.month);
            f.minis.push_back({ monthGridFrame(slot.rect.scaled(zoom), style, zoom), std::move(style) });
        }
    }
    if (f.grid)
        keepTitleClearOfMinis(*f.grid, f.minis, zoom);
    return f;
}
