#include "calendar/calendarattributes.h"

bool CalendarAttributes::sameAttributes(const CalendarAttributes &o) const
{
    return paperSize == o.paperSize && calendarLayout == o.calendarLayout && startOfWeek == o.startOfWeek
        && calendarOrientation == o.calendarOrientation && monthNames == o.monthNames
        && dayNames == o.dayNames && mainCalDay == o.mainCalDay && mainCalMonth == o.mainCalMonth
        && mainCalYear == o.mainCalYear && titleFont.sameLook(o.titleFont) && titleBGColor == o.titleBGColor
        && headersFont.sameLook(o.headersFont) && headersBGColor == o.headersBGColor
        && headersStyle == o.headersStyle && cellFont.sameLook(o.cellFont)
        && miniCalBGColor == o.miniCalBGColor && miniTitleFont.sameLook(o.miniTitleFont)
        && miniHeadersFont.sameLook(o.miniHeadersFont) && miniHeadersBGColor == o.miniHeadersBGColor
        && miniHeadersStyle == o.miniHeadersStyle && miniCellFont.sameLook(o.miniCellFont)
        && titleShowYear == o.titleShowYear && miniShowYear == o.miniShowYear
        && leftMarginInch == o.leftMarginInch && topMarginInch == o.topMarginInch
        && rightMarginInch == o.rightMarginInch && bottomMarginInch == o.bottomMarginInch
        && startingTime == o.startingTime && calendarLineLayout == o.calendarLineLayout
        && miniCalendarLineLayout == o.miniCalendarLineLayout && userTitle == o.userTitle
        && wmfBorderFile == o.wmfBorderFile && extras == o.extras;
}
