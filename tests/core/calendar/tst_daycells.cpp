#include "calendar/calendarpage.h"
#include "calendartesthelpers.h"

#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>

#include <vector>

// Geometry of the default page (Letter portrait, 0.25 in margins, January
// 1997, weeks from Sunday) at zoom 1, worked out by hand: columns 109 wide
// from x = 26, day rows 133 high from y = 229; a cell is (left0 + 4, top,
// left0 + 102, top + 131) with left0 = 27 + 109 j and top = 230 + 133 i.
// 1 January 1997 was a Wednesday, so day d sits in cell d + 3.

namespace {

struct CellClick
{
    TRect total;
    TRect free;
    int cell = 0;
    int day = 0;
    TWPRtfStorage *storage = nullptr;
};

// Records every event the page raises.
struct Listener
{
    std::vector<CellClick> cells;
    int headers = 0;
    int daysAreas = 0;
    int clicks = 0;

    void attach(CalendarPage &page)
    {
        page.ClickedInCellEvent
            = [this](const TRect &total, const TRect &free, int cell, int day, TWPRtfStorage &storage) {
                  cells.push_back({ total, free, cell, day, &storage });
              };
        page.OnClickedHeader = [this] { ++headers; };
        page.OnClickedDaysArea = [this] { ++daysAreas; };
        page.OnClick = [this] { ++clicks; };
    }
    [[nodiscard]] int total() const { return int(cells.size()) + headers + daysAreas + clicks; }
};

int digitHeight()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(21); // 16 pt at 96 ppi
    font.setBold(true);
    return QFontMetrics(font).height();
}

void paint(CalendarPage &page, float zoom = 1.0f)
{
    (void)page.renderImage(zoom);
}

} // namespace

class TestDayCells : public QObject
{
    Q_OBJECT

private slots:
    void nothingBeforeFirstPaint();
    void cellOfDay();
    void cellAtPointIsHalfOpen_data();
    void cellAtPointIsHalfOpen();
    void cellAtPointFollowsZoom();
    void contents();
    void previousAndNext();
    void previousAndNextNeedFreeRect();
    void clearAllCells();
    void clickOnCell();
    void clickRules();
    void clickOnMiniPageRaisesOnClick();
    void dropIntoCell();
    void weekPlannerClearsCellsBeyondItsRows();
    void dayPlannerClearsOtherCells();
};

void TestDayCells::nothingBeforeFirstPaint()
{
    CalendarPage page;
    Listener listener;
    listener.attach(page);
    QCOMPARE(page.cellAtPoint(400, 300), 0);
    QVERIFY(!page.pointInCell(400, 300));
    QCOMPARE(page.cellOfDay(1), -1);
    page.dropIntoCell(400, 300);
    QVERIFY(listener.cells.empty());
    page.click(400, 300, false);
    QVERIFY(listener.cells.empty());
    QCOMPARE(listener.clicks, 1);
}

void TestDayCells::cellOfDay()
{
    CalendarPage page;
    page.setMainCalMonth(6); // June 1997: 30 days from a Sunday
    paint(page);
    QCOMPARE(page.cellOfDay(1), 1);
    QCOMPARE(page.cellOfDay(30), 30);
    QCOMPARE(page.cellOfDay(31), -1);
    QCOMPARE(page.cellOfDay(0), 31); // the first cell outside the month
    QCOMPARE(page.dayOfCell(30), 30);
    QCOMPARE(page.dayOfCell(0), 0);
    QCOMPARE(page.dayOfCell(43), 0);

    page.setStartOfWeek(2);
    paint(page);
    QCOMPARE(page.cellOfDay(1), 7);
    QCOMPARE(page.cellOfDay(30), 36);
}

void TestDayCells::cellAtPointIsHalfOpen_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("cell");
    // Cell 1 is (31, 230, 129, 361), cell 2 starts at x = 140, cell 8 at y = 363.
    QTest::newRow("top left corner") << 31 << 230 << 1;
    QTest::newRow("last pixel inside") << 128 << 360 << 1;
    QTest::newRow("right edge") << 129 << 300 << 0;
    QTest::newRow("bottom edge") << 100 << 361 << 0;
    QTest::newRow("left of cell") << 30 << 300 << 0;
    QTest::newRow("cell 2") << 140 << 230 << 2;
    QTest::newRow("between rows") << 100 << 362 << 0;
    QTest::newRow("cell 8") << 100 << 363 << 8;
    QTest::newRow("cell 42") << 782 << 1025 << 42;
    QTest::newRow("title") << 400 << 100 << 0;
}

void TestDayCells::cellAtPointIsHalfOpen()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, cell);
    CalendarPage page;
    paint(page);
    QCOMPARE(page.cellAtPoint(x, y), cell);
    QCOMPARE(page.pointInCell(x, y), cell != 0);
}

