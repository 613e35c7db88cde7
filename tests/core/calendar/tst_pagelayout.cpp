#include "calendar/calendarpage.h"
#include "calendar/pagelayout.h"
#include "calendartesthelpers.h"

#include <QSignalSpy>
#include <QTest>

#include <set>

// Expected numbers are worked out by hand at 96 pixels per inch:
// inch(x) = trunc(96 x); Letter 8.5 x 11 in = 816 x 1056, A4 8.27 x 11.69 in
// = trunc(793.92) x trunc(1122.24) = 793 x 1122; 0.25 in = 24 px.

namespace {

CalendarAttributes attributesFor(int layout, int month = 1, int year = 1997)
{
    CalendarAttributes a;
    a.calendarLayout = layout;
    a.mainCalMonth = month;
    a.mainCalYear = year;
    return a;
}

const MiniCalendarSlot &mini(const PageLayout &layout, int k)
{
    return layout.minis[size_t(k - 1)];
}

} // namespace

class TestPageLayout : public QObject
{
    Q_OBJECT

private slots:
    void perLayout_data();
    void perLayout();
    void letterPortraitRectangles();
    void a4Rectangles();
    void controlFollowsZoom();
    void borderInsetsLayoutNotPage_data();
    void borderInsetsLayoutNotPage();
    void minisInTitle();
    void sixBeforeSixAfterPortrait();
    void sixBeforeSixAfterLandscape();
    void twelveAfter();
    void miniPageGrid();
    void miniPagesKeepCalendarRect();
    void monthStepping_data();
    void monthStepping();
    void daysInMonth_data();
    void daysInMonth();
};

void TestPageLayout::perLayout_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<bool>("grid");
    QTest::addColumn<bool>("minis");
    QTest::addColumn<bool>("planner");
    QTest::addColumn<int>("miniCount");
    QTest::addColumn<int>("miniTitleSize"); // 0: the layout sets no mini font sizes
    QTest::addColumn<int>("miniOtherSize"); // trunc(0.8 x title size)
    QTest::addColumn<int>("rows"); // of the mini grid on mini pages
    QTest::addColumn<int>("columns");

    QTest::newRow("0 full") << 0 << false << true << false << false << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("1 full LS") << 1 << true << true << false << false << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("2 minis in title") << 2 << false << true << true << false << 2 << 10 << 8 << 0 << 0;
    QTest::newRow("3 minis in title LS") << 3 << true << true << true << false << 2 << 10 << 8 << 0 << 0;
    QTest::newRow("4 six and six") << 4 << false << true << true << false << 12 << 10 << 8 << 0 << 0;
    QTest::newRow("5 six and six LS") << 5 << true << true << true << false << 12 << 10 << 8 << 0 << 0;
    QTest::newRow("6 twelve after") << 6 << false << true << true << false << 12 << 10 << 8 << 0 << 0;
    QTest::newRow("7 twelve after LS") << 7 << true << true << true << false << 12 << 10 << 8 << 0 << 0;
    QTest::newRow("8 6 months") << 8 << false << false << true << false << 6 << 18 << 14 << 3 << 2;
    QTest::newRow("9 6 months LS") << 9 << true << false << true << false << 6 << 18 << 14 << 2 << 3;
    QTest::newRow("10 12 months") << 10 << false << false << true << false << 12 << 18 << 14 << 4 << 3;
    QTest::newRow("11 12 months LS") << 11 << true << false << true << false << 12 << 18 << 14 << 3 << 4;
    QTest::newRow("12 24 months") << 12 << false << false << true << false << 24 << 12 << 9 << 6 << 4;
    QTest::newRow("13 24 months LS") << 13 << true << false << true << false << 24 << 12 << 9 << 4 << 6;
    QTest::newRow("14 48 months") << 14 << false << false << true << false << 48 << 10 << 8 << 8 << 6;
    QTest::newRow("15 48 months LS") << 15 << true << false << true << false << 48 << 10 << 8 << 6 << 8;
    QTest::newRow("16 60 months") << 16 << false << false << true << false << 60 << 8 << 6 << 10 << 6;
    QTest::newRow("17 60 months LS") << 17 << true << false << true << false << 60 << 8 << 6 << 6 << 10;
    QTest::newRow("18 week") << 18 << false << false << false << true << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("19 two weeks") << 19 << false << false << false << true << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("20 day 10") << 20 << false << false << false << true << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("21 day 15") << 21 << false << false << false << true << 0 << 0 << 0 << 0 << 0;
}

