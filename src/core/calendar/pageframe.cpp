#include "calendar/pageframe.h"

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
    f.planner = plannerFrame(
        layout.calendarRect.scaled(f.zoom), kind.rows + 1, a.titleFont, f.zoom, f.plannerLabels);
}

} // namespace

PageFrame computePageFrame(const CalendarAttributes &a, const PageLayout &layout, float zoom)
{
    PageFrame f;
    f.zoom = zoom;
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
    return f;
}
