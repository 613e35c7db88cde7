#include "calendar/calendarpage.h"
#include "calendartesthelpers.h"

#include <QTest>

#include <functional>

using PageEdit = std::function<void(CalendarPage &)>;
Q_DECLARE_METATYPE(PageEdit)

// Copying a whole set of attributes between pages and comparing two sets,
// as the properties dialog and its preview page do.
class TestCalendarCopy : public QObject
{
    Q_OBJECT

private slots:
    void copyAttributes();
    void copyAppliesPresetOnlyOnChange();
    void equality_data();
    void equality();
};

void TestCalendarCopy::copyAttributes()
{
    CalendarPage source;
    CalendarAttributes a = source.attributes();
    a.paperSize = PaperSize::A4;
    a.calendarLayout = loFC12AfterLS;
    a.startOfWeek = 2;
    a.monthNames[4] = "Mai";
    a.dayNames[0] = "Sonntag";
    a.mainCalDay = 3;
    a.mainCalMonth = 5;
    a.mainCalYear = 2001;
    a.titleFont.italic = true;
    a.headersFont.size = 20;
    a.cellFont.name = "Arial";
    a.miniTitleFont.bold = false;
    a.miniHeadersFont.color = 0x123456;
    a.miniCellFont.underline = true;
    a.titleBGColor = 1;
    a.headersBGColor = 2;
    a.miniCalBGColor = 3;
    a.miniHeadersBGColor = 4;
    a.headersStyle = dsWhole;
    a.miniHeadersStyle = dsThreeChars;
    a.titleShowYear = a.miniShowYear = false;
    a.leftMarginInch = 0.1f;
    a.topMarginInch = 0.2f;
    a.rightMarginInch = 0.3f;
    a.bottomMarginInch = 0.4f;
    a.startingTime = 7.0 / 24.0;
    a.userTitle = "Ours";
    a.numberPosition = cnpCenter;
    source.loadAttributes(a);
    source.setCellContents(1, "{\\rtf1 note}");

    CalendarPage target;
    target.copyAttributesFrom(source);

    QVERIFY(target.sameAttributes(source));
    QCOMPARE(target.titleFont(), source.titleFont()); // sizes too
    QCOMPARE(target.headersFont().size, 20);
    QCOMPARE(target.miniHeadersFont(), source.miniHeadersFont());
    QCOMPARE(target.calendarOrientation(), coLandscape);
    QCOMPARE(target.layout().calendarRect, source.layout().calendarRect);
    QCOMPARE(target.controlSize(), QSize(1122, 793)); // A4 landscape
    QCOMPARE(target.userTitle(), QStringLiteral("Ours"));
    // Not copied: the number position and the day cells.
    QCOMPARE(target.numberPosition(), cnpUpperRight);
    QVERIFY(!target.anyCellHasContents());
}

void TestCalendarCopy::copyAppliesPresetOnlyOnChange()
{
    CalendarPage source;
    CalendarAttributes a = source.attributes();
    a.calendarLineLayout = llCellsOnly;
    a.miniCalendarLineLayout = mllFull;
    a.calendarBorder = a.headersBorder = a.cellBorder = cbTopBottom;
    a.miniCalBorder = a.miniHeadersBorder = a.miniCellBorder = cbTopBottom;
    source.loadAttributes(a);

    CalendarPage target;
    CalendarAttributes b = target.attributes();
    b.miniCalBorder = b.miniHeadersBorder = b.miniCellBorder = cbBottom;
    target.loadAttributes(b);
    target.copyAttributesFrom(source);

    // The calendar line layout changed: its preset, not the source's borders.
    QCOMPARE(target.calendarLineLayout(), llCellsOnly);
    QCOMPARE(target.calendarBorder(), cbNone);
    QCOMPARE(target.headersBorder(), cbNone);
    QCOMPARE(target.cellBorder(), cbAll);
    // The mini line layout was already mllFull: the target's own borders stay.
    QCOMPARE(target.miniCalBorder(), cbBottom);
    QCOMPARE(target.miniHeadersBorder(), cbBottom);
    QCOMPARE(target.miniCellBorder(), cbBottom);
}