void TestPageLayout::perLayout()
{
    QFETCH(int, layout);
    QFETCH(bool, landscape);
    QFETCH(bool, grid);
    QFETCH(bool, minis);
    QFETCH(bool, planner);
    QFETCH(int, miniCount);
    QFETCH(int, miniTitleSize);
    QFETCH(int, miniOtherSize);
    QFETCH(int, rows);
    QFETCH(int, columns);

    CalendarAttributes a = attributesFor(layout);
    a.calendarOrientation = landscape ? coPortrait : coLandscape; // never trusted
    const PageLayout letter = computePageLayout(a);
    QCOMPARE(letter.orientation, landscape ? coLandscape : coPortrait);
    QCOMPARE(QSize(letter.pageWidth, letter.pageHeight), landscape ? QSize(1056, 816) : QSize(816, 1056));
    a.paperSize = PaperSize::A4;
    const PageLayout a4 = computePageLayout(a);
    QCOMPARE(QSize(a4.pageWidth, a4.pageHeight), landscape ? QSize(1122, 793) : QSize(793, 1122));

    QCOMPARE(letter.showsMonthGrid, grid);
    QCOMPARE(letter.showsMinis, minis);
    QCOMPARE(letter.isPlanner, planner);
    QCOMPARE(letter.miniCount, miniCount);

    // Mini font sizes are applied only when relayout is asked to.
    CalendarPage page;
    page.setCalendarLayout(layout);
    QCOMPARE(page.miniTitleFont().size, 6);
    page.relayout(true);
    QCOMPARE(page.miniTitleFont().size, miniTitleSize ? miniTitleSize : 6);
    QCOMPARE(page.miniHeadersFont().size, miniOtherSize ? miniOtherSize : 8);
    QCOMPARE(page.miniCellFont().size, miniOtherSize ? miniOtherSize : 6);

    if (rows == 0)
        return;
    // Mini pages: the grid's shape, and mini k shows January 1997 + k - 1.
    std::set<int> lefts, tops;
    for (int k = 1; k <= miniCount; ++k) {
        lefts.insert(mini(letter, k).rect.left);
        tops.insert(mini(letter, k).rect.top);
    }
    QCOMPARE(int(lefts.size()), columns);
    QCOMPARE(int(tops.size()), rows);
    QCOMPARE(mini(letter, 1).month, (MonthYear { 1, 1997 }));
    QCOMPARE(mini(letter, columns + 1).rect.top, *std::next(tops.begin()));
    const MonthYear last = mini(letter, miniCount).month;
    QCOMPARE(last.year * 12 + last.month - 1, 1997 * 12 + miniCount - 1);
}

void TestPageLayout::letterPortraitRectangles()
{
    const PageLayout layout = computePageLayout(attributesFor(loFullCalendar));
    QCOMPARE(layout.pageWidth, 816);
    QCOMPARE(layout.pageHeight, 1056);
    QCOMPARE(layout.pageRect, (TRect { 24, 24, 792, 1032 }));
    // standard: (24 + 2, 24 + 2, 816 - 24 - 2, 1056 - 24 - 2)
    QCOMPARE(layout.calendarRect, (TRect { 26, 26, 790, 1030 }));

    // Planners use the standard rectangle too; uneven margins: 1 in = 96, 0.1 in = 9.
    CalendarAttributes a = attributesFor(loWeek);
    a.leftMarginInch = 1.0f;
    a.rightMarginInch = 0.1f;
    QCOMPARE(computePageLayout(a).calendarRect, (TRect { 98, 26, 805, 1030 }));
    QCOMPARE(computePageLayout(a).pageRect, (TRect { 96, 24, 807, 1032 }));
}

void TestPageLayout::a4Rectangles()
{
    CalendarAttributes a = attributesFor(LOFullCalendarLS);
    a.paperSize = PaperSize::A4;
    const PageLayout layout = computePageLayout(a);
    QCOMPARE(layout.pageRect, (TRect { 24, 24, 1098, 769 }));
    QCOMPARE(layout.calendarRect, (TRect { 26, 26, 1096, 767 }));
}

