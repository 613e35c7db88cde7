#include "calendar/gridframe.h"
#include "calendar/gridstyle.h"
#include "calendartesthelpers.h"

#include <QFontMetrics>
#include <QTest>

// The month grid and planner boxes, worked out by hand from the Letter
// portrait calendar rectangle (26, 26, 790, 1030) and its zoomed forms.

namespace {

// The line height of "Times New Roman" at a pixel size, measured directly.
int lineHeight(int pixelSize, bool bold = true)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return QFontMetrics(font).height();
}

GridStyle mainStyle(
    int month, int year, float zoom, int startOfWeek = 1, TCalendarNumberPosition position = cnpUpperRight)
{
    CalendarAttributes a;
    a.mainCalMonth = month;
    a.mainCalYear = year;
    a.startOfWeek = startOfWeek;
    a.numberPosition = position;
    return mainGridStyle(a, zoom);
}

const DayCell &cell(const MonthGridFrame &frame, int index)
{
    return frame.cells[size_t(index - 1)];
}

} // namespace

class TestGridFrame : public QObject
{
    Q_OBJECT

private slots:
    void monthGrid_data();
    void monthGrid();
    void titleMinimum();
    void headerRowHeight_data();
    void headerRowHeight();
    void centredNumbersLeaveNoFreeRect();
    void dayNumbering_data();
    void dayNumbering();
    void weekPlanner_data();
    void weekPlanner();
    void dayPlanner();
};

void TestGridFrame::monthGrid_data()
{
    QTest::addColumn<float>("zoom");
    QTest::addColumn<TRect>("bounds");
    QTest::addColumn<int>("minimumTitle");
    QTest::addColumn<TRect>("titleBand");
    QTest::addColumn<TRect>("headerRow");
    QTest::addColumn<int>("columnWidth");
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<TRect>("firstCell");
    QTest::addColumn<TRect>("lastCell");
    QTest::addColumn<int>("digitPixels"); // cell font 16 pt at the zoom, in pixels

    // Zoom 1: title trunc(1003 * 0.17) = 170 >= 144; header 16 pt = 21 px -> 31;
    // cw = 763 div 7 = 109; D0 = 229, rh = 800 div 6 = 133.
    // Cell 1: left0 27, top 230 -> (27 + 4, 230, 27 + 109 - 7, 230 + 131).
    // Cell 42: left0 26 + 6 * 109 + 1 = 681, top 229 + 5 * 133 + 1 = 895.
    QTest::newRow("zoom 1") << 1.0f << TRect { 26, 26, 790, 1030 } << 144 << TRect { 26, 27, 789, 197 }
                            << TRect { 26, 198, 789, 229 } << 109 << 133 << TRect { 31, 230, 129, 361 }
                            << TRect { 685, 895, 783, 1026 } << 21;
    // Zoom 0.6: bounds trunc(26 * 0.6) = 15, 474, 618; minimum trunc(86.4) = 86 and
    // title trunc(602 * 0.17) = 102; header trunc(9.6) = 9 pt = 12 px -> 18;
    // cw = 458 div 7 = 65; D0 = 137, rh = 480 div 6 = 80.
    QTest::newRow("zoom 0.6") << 0.6f << TRect { 15, 15, 474, 618 } << 86 << TRect { 15, 16, 473, 118 }
                              << TRect { 15, 119, 473, 137 } << 65 << 80 << TRect { 20, 138, 74, 216 }
                              << TRect { 410, 538, 464, 616 } << 12;
}

void TestGridFrame::monthGrid()
{
    QFETCH(float, zoom);
    QFETCH(TRect, bounds);
    QFETCH(int, minimumTitle);
    QFETCH(TRect, titleBand);
    QFETCH(TRect, headerRow);
    QFETCH(int, columnWidth);
    QFETCH(int, rowHeight);
    QFETCH(TRect, firstCell);
    QFETCH(TRect, lastCell);
    QFETCH(int, digitPixels);

    QCOMPARE(TRect({ 26, 26, 790, 1030 }).scaled(zoom), bounds);
    const GridStyle style = mainStyle(1, 1997, zoom);
    QCOMPARE(style.minimumTitleHeight, minimumTitle);
    const MonthGridFrame f = monthGridFrame(bounds, style, zoom);

    QCOMPARE(f.working, (TRect { bounds.left, bounds.top, bounds.right - 1, bounds.bottom - 1 }));
    QCOMPARE(f.titleBand, titleBand);
    QCOMPARE(f.titleHit, titleBand); // the proportional band already exceeds the minimum
    QCOMPARE(f.headerRow, headerRow);
    QCOMPARE(f.columnWidth, columnWidth);
    QCOMPARE(f.daysTop, headerRow.bottom);
    QCOMPARE(f.rowHeight, rowHeight);
    const int left0 = bounds.left + 1;
    QCOMPARE(f.headerBoxes[0], (TRect { left0, headerRow.top, left0 + columnWidth - 2, headerRow.bottom }));
    QCOMPARE(f.headerBoxes[6].left, left0 + 6 * columnWidth);

    QCOMPARE(cell(f, 1).rect, firstCell);
    QCOMPARE(cell(f, 42).rect, lastCell);
    // Row 2, column 3: the grid steps by cw and rh.
    QCOMPARE(cell(f, 18).rect.left, firstCell.left + 3 * columnWidth);
    QCOMPARE(cell(f, 18).rect.top, firstCell.top + 2 * rowHeight);

    // The free rectangle starts one digit's text height below the cell's top.
    const int digit = lineHeight(digitPixels);
    TRect free = firstCell;
    free.top += digit;
    QCOMPARE(cell(f, 1).free, free);
    QCOMPARE(cell(f, 42).free.top, lastCell.top + digit);
}

