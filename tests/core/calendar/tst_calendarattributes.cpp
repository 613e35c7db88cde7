#include "calendar/calendarpage.h"
#include "calendartesthelpers.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>

#include <functional>

using PageEdit = std::function<void(CalendarPage &)>;
Q_DECLARE_METATYPE(PageEdit)

namespace {

void checkFont(const CalendarFont &font, int size, bool bold, TColor color)
{
    QCOMPARE(font.name, QStringLiteral("Times New Roman"));
    QCOMPARE(font.size, size);
    QCOMPARE(font.bold, bold);
    QVERIFY(!font.italic && !font.underline && !font.strikeout);
    QCOMPARE(font.color, color);
}

} // namespace

class TestCalendarAttributes : public QObject
{
    Q_OBJECT

private slots:
    void constructionDefaults();
    void setterSignals_data();
    void setterSignals();
    void fontSettersActOnEveryCall();
    void lineLayoutPresets_data();
    void lineLayoutPresets();
    void miniLineLayoutPresets_data();
    void miniLineLayoutPresets();
    void sameLineLayoutKeepsLoadedBorders();
    void orientationFollowsLayout();
    void invalidValuesRefused();
    void nameTables();
    void resetToDefaultStyle();
};

void TestCalendarAttributes::constructionDefaults()
{
    const CalendarPage page;
    QCOMPARE(page.calendarLayout(), int(loFullCalendar));
    QCOMPARE(page.calendarOrientation(), coPortrait);
    QCOMPARE(page.calendarLineLayout(), llFull);
    QCOMPARE(page.miniCalendarLineLayout(), mllFull);
    QCOMPARE(page.calendarBorder(), cbAll);
    QCOMPARE(page.headersBorder(), cbAll);
    QCOMPARE(page.cellBorder(), cbAll);
    QCOMPARE(page.miniCalBorder(), cbAll);
    QCOMPARE(page.miniHeadersBorder(), cbBottom);
    QCOMPARE(page.miniCellBorder(), cbNone);
    QCOMPARE(page.headersStyle(), dsThreeChars);
    QCOMPARE(page.miniHeadersStyle(), dsFirstChar);
    QCOMPARE(page.numberPosition(), cnpUpperRight);
    QVERIFY(page.titleShowYear());
    QVERIFY(page.miniShowYear());
    QCOMPARE(page.titleBGColor(), TColor(0xFFFFFF));
    QCOMPARE(page.headersBGColor(), TColor(0xFFFFFF));
    QCOMPARE(page.miniHeadersBGColor(), TColor(0xFFFFFF));
    QCOMPARE(page.miniCalBGColor(), TColor(0xFFFFFF));
    checkFont(page.titleFont(), 26, true, 0);
    checkFont(page.headersFont(), 16, true, 0);
    checkFont(page.cellFont(), 16, true, 0);
    checkFont(page.miniTitleFont(), 6, true, 0);
    checkFont(page.miniHeadersFont(), 8, false, 0xFFFFFF);
    checkFont(page.miniCellFont(), 6, false, 0);
    QCOMPARE(page.mainCalDay(), 0);
    QCOMPARE(page.mainCalMonth(), 1);
    QCOMPARE(page.mainCalYear(), 1997);
    QCOMPARE(page.startOfWeek(), 1);
    QCOMPARE(page.leftMarginInch(), 0.25f);
    QCOMPARE(page.topMarginInch(), 0.25f);
    QCOMPARE(page.rightMarginInch(), 0.25f);
    QCOMPARE(page.bottomMarginInch(), 0.25f);
    QVERIFY(page.userTitle().isEmpty());
    QVERIFY(page.wmfBorderFile().isEmpty());
    QCOMPARE(page.panelState(), psPointing);
    QCOMPARE(page.paperSize(), PaperSize::Letter);
    QCOMPARE(page.startingTime(), 8.0 / 24.0);
    QCOMPARE(page.attributes().monthNames, englishMonths()); // the C locale's names
    QCOMPARE(page.attributes().dayNames, englishDays());
    QVERIFY(!page.anyCellHasContents());
}