void TestCalendarCopy::equality_data()
{
    QTest::addColumn<PageEdit>("edit");
    QTest::addColumn<bool>("equal");
    const auto row
        = [](const char *name, bool equal, PageEdit edit) { QTest::newRow(name) << edit << equal; };
    const auto font = [](CalendarFont f, auto change) {
        change(f);
        return f;
    };

    row("untouched", true, [](CalendarPage &) {});
    row("title font size", true, [font](CalendarPage &p) {
        p.setTitleFont(font(p.titleFont(), [](CalendarFont &f) { f.size = 99; }));
    });
    row("mini cell font size", true, [font](CalendarPage &p) {
        p.setMiniCellFont(font(p.miniCellFont(), [](CalendarFont &f) { f.size = 1; }));
    });
    row("number position", true, [](CalendarPage &p) { p.setNumberPosition(cnpCenter); });
    row("cell border", true, [](CalendarPage &p) { p.setCellBorder(cbNone); });
    row("mini headers border", true, [](CalendarPage &p) { p.setMiniHeadersBorder(cbAll); });
    row("cell contents", true, [](CalendarPage &p) { p.setCellContents(5, "{\\rtf1 x}"); });
    row("title font bold", false, [font](CalendarPage &p) {
        p.setTitleFont(font(p.titleFont(), [](CalendarFont &f) { f.bold = false; }));
    });
    row("cell font strikeout", false, [font](CalendarPage &p) {
        p.setCellFont(font(p.cellFont(), [](CalendarFont &f) { f.strikeout = true; }));
    });
    row("headers font colour", false, [font](CalendarPage &p) {
        p.setHeadersFont(font(p.headersFont(), [](CalendarFont &f) { f.color = 1; }));
    });
    row("font face case", false, [font](CalendarPage &p) {
        p.setMiniTitleFont(font(p.miniTitleFont(), [](CalendarFont &f) { f.name = "times new roman"; }));
    });
    row("month name case", false, [](CalendarPage &p) { p.setMonthName(1, "january"); });
    row("day name case", false, [](CalendarPage &p) { p.setDayName(7, "SATURDAY"); });
    row("user title blank", false, [](CalendarPage &p) { p.setUserTitle(" "); });
    row("layout", false, [](CalendarPage &p) { p.setCalendarLayout(loFCMinisInTitle); });
    row("paper", false, [](CalendarPage &p) { p.setPaperSize(PaperSize::A4); });
    row("start of week", false, [](CalendarPage &p) { p.setStartOfWeek(3); });
    row("day", false, [](CalendarPage &p) { p.setMainCalDay(1); });
    row("year", false, [](CalendarPage &p) { p.setMainCalYear(1998); });
    row("bottom margin", false, [](CalendarPage &p) { p.setBottomMarginInch(0.2500001f); });
    row("starting time", false, [](CalendarPage &p) { p.setStartingTime(8.0 / 24.0 + 1e-9); });
    row("line layout", false, [](CalendarPage &p) { p.setCalendarLineLayout(llHeadersAndCells); });
    row("mini line layout", false, [](CalendarPage &p) { p.setMiniCalendarLineLayout(mllBoxed); });
    row("headers style", false, [](CalendarPage &p) { p.setHeadersStyle(dsFirstChar); });
    row("mini headers style", false, [](CalendarPage &p) { p.setMiniHeadersStyle(dsWhole); });
    row("mini headers colour", false, [](CalendarPage &p) { p.setMiniHeadersBGColor(0); });
    row("mini show year", false, [](CalendarPage &p) { p.setMiniShowYear(false); });
}

void TestCalendarCopy::equality()
{
    QFETCH(PageEdit, edit);
    QFETCH(bool, equal);
    CalendarPage first;
    CalendarPage second;
    edit(second);
    QCOMPARE(first.sameAttributes(second), equal);
    QCOMPARE(second.sameAttributes(first), equal);
}

QTEST_MAIN(TestCalendarCopy)
#include "tst_calendarcopy.moc"