void TestPageLayout::controlFollowsZoom()
{
    CalendarPage page;
    QCOMPARE(page.controlSize(), QSize(816, 1056));
    QSignalSpy layouts(&page, &CalendarPage::layoutChanged);
    page.setDisplayScale(0.6f);
    QCOMPARE(layouts.count(), 1);
    QCOMPARE(page.controlSize(), QSize(489, 633)); // trunc(489.6), trunc(633.6)
    page.setCalendarLayout(LOFullCalendarLS);
    QCOMPARE(page.controlSize(), QSize(633, 489));
    // The layout itself stays at zoom 1.
    QCOMPARE(page.layout().calendarRect, (TRect { 26, 26, 1030, 790 }));
}

void TestPageLayout::borderInsetsLayoutNotPage_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<TRect>("calendar");
    QTest::addColumn<int>("miniIndex");
    QTest::addColumn<TRect>("miniRect");

    // Margins 0.25 + 0.47 = 0.72 in = trunc(69.12) = 69 px: standard (71, 71, 745, 985).
    QTest::newRow("full") << 0 << TRect { 71, 71, 745, 985 } << 0 << TRect {};
    QTest::newRow("week") << 18 << TRect { 71, 71, 745, 985 } << 0 << TRect {};
    // s = 144, g = 12: (71 + 12, 71 + 12, 71 + 144 - 12, 71 + 144 - 12)
    QTest::newRow("minis in title") << 2 << TRect { 71, 71, 745, 985 } << 1 << TRect { 83, 83, 203, 203 };
    // 4 x 3 minis in (71, 71, 745, 985): gv = trunc(9.14) = 9, gh = trunc(6.74) = 6,
    // h = trunc((914 - 27) / 4) = 221, w = trunc((674 - 12) / 3) = 220; mini 12 flush right/bottom.
    QTest::newRow("12 months") << 10 << TRect { 26, 26, 790, 1030 } << 12 << TRect { 525, 764, 745, 985 };
}

void TestPageLayout::borderInsetsLayoutNotPage()
{
    QFETCH(int, layout);
    QFETCH(TRect, calendar);
    QFETCH(int, miniIndex);
    QFETCH(TRect, miniRect);
    CalendarPage page; // its layout 0 leaves the calendar rectangle a mini page keeps
    CalendarAttributes a = page.attributes();
    a.calendarLayout = layout;
    a.wmfBorderFile = "Holly";
    page.loadAttributes(a);

    QCOMPARE(page.layout().pageRect, (TRect { 24, 24, 792, 1032 }));
    QCOMPARE(page.layout().calendarRect, calendar);
    if (miniIndex > 0)
        QCOMPARE(mini(page.layout(), miniIndex).rect, miniRect);
}

void TestPageLayout::minisInTitle()
{
    const PageLayout portrait = computePageLayout(attributesFor(loFCMinisInTitle));
    QCOMPARE(mini(portrait, 1).rect, (TRect { 38, 38, 158, 158 })); // (26 + 12, 26 + 12, 26 + 144 - 12, ...)
    QCOMPARE(mini(portrait, 2).rect, (TRect { 658, 38, 778, 158 })); // (790 - 144 + 12, ..., 790 - 12, ...)
    QCOMPARE(mini(portrait, 1).month, (MonthYear { 12, 1996 }));
    QCOMPARE(mini(portrait, 2).month, (MonthYear { 2, 1997 }));

    const PageLayout landscape = computePageLayout(attributesFor(loFCMinisInTitleLS, 12, 1997));
    QCOMPARE(landscape.calendarRect, (TRect { 26, 26, 1030, 790 }));
    QCOMPARE(mini(landscape, 2).rect, (TRect { 898, 38, 1018, 158 }));
    QCOMPARE(mini(landscape, 1).month, (MonthYear { 11, 1997 }));
    QCOMPARE(mini(landscape, 2).month, (MonthYear { 1, 1998 }));
}