void TestCalendarAttributes::setterSignals_data()
{
    QTest::addColumn<PageEdit>("edit"); // sets a value other than the default
    QTest::addColumn<bool>("relayout"); // false: redraw only

    const auto redraw = [](const char *name, PageEdit edit) { QTest::newRow(name) << edit << false; };
    const auto relayout = [](const char *name, PageEdit edit) { QTest::newRow(name) << edit << true; };
    redraw("CalendarBorder", [](CalendarPage &p) { p.setCalendarBorder(cbTop); });
    redraw("HeadersBorder", [](CalendarPage &p) { p.setHeadersBorder(cbNone); });
    redraw("CellBorder", [](CalendarPage &p) { p.setCellBorder(cbBottom); });
    redraw("MiniCalBorder", [](CalendarPage &p) { p.setMiniCalBorder(cbTopBottom); });
    redraw("MiniHeadersBorder", [](CalendarPage &p) { p.setMiniHeadersBorder(cbAll); });
    redraw("MiniCellBorder", [](CalendarPage &p) { p.setMiniCellBorder(cbAll); });
    redraw("HeadersStyle", [](CalendarPage &p) { p.setHeadersStyle(dsWhole); });
    redraw("MiniHeadersStyle", [](CalendarPage &p) { p.setMiniHeadersStyle(dsThreeChars); });
    redraw("NumberPosition", [](CalendarPage &p) { p.setNumberPosition(cnpCenter); });
    redraw("TitleShowYear", [](CalendarPage &p) { p.setTitleShowYear(false); });
    redraw("MiniShowYear", [](CalendarPage &p) { p.setMiniShowYear(false); });
    redraw("TitleBGColor", [](CalendarPage &p) { p.setTitleBGColor(0x0000FF); });
    redraw("HeadersBGColor", [](CalendarPage &p) { p.setHeadersBGColor(0x00FF00); });
    redraw("MiniHeadersBGColor", [](CalendarPage &p) { p.setMiniHeadersBGColor(0); });
    redraw("MiniCalBGColor", [](CalendarPage &p) { p.setMiniCalBGColor(0xC0C0C0); });
    redraw("StartOfWeek", [](CalendarPage &p) { p.setStartOfWeek(2); });
    redraw("UserTitle", [](CalendarPage &p) { p.setUserTitle("Our year"); });
    redraw("CalendarLineLayout", [](CalendarPage &p) { p.setCalendarLineLayout(llCellsOnly); });
    redraw("MiniCalendarLineLayout", [](CalendarPage &p) { p.setMiniCalendarLineLayout(mllMinimal); });
    relayout("CalendarLayout", [](CalendarPage &p) { p.setCalendarLayout(loWeek); });
    relayout("MainCalDay", [](CalendarPage &p) { p.setMainCalDay(15); });
    relayout("MainCalMonth", [](CalendarPage &p) { p.setMainCalMonth(7); });
    relayout("MainCalYear", [](CalendarPage &p) { p.setMainCalYear(2024); });
    relayout("LeftMarginInch", [](CalendarPage &p) { p.setLeftMarginInch(0.5f); });
    relayout("TopMarginInch", [](CalendarPage &p) { p.setTopMarginInch(0.3f); });
    relayout("RightMarginInch", [](CalendarPage &p) { p.setRightMarginInch(0.0f); });
    relayout("BottomMarginInch", [](CalendarPage &p) { p.setBottomMarginInch(1.0f); });
    relayout("paper size", [](CalendarPage &p) { p.setPaperSize(PaperSize::A4); });
    relayout("starting time", [](CalendarPage &p) { p.setStartingTime(9.0 / 24.0); });
}

void TestCalendarAttributes::setterSignals()
{
    QFETCH(PageEdit, edit);
    QFETCH(bool, relayout);
    CalendarPage page;
    QSignalSpy redraws(&page, &CalendarPage::redrawRequested);
    QSignalSpy layouts(&page, &CalendarPage::layoutChanged);

    edit(page);
    QCOMPARE(layouts.count(), relayout ? 1 : 0);
    QCOMPARE(redraws.count(), relayout ? 0 : 1);

    // The same value again: nothing at all.
    edit(page);
    QCOMPARE(layouts.count(), relayout ? 1 : 0);
    QCOMPARE(redraws.count(), relayout ? 0 : 1);
}