void TestGridFrame::titleMinimum()
{
    const TRect bounds { 0, 0, 700, 500 };
    // trunc(499 * 0.17) = 84 is below the 144 minimum of the main grid.
    const MonthGridFrame main = monthGridFrame(bounds, mainStyle(1, 1997, 1.0f), 1.0f);
    QCOMPARE(main.titleHit, (TRect { 0, 1, 699, 85 }));
    QCOMPARE(main.titleBand, (TRect { 0, 1, 699, 145 }));
    QCOMPARE(main.headerRow.top, 146);

    // Mini calendars have no minimum, centred numbers and no free rectangles.
    const GridStyle miniStyle = miniGridStyle(CalendarAttributes(), { 3, 1997 });
    QCOMPARE(miniStyle.minimumTitleHeight, 0);
    const MonthGridFrame mini = monthGridFrame(bounds, miniStyle, 1.0f);
    QCOMPARE(mini.titleBand, (TRect { 0, 1, 699, 85 }));
    QCOMPARE(mini.titleHit, mini.titleBand);
    QVERIFY(cell(mini, 7).free.isNull());
}

void TestGridFrame::headerRowHeight_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<float>("zoom");
    QTest::addColumn<int>("height");
    // points -> pixels rounds 96/72 of the size; the row is trunc(1.5 x pixels).
    QTest::newRow("16 pt") << 16 << 1.0f << 31; // 21.33 -> 21 -> 31
    QTest::newRow("8 pt") << 8 << 1.0f << 16; // 10.67 -> 11 -> 16
    QTest::newRow("10 pt") << 10 << 1.0f << 19; // 13.33 -> 13 -> 19
    QTest::newRow("12 pt") << 12 << 1.0f << 24; // 16 -> 24
    QTest::newRow("16 pt at 0.5") << 16 << 0.5f << 16; // 8 pt -> 10.67 -> 11 -> 16
    QTest::newRow("30 pt at 0.3") << 30 << 0.3f << 18; // trunc(9.0000004) = 9 pt -> 12 -> 18
}

void TestGridFrame::headerRowHeight()
{
    QFETCH(int, points);
    QFETCH(float, zoom);
    QFETCH(int, height);
    CalendarAttributes a;
    a.headersFont.size = points;
    const MonthGridFrame f = monthGridFrame({ 0, 0, 700, 900 }, mainGridStyle(a, zoom), zoom);
    QCOMPARE(f.headerRow.height(), height);
}

void TestGridFrame::centredNumbersLeaveNoFreeRect()
{
    const MonthGridFrame f
        = monthGridFrame({ 26, 26, 790, 1030 }, mainStyle(1, 1997, 1.0f, 1, cnpCenter), 1.0f);
    QCOMPARE(cell(f, 1).rect, (TRect { 27, 230, 134, 361 })); // not inset: (left0, .., left0 + cw - 2, ..)
    for (const DayCell &c : f.cells)
        QVERIFY(c.free.isNull());
    QCOMPARE(cell(f, 4).day, 1);
}

void TestGridFrame::dayNumbering_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("startOfWeek");
    QTest::addColumn<int>("firstCell"); // the cell of day 1
    QTest::addColumn<int>("days");

    // 1 January 1997 was a Wednesday: column 4 from Sunday, 3 from Monday.
    QTest::newRow("Jan 1997 Sunday first") << 1 << 1997 << 1 << 4 << 31;
    QTest::newRow("Jan 1997 Monday first") << 1 << 1997 << 2 << 3 << 31;
    // 1 June 1997 was a Sunday: column 7 of row 0 when weeks start on Monday.
    QTest::newRow("Jun 1997 Sunday first") << 6 << 1997 << 1 << 1 << 30;
    QTest::newRow("Jun 1997 Monday first") << 6 << 1997 << 2 << 7 << 30;
    QTest::newRow("Jun 1997 start 5 means Monday") << 6 << 1997 << 5 << 7 << 30;
    // 1 February 1998 was a Sunday; 1 February 2000 a Tuesday (leap year).
    QTest::newRow("Feb 1998") << 2 << 1998 << 1 << 1 << 28;
    QTest::newRow("Feb 2000") << 2 << 2000 << 1 << 3 << 29;
    // 1 August 1998 was a Saturday: day 31 lands in the sixth row.
    QTest::newRow("Aug 1998 Sunday first") << 8 << 1998 << 1 << 7 << 31;
    QTest::newRow("Aug 1998 Monday first") << 8 << 1998 << 2 << 6 << 31;
}

