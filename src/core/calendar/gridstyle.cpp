#include "calendar/gridstyle.h"

#include "base/pageresolution.h"

static GridStyle sharedStyle(const CalendarAttributes &a)
{
    GridStyle s;
    s.startOfWeek = a.startOfWeek;
    s.monthNames = a.monthNames;
    s.dayNames = a.dayNames;
    s.startingTime = a.startingTime;
    s.extras = a.extras;
    s.weekFont = a.miniCellFont;
    return s;
}

GridStyle mainGridStyle(const CalendarAttributes &a, float zoom)
{
    GridStyle s = sharedStyle(a);
    s.background = clWhite;
    s.titleBackground = a.titleBGColor;
    s.minimumTitleHeight = int(1.5 * kScreenPpi * zoom);
    s.day = a.mainCalDay;
    s.month = a.mainCalMonth;
    s.year = a.mainCalYear;
    s.numberPosition = a.numberPosition;
    s.outerBorder = a.calendarBorder;
    s.titleFont = a.titleFont;
    s.showYear = a.titleShowYear;
    s.userTitle = a.userTitle;
    s.headerFont = a.headersFont;
    s.headerBorder = a.headersBorder;
    s.headerStyle = a.headersStyle;
    s.headerBackground = a.headersBGColor;
    s.cellFont = a.cellFont;
    s.cellBorder = a.cellBorder;
    return s;
}

GridStyle miniGridStyle(const CalendarAttributes &a, MonthYear month)
{
    GridStyle s = sharedStyle(a);
    s.background = a.miniCalBGColor;
    s.titleBackground = a.miniCalBGColor;
    s.minimumTitleHeight = 0;
    s.month = month.month;
    s.year = month.year;
    s.numberPosition = cnpCenter;
    s.outerBorder = a.miniCalBorder;
    s.titleFont = a.miniTitleFont;
    s.showYear = a.miniShowYear;
    s.headerFont = a.miniHeadersFont;
    s.headerBorder = a.miniHeadersBorder;
    s.headerStyle = a.miniHeadersStyle;
    s.headerBackground = a.miniHeadersBGColor;
    s.cellFont = a.miniCellFont;
    s.cellBorder = a.miniCellBorder;
    s.extras.moonPhases = false;
    return s;
}
