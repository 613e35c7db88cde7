// The calendar page widget on the offscreen platform: its size follows the
// page and the scale, real mouse clicks reach the day cells, and what it
// shows is exactly what the page renders into an image.
#include "surface/calendarpanel32.h"

#include <QtTest>

namespace {

struct CellHit
{
    TRect total;
    TRect free;
    int cell = 0;
    int day = 0;
};

// Cell (row, column) of the main month grid at a zoom, from the cutting
// rules, with the number in the upper right.
[[nodiscard]] TRect cellRect(const CalendarPage &page, float zoom, int row, int column)
{
    const TRect r = page.layout().calendarRect.scaled(zoom);
    const int titleBottom = r.top + 1 + qMax(int((r.bottom - 1 - r.top) * 0.17), int(1.5 * 96 * zoom));
    const int d0 = titleBottom + 1 + int(1.5 * qAbs(page.headersFont().pixelHeight(zoom)));
    const int cw = (r.right - 1 - r.left) / 7, rh = (r.bottom - 1 - d0) / 6;
    const int left0 = r.left + column * cw + 1, top = d0 + row * rh + 1;
    return { left0 + 4, top, left0 + cw - 7, top + rh - 2 };
}

[[nodiscard]] QPoint centreOf(const TRect &r)
{
    return { (r.left + r.right) / 2, (r.top + r.bottom) / 2 };
}

// A shown, painted panel whose cell events are recorded.
class PanelFixture
{
public:
    explicit PanelFixture(float scale)
    {
        m_panel.SetScale(scale);
        m_panel.page().ClickedInCellEvent
            = [this](const TRect &total, const TRect &free, int cell, int day, TWPRtfStorage &) {
                  hits.push_back({ total, free, cell, day });
              };
        m_panel.page().OnClickedHeader = [this] { ++headerClicks; };
        m_panel.page().OnClick = [this] { ++plainClicks; };
    }

    [[nodiscard]] bool showAndPaint()
    {
        m_panel.show();
        if (!QTest::qWaitForWindowExposed(&m_panel))
            return false;
        m_panel.repaint(); // the cell table is the one the last paint recorded
        return true;
    }

    [[nodiscard]] TCalendarPanel32 &panel() { return m_panel; }

    std::vector<CellHit> hits;
    int headerClicks = 0;
    int plainClicks = 0;

private:
    TCalendarPanel32 m_panel;
};

} // namespace

class TestCalendarPanel32 : public QObject
{
    Q_OBJECT

private slots:
    void sizeFollowsPageAndScale_data();
    void sizeFollowsPageAndScale();
    void clickOnDayCellRaisesCellEvent_data();
    void clickOnDayCellRaisesCellEvent();
    void clicksOutsideCells();
    void doubleClickRaisesNoSecondCellEvent();
    void placingToolSwallowsClicks();
    void grabEqualsRenderedImage_data();
    void grabEqualsRenderedImage();
};

void TestCalendarPanel32::sizeFollowsPageAndScale_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<QSize>("portrait");
    QTest::addColumn<QSize>("landscape");
    QTest::newRow("1.0") << 1.0f << QSize(816, 1056) << QSize(1056, 816);
    QTest::newRow("0.601") << 0.601f << QSize(490, 634) << QSize(634, 490);
    QTest::newRow("0.75") << 0.75f << QSize(612, 792) << QSize(792, 612);
}

void TestCalendarPanel32::sizeFollowsPageAndScale()
{
    QFETCH(float, scale);
    QFETCH(QSize, portrait);
    QFETCH(QSize, landscape);
    TCalendarPanel32 panel;
    panel.SetScale(scale);
    QCOMPARE(panel.size(), portrait);
    panel.page().setCalendarLayout(LOFullCalendarLS);
    QCOMPARE(panel.size(), landscape);
    panel.page().setCalendarLayout(loWeek); // planners are portrait again
    QCOMPARE(panel.size(), portrait);
    panel.page().setPaperSize(PaperSize::A4);
    QCOMPARE(panel.size(), QSize(int(793 * double(scale)), int(1122 * double(scale))));
}

void TestCalendarPanel32::clickOnDayCellRaisesCellEvent_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("day"); // January 1997 starts on a Wednesday
    QTest::newRow("day 15 at 1.0") << 1.0f << 2 << 3 << 15;
    QTest::newRow("day 15 at 0.601") << 0.601f << 2 << 3 << 15;
    QTest::newRow("day 1 at 0.75") << 0.75f << 0 << 3 << 1;
    QTest::newRow("empty cell before day 1") << 0.75f << 0 << 0 << 0;
    QTest::newRow("last cell") << 0.601f << 5 << 6 << 0;
}