void TestDayCells::cellAtPointFollowsZoom()
{
    CalendarPage page;
    paint(page, 0.6f);
    // At 0.6 cell 1 is (20, 138, 74, 216).
    QCOMPARE(page.cellAtPoint(20, 138), 1);
    QCOMPARE(page.cellAtPoint(74, 138), 0);
    QCOMPARE(page.cellAtPoint(31, 230), 8); // cell 8 at 0.6 is (20, 218, 74, 296)
    paint(page, 1.0f);
    QCOMPARE(page.cellAtPoint(31, 230), 1);
}

void TestDayCells::contents()
{
    CalendarPage page;
    QSignalSpy redraws(&page, &CalendarPage::redrawRequested);
    const QByteArray text = "{\\rtf1 Dentist}";
    page.setCellContents(0, text);
    page.setCellContents(43, text);
    QCOMPARE(redraws.count(), 0);
    QVERIFY(!page.anyCellHasContents());
    QCOMPARE(page.cellContents(0, "fallback"), QByteArray("fallback"));
    QCOMPARE(page.cellContents(43, "fallback"), QByteArray("fallback"));
    QVERIFY(page.cellStorage(0) == nullptr);

    page.setCellContents(42, text);
    QCOMPARE(redraws.count(), 1);
    QCOMPARE(page.cellContents(42, "fallback"), text);
    QVERIFY(page.anyCellHasContents());

    // Contents survive relayout and zoom.
    page.setCalendarLayout(loWeek);
    paint(page, 0.5f);
    QCOMPARE(page.cellContents(42), text);
}

void TestDayCells::previousAndNext()
{
    CalendarPage page;
    page.setMainCalMonth(6); // day 30 in cell 30
    paint(page);
    Listener listener;
    listener.attach(page);

    page.previousCell(1);
    page.nextCell(42);
    page.previousCell(0);
    page.nextCell(43);
    QVERIFY(listener.cells.empty());

    // Cell 31 lies outside the month but still has room for text.
    page.nextCell(30);
    page.previousCell(30);
    QCOMPARE(int(listener.cells.size()), 2);
    QCOMPARE(listener.cells[0].cell, 31);
    QCOMPARE(listener.cells[0].day, 0);
    QCOMPARE(listener.cells[1].cell, 29);
    QCOMPARE(listener.cells[1].day, 29);
    QCOMPARE(listener.cells[1].storage, page.cellStorage(29));
    page.nextCell(41);
    QCOMPARE(listener.cells.back().cell, 42);
}

void TestDayCells::previousAndNextNeedFreeRect()
{
    CalendarPage page;
    page.setNumberPosition(cnpCenter);
    paint(page);
    Listener listener;
    listener.attach(page);
    page.nextCell(30);
    page.previousCell(30);
    QVERIFY(listener.cells.empty());
    // A direct raise does not ask for room.
    page.raiseForCell(30);
    QCOMPARE(int(listener.cells.size()), 1);
    QVERIFY(listener.cells[0].free.isNull());
}

void TestDayCells::clearAllCells()
{
    CalendarPage page;
    paint(page);
    page.setCellContents(1, "{\\rtf1 a}");
    page.setCellContents(42, "plain");
    QSignalSpy redraws(&page, &CalendarPage::redrawRequested);
    page.clearAllCells();
    QCOMPARE(redraws.count(), 0); // the caller redraws
    QVERIFY(!page.anyCellHasContents());
    QVERIFY(page.cellContents(1).isEmpty());
    for (int i = 1; i <= 42; ++i) {
        QVERIFY(page.cellTable()[size_t(i - 1)].rect.isNull());
        QVERIFY(page.cellTable()[size_t(i - 1)].free.isNull());
    }
    QCOMPARE(page.cellAtPoint(400, 300), 0);
}

void TestDayCells::clickOnCell()
{
    CalendarPage page;
    paint(page);
    Listener listener;
    listener.attach(page);
    page.ClickedInCellEvent
        = [&listener](const TRect &total, const TRect &free, int cell, int day, TWPRtfStorage &storage) {
              listener.cells.push_back({ total, free, cell, day, &storage });
              storage.setRtf("{\\rtf1 from the editor}"); // the listener may replace the text
          };

    page.click(400, 300, false); // cell 4: left0 = 27 + 3 * 109 = 354
    QCOMPARE(listener.total(), 1);
    const CellClick &c = listener.cells.at(0);
    QCOMPARE(c.cell, 4);
    QCOMPARE(c.day, 1);
    QCOMPARE(c.total, (TRect { 358, 230, 456, 361 }));
    QCOMPARE(c.free, (TRect { 358, 230 + digitHeight(), 456, 361 }));
    QCOMPARE(c.storage, page.cellStorage(4));
    QCOMPARE(page.cellContents(4), QByteArray("{\\rtf1 from the editor}"));
}