void TestCalendarAttributes::fontSettersActOnEveryCall()
{
    CalendarPage page;
    QSignalSpy redraws(&page, &CalendarPage::redrawRequested);
    CalendarFont font = page.titleFont();
    font.italic = true;
    font.size = 30;
    page.setTitleFont(font);
    page.setTitleFont(font);
    QCOMPARE(page.titleFont(), font);
    page.setHeadersFont(page.headersFont());
    page.setCellFont(page.cellFont());
    page.setMiniTitleFont(page.miniTitleFont());
    page.setMiniHeadersFont(page.miniHeadersFont());
    page.setMiniCellFont(page.miniCellFont());
    QCOMPARE(redraws.count(), 7);
}

void TestCalendarAttributes::lineLayoutPresets_data()
{
    QTest::addColumn<TCalendarLineLayout>("lineLayout");
    QTest::addColumn<TCalBorderStyle>("calendar");
    QTest::addColumn<TCalBorderStyle>("headers");
    QTest::addColumn<TCalBorderStyle>("cells");
    QTest::newRow("full") << llFull << cbAll << cbAll << cbAll;
    QTest::newRow("headers and cells") << llHeadersAndCells << cbNone << cbAll << cbAll;
    QTest::newRow("cells only") << llCellsOnly << cbNone << cbNone << cbAll;
}

void TestCalendarAttributes::lineLayoutPresets()
{
    QFETCH(TCalendarLineLayout, lineLayout);
    QFETCH(TCalBorderStyle, calendar);
    QFETCH(TCalBorderStyle, headers);
    QFETCH(TCalBorderStyle, cells);
    CalendarPage page;
    // Start from another value with odd borders, so the preset must act.
    CalendarAttributes attributes = page.attributes();
    attributes.calendarLineLayout = lineLayout == llFull ? llCellsOnly : llFull;
    attributes.calendarBorder = attributes.headersBorder = attributes.cellBorder = cbBottom;
    page.loadAttributes(attributes);

    page.setCalendarLineLayout(lineLayout);
    QCOMPARE(page.calendarLineLayout(), lineLayout);
    QCOMPARE(page.calendarBorder(), calendar);
    QCOMPARE(page.headersBorder(), headers);
    QCOMPARE(page.cellBorder(), cells);
    QCOMPARE(page.miniCalBorder(), cbAll); // the mini borders are not its business
    QCOMPARE(page.miniHeadersBorder(), cbBottom);
}

void TestCalendarAttributes::miniLineLayoutPresets_data()
{
    QTest::addColumn<TMiniCalendarLineLayout>("lineLayout");
    QTest::addColumn<TCalBorderStyle>("calendar");
    QTest::addColumn<TCalBorderStyle>("cells");
    QTest::addColumn<TCalBorderStyle>("headers");
    QTest::newRow("full") << mllFull << cbAll << cbAll << cbAll;
    QTest::newRow("boxed") << mllBoxed << cbAll << cbNone << cbTopBottom;
    QTest::newRow("minimal") << mllMinimal << cbNone << cbNone << cbTop;
}

void TestCalendarAttributes::miniLineLayoutPresets()
{
    QFETCH(TMiniCalendarLineLayout, lineLayout);
    QFETCH(TCalBorderStyle, calendar);
    QFETCH(TCalBorderStyle, cells);
    QFETCH(TCalBorderStyle, headers);
    CalendarPage page;
    CalendarAttributes attributes = page.attributes();
    attributes.miniCalendarLineLayout = lineLayout == mllFull ? mllMinimal : mllFull;
    attributes.miniCalBorder = attributes.miniCellBorder = attributes.miniHeadersBorder = cbBottom;
    page.loadAttributes(attributes);

    page.setMiniCalendarLineLayout(lineLayout);
    QCOMPARE(page.miniCalBorder(), calendar);
    QCOMPARE(page.miniCellBorder(), cells);
    QCOMPARE(page.miniHeadersBorder(), headers);
    QCOMPARE(page.calendarBorder(), cbAll);
}