void TestCalendarPanel32::clickOnDayCellRaisesCellEvent()
{
    QFETCH(float, scale);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, day);
    PanelFixture f(scale);
    QVERIFY(f.showAndPaint());
    const TRect expected = cellRect(f.panel().page(), scale, row, column);
    QTest::mouseClick(&f.panel(), Qt::LeftButton, {}, centreOf(expected));
    QCOMPARE(int(f.hits.size()), 1);
    const CellHit &hit = f.hits.front();
    QCOMPARE(hit.cell, 7 * row + column + 1);
    QCOMPARE(hit.day, day);
    QCOMPARE(hit.total, expected);
    QCOMPARE(hit.free.left, expected.left);
    QVERIFY(hit.free.top > expected.top); // the number's line is kept free of text
    QCOMPARE(f.plainClicks, 0);
}

void TestCalendarPanel32::clicksOutsideCells()
{
    PanelFixture f(0.601f);
    QVERIFY(f.showAndPaint());
    const TRect first = cellRect(f.panel().page(), 0.601f, 0, 0);
    // The title band is a header click, a line between cells a plain click.
    QTest::mouseClick(&f.panel(), Qt::LeftButton, {}, QPoint(first.left + 40, first.top - 60));
    QTest::mouseClick(&f.panel(), Qt::LeftButton, {}, QPoint(first.right + 3, first.top + 20));
    QCOMPARE(int(f.hits.size()), 0);
    QCOMPARE(f.headerClicks, 1);
    QCOMPARE(f.plainClicks, 2);

    // A page of mini calendars has no day cells to click.
    f.panel().page().setCalendarLayout(loMC12Month);
    f.panel().repaint();
    QTest::mouseClick(&f.panel(), Qt::LeftButton, {}, f.panel().rect().center());
    QCOMPARE(int(f.hits.size()), 0);
    QCOMPARE(f.plainClicks, 3);
}

void TestCalendarPanel32::doubleClickRaisesNoSecondCellEvent()
{
    PanelFixture f(1.0f);
    QVERIFY(f.showAndPaint());
    const QPoint at = centreOf(cellRect(f.panel().page(), 1.0f, 3, 2));
    // Through the window system, as a real double click arrives.
    QTest::mouseDClick(f.panel().windowHandle(), Qt::LeftButton, {}, at);
    QCOMPARE(int(f.hits.size()), 1);
    QTest::mouseDClick(&f.panel(), Qt::LeftButton, {}, at);
    QCOMPARE(int(f.hits.size()), 1);
}

void TestCalendarPanel32::placingToolSwallowsClicks()
{
    PanelFixture f(1.0f);
    QVERIFY(f.showAndPaint());
    const QPoint at = centreOf(cellRect(f.panel().page(), 1.0f, 1, 1));
    f.panel().page().setPanelState(psLabel);
    QVERIFY(!f.panel().pointing());
    QTest::mouseClick(&f.panel(), Qt::LeftButton, {}, at);
    QCOMPARE(int(f.hits.size()), 0);
    QCOMPARE(f.plainClicks, 0);
    f.panel().page().setPanelState(psPointing);
    QVERIFY(f.panel().pointing());
    QTest::mouseClick(&f.panel(), Qt::LeftButton, {}, at);
    QCOMPARE(int(f.hits.size()), 1);
    QCOMPARE(f.hits.front().cell, 9);
}

void TestCalendarPanel32::grabEqualsRenderedImage_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<float>("scale");
    QTest::newRow("month grid at 1.0") << int(loFullCalendar) << 1.0f;
    QTest::newRow("minis in title at 0.601") << int(loFCMinisInTitleLS) << 0.601f;
    QTest::newRow("60 minis at 0.501") << int(loMC60MonthLS) << 0.501f;
    QTest::newRow("day planner at 0.701") << int(loDay15) << 0.701f;
}

void TestCalendarPanel32::grabEqualsRenderedImage()
{
    QFETCH(int, layout);
    QFETCH(float, scale);
    PanelFixture f(scale);
    f.panel().page().setCalendarLayout(layout);
    QVERIFY(f.showAndPaint());
    const QImage shown = f.panel().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage rendered = f.panel().page().renderImage(scale);
    if (shown != rendered) {
        const QString base = QDir::temp().filePath(QStringLiteral("tst_calendarpanel32-%1").arg(layout));
        shown.save(base + QStringLiteral("-shown.png"));
        rendered.save(base + QStringLiteral("-rendered.png"));
        QFAIL(qPrintable(QStringLiteral("widget and image differ; see %1-*.png").arg(base)));
    }
}

QTEST_MAIN(TestCalendarPanel32)
#include "tst_calendarpanel32.moc"