void TestGridFrame::dayNumbering()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, startOfWeek);
    QFETCH(int, firstCell);
    QFETCH(int, days);
    const MonthGridFrame f
        = monthGridFrame({ 26, 26, 790, 1030 }, mainStyle(month, year, 1.0f, startOfWeek), 1.0f);
    for (int index = 1; index <= 42; ++index) {
        const int day = index - firstCell + 1;
        QCOMPARE(cell(f, index).day, day >= 1 && day <= days ? day : 0);
    }
}

void TestGridFrame::weekPlanner_data()
{
    QTest::addColumn<float>("zoom");
    QTest::addColumn<TRect>("bounds");
    QTest::addColumn<int>("titlePixels"); // title font 26 pt at the zoom
    QTest::addColumn<int>("labelRight");
    // Zoom 1: 26 pt = 35 px; label right 26 + trunc(763 * 0.15) = 26 + 114.
    QTest::newRow("zoom 1") << 1.0f << TRect { 26, 26, 790, 1030 } << 35 << 140;
    // Zoom 0.6: trunc(15.6) = 15 pt = 20 px; label right 15 + trunc(458 * 0.15) = 15 + 68.
    QTest::newRow("zoom 0.6") << 0.6f << TRect { 15, 15, 474, 618 } << 20 << 83;
}

void TestGridFrame::weekPlanner()
{
    QFETCH(float, zoom);
    QFETCH(TRect, bounds);
    QFETCH(int, titlePixels);
    QFETCH(int, labelRight);
    const QStringList months = englishMonths();
    const auto labels
        = CalendarTexts::weekPlannerLabels(QDate(1997, 12, 29), 7, months, englishDays(), dsWhole);
    const PlannerFrame f
        = plannerFrame(bounds, 8, textHeight(CalendarFont { "Times New Roman", 26, true }, zoom), labels);

    const int x0 = bounds.left, y0 = bounds.top, x1 = bounds.right, y1 = bounds.bottom;
    const int titleBottom = y0 + 1 + lineHeight(titlePixels);
    QCOMPARE(f.titleBand, (TRect { x0 + 5, y0 + 1, x1 - 6, titleBottom }));
    QCOMPARE(f.box, (TRect { x0, titleBottom + 1, x1 - 1, y1 - 1 }));
    const int boxTop = titleBottom + 1;
    const int rh = (y1 - 1 - boxTop) / 8;
    QCOMPARE(f.rowHeight, rh);
    QCOMPARE(f.labelRight, labelRight);

    QCOMPARE(int(f.cells.size()), 8);
    QCOMPARE(f.cells[0].rect, (TRect { labelRight + 4, boxTop + 4, x1 - 5, boxTop + rh - 4 }));
    QCOMPARE(f.cells[3].rect.top, boxTop + 3 * rh + 4);
    QCOMPARE(f.cells[7].rect.bottom, y1 - 1 - 4); // the notes row reaches the box bottom
    for (const DayCell &c : f.cells)
        QCOMPARE(c.free, c.rect);
    // Day numbers come from the second labels: 29, 30, 31, 1, 2, 3, 4, then notes.
    const int days[8] = { 29, 30, 31, 1, 2, 3, 4, 0 };
    for (int q = 0; q < 8; ++q)
        QCOMPARE(f.cells[size_t(q)].day, days[q]);

    const int labelTop = boxTop + 2 * rh + 1;
    QCOMPARE(f.rows[2].upperLabel, (TRect { x0, labelTop, labelRight, labelTop + rh / 2 }));
    QCOMPARE(f.rows[2].lowerLabel, (TRect { x0, labelTop + rh / 2, labelRight, boxTop + 3 * rh }));
}

void TestGridFrame::dayPlanner()
{
    const auto labels = CalendarTexts::dayPlannerLabels(8.0 / 24.0, 10);
    const PlannerFrame f = plannerFrame(
        { 26, 26, 790, 1030 }, 11, textHeight(CalendarFont { "Times New Roman", 26, true }, 1.0f), labels);
    const int boxTop = 27 + lineHeight(35) + 1;
    const int rh = (1029 - boxTop) / 11;
    QCOMPARE(int(f.cells.size()), 11);
    QCOMPARE(f.cells[10].rect, (TRect { 144, boxTop + 10 * rh + 4, 785, 1025 }));
    for (const DayCell &c : f.cells)
        QCOMPARE(c.day, 0); // time labels carry no day
}

QTEST_MAIN(TestGridFrame)
#include "tst_gridframe.moc"