void TestCalendarAttributes::sameLineLayoutKeepsLoadedBorders()
{
    CalendarPage page;
    CalendarAttributes attributes = page.attributes();
    attributes.calendarLineLayout = llHeadersAndCells;
    attributes.miniCalendarLineLayout = mllBoxed;
    attributes.calendarBorder = attributes.headersBorder = attributes.cellBorder = cbTop;
    attributes.miniCalBorder = attributes.miniHeadersBorder = attributes.miniCellBorder = cbTop;
    page.loadAttributes(attributes);
    QSignalSpy redraws(&page, &CalendarPage::redrawRequested);

    page.setCalendarLineLayout(llHeadersAndCells);
    page.setMiniCalendarLineLayout(mllBoxed);
    QCOMPARE(redraws.count(), 0);
    for (TCalBorderStyle style : { page.calendarBorder(), page.headersBorder(), page.cellBorder(),
             page.miniCalBorder(), page.miniHeadersBorder(), page.miniCellBorder() })
        QCOMPARE(style, cbTop);
}

void TestCalendarAttributes::orientationFollowsLayout()
{
    CalendarPage page;
    page.setCalendarOrientation(coLandscape);
    QCOMPARE(page.calendarOrientation(), coPortrait);
    QCOMPARE(page.controlSize(), QSize(816, 1056));

    page.setCalendarLayout(LOFullCalendarLS);
    QCOMPARE(page.calendarOrientation(), coLandscape);
    page.setCalendarOrientation(coPortrait);
    QCOMPARE(page.calendarOrientation(), coLandscape);

    // Planners are portrait although they follow odd-numbered layouts.
    page.setCalendarLayout(lo2Week);
    QCOMPARE(page.calendarOrientation(), coPortrait);
    page.setCalendarLayout(loDay10);
    QCOMPARE(page.calendarOrientation(), coPortrait);
}

void TestCalendarAttributes::invalidValuesRefused()
{
    CalendarPage page;
    QSignalSpy layouts(&page, &CalendarPage::layoutChanged);
    page.setCalendarLayout(22);
    page.setCalendarLayout(-1);
    page.setMainCalMonth(0);
    page.setMainCalMonth(13);
    page.setMainCalYear(0);
    page.setMainCalYear(10000);
    page.setLeftMarginInch(-0.25f);
    page.setTopMarginInch(std::numeric_limits<float>::quiet_NaN());
    QCOMPARE(page.calendarLayout(), int(loFullCalendar));
    QCOMPARE(page.mainCalMonth(), 1);
    QCOMPARE(page.mainCalYear(), 1997);
    QCOMPARE(page.leftMarginInch(), 0.25f);
    QCOMPARE(page.topMarginInch(), 0.25f);
    QCOMPARE(layouts.count(), 0);
}

void TestCalendarAttributes::nameTables()
{
    CalendarPage page;
    QSignalSpy redraws(&page, &CalendarPage::redrawRequested);
    QString name = "untouched";
    for (int index : { -1, 0, 13 }) {
        page.monthName(index, name);
        QCOMPARE(name, QStringLiteral("untouched"));
    }
    for (int index : { 0, 8 }) {
        page.dayName(index, name);
        QCOMPARE(name, QStringLiteral("untouched"));
    }
    page.monthName(12, name);
    QCOMPARE(name, QStringLiteral("December"));
    page.dayName(1, name);
    QCOMPARE(name, QStringLiteral("Sunday"));

    page.setMonthName(0, "Nil");
    page.setMonthName(13, "Undecember");
    page.setDayName(8, "Octoday");
    page.setMonthName(3, "März");
    page.setDayName(7, "Samstag");
    QCOMPARE(page.attributes().monthNames.size(), 12);
    QCOMPARE(page.attributes().dayNames.size(), 7);
    QVERIFY(!page.attributes().monthNames.contains("Nil"));
    QVERIFY(!page.attributes().monthNames.contains("Undecember"));
    page.monthName(3, name);
    QCOMPARE(name, QStringLiteral("März"));
    page.dayName(7, name);
    QCOMPARE(name, QStringLiteral("Samstag"));
    QCOMPARE(redraws.count(), 0); // the caller redraws
}

