#include "calendar/pagelayout.h"

#include "base/pageresolution.h"

#include <QDate>

int inch(double inches)
{
    return int(kScreenPpi * inches);
}

MonthYear addMonths(MonthYear from, int months)
{
    int index = from.year * 12 + (from.month - 1) + months;
    // Floor division keeps years before 0 consistent.
    int year = index >= 0 ? index / 12 : -((-index + 11) / 12);
    return { index - year * 12 + 1, year };
}

int daysInMonth(int month, int year)
{
    static const int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && QDate::isLeapYear(year))
        return 29;
    return days[month - 1];
}

namespace {

struct Margins
{
    float left, top, right, bottom;
};

struct PaperInches
{
    double shortSide, longSide;
};

PaperInches paperInches(PaperSize paper)
{
    return paper == PaperSize::A4 ? PaperInches { 8.27, 11.69 } : PaperInches { 8.5, 11.0 };
}

int miniFontSizeOf(int layout)
{
    static const int sizes[kLayoutCount]
        = { 0, 0, 10, 10, 10, 10, 10, 10, 18, 18, 18, 18, 12, 12, 10, 10, 8, 8, 0, 0, 0, 0 };
    return sizes[layout];
}

void layoutMinisInTitle(PageLayout &out, MonthYear main)
{
    const int s = int(1.5 * kScreenPpi);
    const int g = kScreenPpi / 8;
    const TRect &c = out.calendarRect;
    out.miniCount = 2;
    out.minis[0] = { { c.left + g, c.top + g, c.left + s - g, c.top + s - g }, addMonths(main, -1) };
    out.minis[1] = { { c.right - s + g, c.top + g, c.right - g, c.top + s - g }, addMonths(main, 1) };
}

void layoutSixBeforeSixAfter(PageLayout &out, const Margins &m, MonthYear main, bool landscape)
{
    const double a = 1.3;
    const int w = out.pageWidth, h = out.pageHeight;
    out.miniCount = 12;
    if (!landscape) {
        out.calendarRect
            = { inch(m.left) + 2, inch(m.top + a) + 2, w - inch(m.right) - 2, h - inch(m.bottom + a) - 2 };
        layoutMiniGrid(out, 1, 6, 1, 6,
            { inch(m.left) + 2, inch(m.top) + 2, w - inch(m.right) - 2, inch(m.top + a) - 2 },
            addMonths(main, -6));
        layoutMiniGrid(out, 1, 6, 7, 12,
            { inch(m.left) + 2, h - inch(m.bottom + a) + 2, w - inch(m.right) - 2, h - inch(m.bottom) - 2 },
            addMonths(main, 1));
    } else {
        out.calendarRect
            = { inch(m.left + a) + 4, inch(m.top) + 2, w - inch(m.right + a) - 4, h - inch(m.bottom) - 2 };
        layoutMiniGrid(out, 6, 1, 1, 6,
            { inch(m.left) + 2, inch(m.top) + 2, inch(m.left + a), h - inch(m.bottom) - 2 },
            addMonths(main, -6));
        layoutMiniGrid(out, 6, 1, 7, 12,
            { w - inch(m.right + a) + 2, inch(m.top) + 2, w - inch(m.right) - 2, h - inch(m.bottom) - 2 },
            addMonths(main, 1));
    }
}

void layoutTwelveAfter(PageLayout &out, const Margins &m, MonthYear main, bool landscape)
{
    const int w = out.pageWidth, h = out.pageHeight;
    out.miniCount = 12;
    if (!landscape) {
        out.calendarRect
            = { inch(m.left) + 2, inch(m.top) + 2, w - inch(m.right) - 2, h - inch(m.bottom + 2.9) - 2 };
        layoutMiniGrid(out, 2, 6, 1, 12,
            { inch(m.left) + 2, h - inch(m.bottom + 2.8) + 2, w - inch(m.right) - 2, h - inch(m.bottom) - 4 },
            addMonths(main, 1));
    } else {
        out.calendarRect
            = { inch(m.left) + 2, inch(m.top) + 2, w - inch(m.right + 2.9) + 8, h - inch(m.bottom) - 2 };
        layoutMiniGrid(out, 6, 2, 1, 12,
            { w - inch(m.right + 2.8) + 2, inch(m.top) + 2, w - inch(m.right) - 4, h - inch(m.bottom) - 2 },
            addMonths(main, 1));
    }
}

struct MiniPageGrid
{
    int rows, columns;
};

MiniPageGrid miniPageGrid(int layout)
{
    switch (layout) {
    case lopMC6Month:
        return { 3, 2 };
    case lopMC6MonthLS:
        return { 2, 3 };
    case loMC12Month:
        return { 4, 3 };
    case loMC12MonthLS:
        return { 3, 4 };
    case loMC24Month:
        return { 6, 4 };
    case loMC24MonthLS:
        return { 4, 6 };
    case loMC48Month:
        return { 8, 6 };
    case loMC48MonthLS:
        return { 6, 8 };
    case loMC60Month:
        return { 10, 6 };
    default:
        return { 6, 10 };
    }
}

} // namespace