void TestPageLayout::sixBeforeSixAfterPortrait()
{
    const PageLayout layout = computePageLayout(attributesFor(loFC6Before6After, 1, 1998));
    // inch(0.25 + 1.3) = trunc(148.8) = 148.
    QCOMPARE(layout.calendarRect, (TRect { 26, 150, 790, 906 }));
    // Top row in (26, 26, 790, 146): gh = 7, w = trunc((764 - 35) / 6) = 121, h = 120.
    QCOMPARE(mini(layout, 1).rect, (TRect { 26, 26, 147, 146 }));
    QCOMPARE(mini(layout, 2).rect, (TRect { 154, 26, 275, 146 }));
    QCOMPARE(mini(layout, 6).rect, (TRect { 669, 26, 790, 146 }));
    // Bottom row in (26, 1056 - 148 + 2, 790, 1030).
    QCOMPARE(mini(layout, 7).rect, (TRect { 26, 910, 147, 1030 }));
    QCOMPARE(mini(layout, 12).rect, (TRect { 669, 910, 790, 1030 }));

    const MonthYear expected[12] = { { 7, 1997 }, { 8, 1997 }, { 9, 1997 }, { 10, 1997 }, { 11, 1997 },
        { 12, 1997 }, { 2, 1998 }, { 3, 1998 }, { 4, 1998 }, { 5, 1998 }, { 6, 1998 }, { 7, 1998 } };
    for (int k = 1; k <= 12; ++k)
        QCOMPARE(mini(layout, k).month, expected[k - 1]);
}

void TestPageLayout::sixBeforeSixAfterLandscape()
{
    const PageLayout layout = computePageLayout(attributesFor(loFC6Before6AfterLS));
    // (148 + 4, 26, 1056 - 148 - 4, 816 - 24 - 2)
    QCOMPARE(layout.calendarRect, (TRect { 152, 26, 904, 790 }));
    // Left column in (26, 26, 148, 790): gv = 7, h = trunc((764 - 35) / 6) = 121, w = 122.
    QCOMPARE(mini(layout, 1).rect, (TRect { 26, 26, 148, 147 }));
    QCOMPARE(mini(layout, 2).rect, (TRect { 26, 154, 148, 275 }));
    QCOMPARE(mini(layout, 6).rect, (TRect { 26, 669, 148, 790 }));
    // Right column in (1056 - 148 + 2, 26, 1030, 790): w = 120.
    QCOMPARE(mini(layout, 7).rect, (TRect { 910, 26, 1030, 147 }));
    QCOMPARE(mini(layout, 12).rect, (TRect { 910, 669, 1030, 790 }));
    QCOMPARE(mini(layout, 1).month, (MonthYear { 7, 1996 }));
    QCOMPARE(mini(layout, 7).month, (MonthYear { 2, 1997 }));
}

void TestPageLayout::twelveAfter()
{
    const PageLayout portrait = computePageLayout(attributesFor(loFC12After, 12, 1997));
    // inch(3.15) = trunc(302.4) = 302; inch(3.05) = trunc(292.8) = 292.
    QCOMPARE(portrait.calendarRect, (TRect { 26, 26, 790, 752 }));
    // 2 x 6 in (26, 766, 790, 1028): gv = 2, gh = 7, h = 130, w = 121.
    QCOMPARE(mini(portrait, 1).rect, (TRect { 26, 766, 147, 896 }));
    QCOMPARE(mini(portrait, 7).rect, (TRect { 26, 898, 147, 1028 }));
    QCOMPARE(mini(portrait, 12).rect, (TRect { 669, 898, 790, 1028 }));
    QCOMPARE(mini(portrait, 1).month, (MonthYear { 1, 1998 }));
    QCOMPARE(mini(portrait, 12).month, (MonthYear { 12, 1998 }));

    const PageLayout landscape = computePageLayout(attributesFor(loFC12AfterLS));
    // (26, 26, 1056 - 302 + 8, 790)
    QCOMPARE(landscape.calendarRect, (TRect { 26, 26, 762, 790 }));
    // 6 x 2 in (766, 26, 1028, 790): gv = 7, gh = 2, h = 121, w = 130.
    QCOMPARE(mini(landscape, 1).rect, (TRect { 766, 26, 896, 147 }));
    QCOMPARE(mini(landscape, 2).rect, (TRect { 898, 26, 1028, 147 }));
    QCOMPARE(mini(landscape, 11).rect, (TRect { 766, 669, 896, 790 }));
    QCOMPARE(mini(landscape, 12).rect, (TRect { 898, 669, 1028, 790 }));
    QCOMPARE(mini(landscape, 1).month, (MonthYear { 2, 1997 }));
}