void TestCalendarAttributes::resetToDefaultStyle()
{
    CalendarPage page;
    CalendarAttributes a = page.attributes();
    a.paperSize = PaperSize::A4;
    a.calendarLayout = loWeek;
    a.startOfWeek = 2;
    a.monthNames[0] = "Janvier";
    a.titleBGColor = a.headersBGColor = a.miniCalBGColor = a.miniHeadersBGColor = 0x0000FF;
    a.miniHeadersStyle = dsWhole;
    a.headersStyle = dsWhole;
    a.numberPosition = cnpCenter;
    a.titleShowYear = a.miniShowYear = false;
    a.leftMarginInch = a.topMarginInch = a.rightMarginInch = a.bottomMarginInch = 1.0f;
    a.startingTime = 0.5;
    a.userTitle = "Mine";
    a.cellBorder = cbTop; // llFull stays llFull, so no preset touches this
    a.titleFont.size = 40;
    a.miniTitleFont.color = 0x00FF00;
    page.loadAttributes(a);

    page.resetToDefaultStyle(QDate(2024, 2, 29));

    QCOMPARE(page.paperSize(), PaperSize::Letter);
    QVERIFY(page.userTitle().isEmpty());
    QCOMPARE(page.calendarLayout(), int(loFCMinisInTitleLS));
    QCOMPARE(page.calendarOrientation(), coLandscape);
    QCOMPARE(page.startOfWeek(), 1);
    QCOMPARE(page.attributes().monthNames, englishMonths());
    QCOMPARE(page.mainCalDay(), 29);
    QCOMPARE(page.mainCalMonth(), 2);
    QCOMPARE(page.mainCalYear(), 2024);
    for (TColor color :
        { page.titleBGColor(), page.headersBGColor(), page.miniCalBGColor(), page.miniHeadersBGColor() })
        QCOMPARE(color, TColor(0xFFFFFF));
    QCOMPARE(page.miniHeadersFont().color, TColor(0));
    QCOMPARE(page.miniHeadersStyle(), dsFirstChar);
    QVERIFY(page.titleShowYear() && page.miniShowYear());
    for (float margin :
        { page.leftMarginInch(), page.topMarginInch(), page.rightMarginInch(), page.bottomMarginInch() })
        QCOMPARE(margin, 0.5f);
    QCOMPARE(page.startingTime(), 8.0 / 24.0);
    QCOMPARE(page.calendarLineLayout(), llFull);
    QCOMPARE(page.miniCalendarLineLayout(), mllBoxed);
    // Coming from mllFull the boxed preset applies.
    QCOMPARE(page.miniCalBorder(), cbAll);
    QCOMPARE(page.miniCellBorder(), cbNone);
    QCOMPARE(page.miniHeadersBorder(), cbTopBottom);
    // Mini font sizes of layout 3: 10 pt, and 10 * 0.8 for the others.
    QCOMPARE(page.miniTitleFont().size, 10);
    QCOMPARE(page.miniHeadersFont().size, 8);
    QCOMPARE(page.miniCellFont().size, 8);
    // Left alone: other fonts, header style, number position, borders.
    QCOMPARE(page.miniTitleFont().color, TColor(0x00FF00));
    QCOMPARE(page.titleFont().size, 40);
    QCOMPARE(page.headersStyle(), dsWhole);
    QCOMPARE(page.numberPosition(), cnpCenter);
    QCOMPARE(page.cellBorder(), cbTop);
    // The geometry follows: landscape Letter, 0.5 in = 48 px, standard rect.
    QCOMPARE(page.layout().calendarRect, (TRect { 50, 50, 1006, 766 }));
}

QTEST_MAIN(TestCalendarAttributes)
#include "tst_calendarattributes.moc"