void layoutMiniGrid(
    PageLayout &layout, int rows, int columns, int first, int last, const TRect &area, MonthYear firstMonth)
{
    const int gv = int((area.bottom - area.top) * 0.01);
    const int gh = int((area.right - area.left) * 0.01);
    const int h = int(double(area.bottom - area.top - gv * (rows - 1)) / rows);
    const int w = int(double(area.right - area.left - gh * (columns - 1)) / columns);
    int k = first;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (k > last || k > kMaxMinis)
                return;
            const int left = column == columns - 1 ? area.right - w : area.left + column * (gh + w);
            const int top = row == rows - 1 ? area.bottom - h : area.top + row * (gv + h);
            layout.minis[k - 1] = { { left, top, left + w, top + h }, addMonths(firstMonth, k - first) };
            ++k;
        }
    }
}

PageLayout computePageLayout(const CalendarAttributes &a, const TRect &previousCalendarRect)
{
    PageLayout out;
    const float border = a.wmfBorderFile.isEmpty() ? 0.0f : 0.47f;
    const Margins m { a.leftMarginInch + border, a.topMarginInch + border, a.rightMarginInch + border,
        a.bottomMarginInch + border };
    const int layout = isValidLayout(a.calendarLayout) ? a.calendarLayout : loFullCalendar;
    const bool landscape = isLandscapeLayout(layout);
    out.orientation = landscape ? coLandscape : coPortrait;

    const PaperInches paper = paperInches(a.paperSize);
    out.pageWidth = inch(landscape ? paper.longSide : paper.shortSide);
    out.pageHeight = inch(landscape ? paper.shortSide : paper.longSide);
    out.pageRect = { inch(a.leftMarginInch), inch(a.topMarginInch), out.pageWidth - inch(a.rightMarginInch),
        out.pageHeight - inch(a.bottomMarginInch) };
    const TRect standard { inch(m.left) + 2, inch(m.top) + 2, out.pageWidth - inch(m.right) - 2,
        out.pageHeight - inch(m.bottom) - 2 };

    const int kind = layoutKind(layout);
    out.showsMonthGrid = kind == 0;
    out.showsMinis = layout >= loFCMinisInTitle && layout <= loMC60MonthLS;
    out.isPlanner = kind >= 2;
    out.miniFontSize = miniFontSizeOf(layout);
    out.calendarRect = standard;

    const MonthYear main { a.mainCalMonth, a.mainCalYear };
    switch (layout) {
    case loFCMinisInTitle:
    case loFCMinisInTitleLS:
        layoutMinisInTitle(out, main);
        break;
    case loFC6Before6After:
    case loFC6Before6AfterLS:
        layoutSixBeforeSixAfter(out, m, main, landscape);
        break;
    case loFC12After:
    case loFC12AfterLS:
        layoutTwelveAfter(out, m, main, landscape);
        break;
    default:
        if (kind == 1) {
            const MiniPageGrid grid = miniPageGrid(layout);
            out.calendarRect = previousCalendarRect;
            out.miniCount = grid.rows * grid.columns;
            layoutMiniGrid(out, grid.rows, grid.columns, 1, out.miniCount, standard, main);
        }
        break;
    }
    return out;
}