void TestPageLayout::miniPageGrid()
{
    const PageLayout layout = computePageLayout(attributesFor(loMC60Month));
    // 10 x 6 in (26, 26, 790, 1030): gv = trunc(10.04) = 10, gh = trunc(7.64) = 7,
    // h = trunc((1004 - 90) / 10) = 91, w = trunc((764 - 35) / 6) = trunc(121.5) = 121.
    QCOMPARE(mini(layout, 1).rect, (TRect { 26, 26, 147, 117 }));
    QCOMPARE(mini(layout, 2).rect, (TRect { 154, 26, 275, 117 }));
    QCOMPARE(mini(layout, 7).rect, (TRect { 26, 127, 147, 218 }));
    // The last column and row sit flush with the area, not on the running grid.
    QCOMPARE(mini(layout, 6).rect, (TRect { 669, 26, 790, 117 }));
    QCOMPARE(mini(layout, 55).rect, (TRect { 26, 939, 147, 1030 }));
    QCOMPARE(mini(layout, 60).rect, (TRect { 669, 939, 790, 1030 }));
    QCOMPARE(mini(layout, 60).month, (MonthYear { 12, 2001 }));
}

void TestPageLayout::miniPagesKeepCalendarRect()
{
    CalendarPage page;
    page.setLeftMarginInch(1.0f);
    const TRect before { 98, 26, 790, 1030 };
    QCOMPARE(page.layout().calendarRect, before);
    page.setCalendarLayout(loMC12Month);
    page.setLeftMarginInch(0.5f);
    page.setCalendarLayout(loMC24MonthLS);
    QCOMPARE(page.layout().calendarRect, before);
    QCOMPARE(mini(page.layout(), 1).rect.left, 50); // the minis do follow the margin
    page.setCalendarLayout(loFullCalendar);
    QCOMPARE(page.layout().calendarRect, (TRect { 50, 26, 790, 1030 }));
}

void TestPageLayout::monthStepping_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("expectedMonth");
    QTest::addColumn<int>("expectedYear");
    QTest::newRow("none") << 5 << 1997 << 0 << 5 << 1997;
    QTest::newRow("within year") << 5 << 1997 << 3 << 8 << 1997;
    QTest::newRow("december forward") << 12 << 1997 << 1 << 1 << 1998;
    QTest::newRow("january back") << 1 << 1998 << -1 << 12 << 1997;
    QTest::newRow("six back across year") << 3 << 1998 << -6 << 9 << 1997;
    QTest::newRow("59 forward") << 1 << 1997 << 59 << 12 << 2001;
    QTest::newRow("25 back") << 2 << 2000 << -25 << 1 << 1998;
    QTest::newRow("year 1 back") << 1 << 1 << -1 << 12 << 0;
}

void TestPageLayout::monthStepping()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, step);
    QFETCH(int, expectedMonth);
    QFETCH(int, expectedYear);
    QCOMPARE(addMonths({ month, year }, step), (MonthYear { expectedMonth, expectedYear }));
}

void TestPageLayout::daysInMonth_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("days");
    QTest::newRow("Feb 1900") << 2 << 1900 << 28;
    QTest::newRow("Feb 2000") << 2 << 2000 << 29;
    QTest::newRow("Feb 2024") << 2 << 2024 << 29;
    QTest::newRow("Feb 2100") << 2 << 2100 << 28;
    QTest::newRow("Feb 2023") << 2 << 2023 << 28;
    QTest::newRow("Jan") << 1 << 2023 << 31;
    QTest::newRow("Apr") << 4 << 2023 << 30;
    QTest::newRow("Sep") << 9 << 1997 << 30;
    QTest::newRow("Dec") << 12 << 1997 << 31;
}

void TestPageLayout::daysInMonth()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, days);
    QCOMPARE(::daysInMonth(month, year), days);
}

QTEST_MAIN(TestPageLayout)
#include "tst_pagelayout.moc"