void TestDayCells::clickRules()
{
    CalendarPage page;
    paint(page);
    Listener listener;
    listener.attach(page);

    page.setPanelState(psLabel); // a placing tool is active
    page.click(400, 300, false);
    page.click(400, 100, false);
    QCOMPARE(listener.total(), 0);
    page.setPanelState(psPointing);

    page.click(400, 100, false); // title band (26, 27, 789, 197)
    QCOMPARE(listener.headers, 1);
    QCOMPARE(listener.clicks, 1);
    page.click(400, 210, false); // weekday row (26, 198, 789, 229)
    QCOMPARE(listener.daysAreas, 1);
    QCOMPARE(listener.clicks, 2);
    page.click(132, 300, false); // between cells 1 and 2
    QCOMPARE(listener.clicks, 3);
    QVERIFY(listener.cells.empty());

    page.click(400, 300, true); // a placed object lies over cell 4
    QCOMPARE(listener.total(), 5);

    page.ClickedInCellEvent = nullptr;
    page.click(400, 300, false);
    QCOMPARE(listener.total(), 5);
}

void TestDayCells::clickOnMiniPageRaisesOnClick()
{
    CalendarPage page;
    paint(page);
    page.setCalendarLayout(loMC12Month);
    paint(page); // mini pages leave the old cell table alone
    QCOMPARE(page.cellAtPoint(400, 300), 4);
    Listener listener;
    listener.attach(page);
    page.click(400, 300, false);
    QVERIFY(listener.cells.empty());
    QCOMPARE(listener.clicks, 1);
}

void TestDayCells::dropIntoCell()
{
    CalendarPage page;
    paint(page);
    Listener listener;
    listener.attach(page);
    page.dropIntoCell(400, 100);
    QCOMPARE(listener.total(), 0);
    page.dropIntoCell(782, 1025);
    QCOMPARE(listener.total(), 1);
    QCOMPARE(listener.cells[0].cell, 42);
    QCOMPARE(listener.cells[0].day, 0);
}

void TestDayCells::weekPlannerClearsCellsBeyondItsRows()
{
    CalendarPage page;
    paint(page);
    QVERIFY(page.cellOfDay(15) > 8); // the month grid had a cell for the 15th
    page.setCalendarLayout(loWeek);
    page.setMainCalYear(1997);
    page.setMainCalMonth(12);
    page.setMainCalDay(29);
    paint(page);

    QCOMPARE(page.cellOfDay(1), 4); // 29, 30, 31, then 1 January
    QCOMPARE(page.dayOfCell(1), 29);
    QCOMPARE(page.dayOfCell(8), 0); // notes
    QVERIFY(!page.cellTable()[7].rect.isNull());
    // Rows past the planner's own must not keep the grid's days, or text
    // meant for the 15th would land in a cell nobody sees.
    for (int i = 9; i <= 42; ++i) {
        QVERIFY(page.cellTable()[size_t(i - 1)].rect.isNull());
        QCOMPARE(page.dayOfCell(i), 0);
    }
    QCOMPARE(page.cellOfDay(15), -1);
    QVERIFY(page.daysAreaHitRect().isNull());

    Listener listener;
    listener.attach(page);
    const TRect notes = page.cellTable()[7].rect;
    page.click(notes.left, notes.top, false);
    QCOMPARE(int(listener.cells.size()), 1);
    QCOMPARE(listener.cells[0].cell, 8);
    QCOMPARE(listener.cells[0].free, notes);
    const TRect title = page.titleHitRect();
    page.click(title.left, title.top, false);
    QCOMPARE(listener.headers, 1);
}

void TestDayCells::dayPlannerClearsOtherCells()
{
    CalendarPage page;
    paint(page);
    page.setCalendarLayout(loDay10);
    paint(page);
    for (int i = 1; i <= 11; ++i) {
        QVERIFY(!page.cellTable()[size_t(i - 1)].rect.isNull());
        QCOMPARE(page.dayOfCell(i), 0);
    }
    for (int i = 12; i <= 42; ++i)
        QVERIFY(page.cellTable()[size_t(i - 1)].rect.isNull());
    QCOMPARE(page.cellOfDay(1), -1);

    // The reference cell is cell 1's free rectangle grown by 5 at right and bottom.
    const TRect free = page.cellTable()[0].free;
    QCOMPARE(page.referenceCellSize(), (TRect { free.left, free.top, free.right + 5, free.bottom + 5 }));
}

QTEST_MAIN(TestDayCells)
#include "tst_daycells.moc"
