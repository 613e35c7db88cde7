// Page extras in the model and the files: week numbers against Qt's ISO
// weeks, moon phases against a table remind made
// (scripts/make-moon-table.sh), and version 5 calendar files and style
// sheets, whole, cut short and damaged.
#include "calendar/calendarfile.h"
#include "calendar/calendarpage.h"
#include "calendar/moonphases.h"
#include "calendar/pageframe.h"
#include "calendar/stylesheetfile.h"
#include "calendartesthelpers.h"

#include "objects/vplabel.h"
#include "stream/component.h"

#include <QBuffer>
#include <QFile>
#include <QTest>

#include <cmath>

namespace {

PageExtras allExtras()
{
    PageExtras e;
    e.weekNumbers = e.shadeWeekends = e.neighbourDays = e.moonPhases = true;
    e.shadeColor = 0x30C0F0;
    return e;
}

// A page with a title, cell text and two placed objects.
void fillPage(CalendarPage &page, TComponent &objects)
{
    page.resetToDefaultStyle(QDate(2021, 1, 15));
    page.setUserTitle(QStringLiteral("Extras"));
    page.setCellContents(5, "{\\rtf1\\ansi Dentist\\par}");
    for (int i = 0; i < 2; ++i) {
        auto *label = new TVPLabel(&objects);
        label->setName(QStringLiteral("Component%1").arg(i)); // the names reading gives
        label->setParent(&objects);
        label->setBounds(100 * i, 50, 80, 30);
    }
}

QByteArray styleBytes(const CalendarPage &page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!StyleSheetFile::write(buffer, page, &error))
        qWarning("%s", qPrintable(error));
    return buffer.data();
}

struct CalendarRead
{
    bool ok = false;
    QString error;
    CalendarFile::ReadReport report;
};

CalendarRead readCalendar(QByteArray data, CalendarPage &page, TComponent *owner)
{
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    CalendarRead r;
    r.ok = CalendarFile::read(buffer, page, owner, &r.error, nullptr, &r.report);
    return r;
}

bool readStyle(QByteArray data, CalendarPage &page, bool *refused, QString *error)
{
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return StyleSheetFile::read(buffer, page, error, nullptr, refused);
}

// The page is the one written, apart from its extras.
bool sameBesideExtras(const CalendarPage &read, const CalendarPage &written)
{
    CalendarAttributes a = read.attributes(), b = written.attributes();
    a.extras = b.extras = PageExtras();
    return a.sameAttributes(b) && read.cellContents(5) == written.cellContents(5);
}

// The version is the list's first value: an 8-bit integer after the list tag.
constexpr int kVersionOffset = 2;

} // namespace

Q_DECLARE_METATYPE(PageExtras)

class TestPageExtras : public QObject
{
    Q_OBJECT

private slots:
    void weekNumbersAreIsoWeeks_data();
    void weekNumbersAreIsoWeeks();
    void moonPhasesMatchRemind();
    void filesWithoutExtrasStayVersion4();
    void extrasFollowVersion4Contents_data();
    void extrasFollowVersion4Contents();
    void everyTruncationKeepsTheCalendar();
    void damagedExtrasAreRefused_data();
    void damagedExtrasAreRefused();
    void neighbourCellsTakeNoText();
};

void TestPageExtras::weekNumbersAreIsoWeeks_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("startOfWeek");
    QTest::addColumn<bool>("neighbours");
    QTest::addColumn<QList<int>>("expected");
    // 2020 has a week 53; 2021 starts in it; 2026 ends with one, 2027 starts in it.
    QTest::newRow("2020-12 monday") << 2020 << 12 << 2 << false << QList<int> { 49, 50, 51, 52, 53, 0 };
    QTest::newRow("2021-01 monday") << 2021 << 1 << 2 << false << QList<int> { 53, 1, 2, 3, 4, 0 };
    QTest::newRow("2021-01 sunday") << 2021 << 1 << 1 << false << QList<int> { 53, 1, 2, 3, 4, 5 };
    QTest::newRow("2021-01 neighbours") << 2021 << 1 << 2 << true << QList<int> { 53, 1, 2, 3, 4, 5 };
    QTest::newRow("2020-01 sunday") << 2020 << 1 << 1 << false << QList<int> { 1, 2, 3, 4, 5, 0 };
    QTest::newRow("2026-12 monday") << 2026 << 12 << 2 << false << QList<int> { 49, 50, 51, 52, 53, 0 };
    QTest::newRow("2026-12 sunday") << 2026 << 12 << 1 << false << QList<int> { 49, 50, 51, 52, 53, 0 };
    QTest::newRow("2027-01 monday") << 2027 << 1 << 2 << false << QList<int> { 53, 1, 2, 3, 4, 0 };
    QTest::newRow("2027-01 sunday") << 2027 << 1 << 1 << false << QList<int> { 53, 1, 2, 3, 4, 5 };
}

void TestPageExtras::weekNumbersAreIsoWeeks()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, startOfWeek);
    QFETCH(bool, neighbours);
    QFETCH(QList<int>, expected);
    CalendarAttributes a;
    a.calendarLayout = loFullCalendar;
    a.mainCalMonth = month;
    a.mainCalYear = year;
    a.startOfWeek = startOfWeek;
    a.extras.weekNumbers = true;
    a.extras.neighbourDays = neighbours;
    const MonthGridFrame f = monthGridFrame({ 0, 0, 700, 600 }, mainGridStyle(a, 1.0f), 1.0f);
    for (int row = 0; row < 6; ++row) {
        const int shown = f.weekNumbers[size_t(row)];
        QCOMPARE(shown, expected[row]);
        // Every day of the row but a Sunday that opens it is in the week shown.
        for (int column = startOfWeek == 1 ? 1 : 0; shown > 0 && column < 7; ++column)
            QCOMPARE(f.dateOfCell(7 * row + column).weekNumber(), shown);
        QVERIFY(f.weekBoxes[size_t(row)].right < f.gridLeft);
    }
    QVERIFY(f.gridLeft > f.bounds.left);
}

void TestPageExtras::moonPhasesMatchRemind()
{
    // Meeus, example 49.a: the new moon of February 1977.
    QVERIFY(std::abs(MoonPhases::phaseJde(-283) - 2443192.65118) < 0.0001);

    QFile file(QStringLiteral(DW_TEST_DATA "/moonphases-remind.txt"));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
    const auto ours = MoonPhases::between(QDate(2000, 1, 1), QDate(2030, 12, 31));
    size_t next = 0;
    qint64 worstSeconds = 0;
    while (!file.atEnd()) {
        const QStringList fields = QString::fromLatin1(file.readLine()).trimmed().split(QLatin1Char(' '));
        QCOMPARE(fields.size(), 3);
        const QDateTime theirs = QDateTime::fromString(fields[0] + QLatin1Char('T') + fields[1], Qt::ISODate);
        QVERIFY(theirs.isValid());
        const QDateTime reference(theirs.date(), theirs.time(), Qt::UTC);
        QVERIFY2(next < ours.size(), qPrintable(fields.join(QLatin1Char(' '))));
        const MoonPhases::Event &event = ours[next++];
        QCOMPARE(int(event.phase), fields[2].toInt());
        QVERIFY2(std::abs(event.time.date().daysTo(reference.date())) <= 1,
            qPrintable(
                event.time.toString(Qt::ISODate) + QLatin1String(" vs ") + fields.join(QLatin1Char(' '))));
        worstSeconds = std::max(worstSeconds, std::abs(event.time.secsTo(reference)));
    }
    QCOMPARE(next, ours.size());
    QVERIFY(next > 1500);
    qInfo("%zu phases, at most %lld s from remind's", next, worstSeconds);
    // Both follow published methods: far closer than the day allowed.
    QVERIFY2(worstSeconds < 10 * 60, qPrintable(QString::number(worstSeconds)));
}

void TestPageExtras::filesWithoutExtrasStayVersion4()
{
    CalendarPage page;
    TComponent objects;
    fillPage(page, objects);
    const QByteArray calendar = calendarBytes(page, &objects);
    const QByteArray style = styleBytes(page);
    QCOMPARE(int(calendar.at(kVersionOffset)), 4);
    QCOMPARE(int(style.at(kVersionOffset)), 4);

    // Read and saved again without extras: the same bytes.
    CalendarPage again;
    TComponent reread;
    QVERIFY(readCalendar(calendar, again, &reread).ok);
    QCOMPARE(calendarBytes(again, &reread), calendar);
    // Extras switched on and off again leave nothing behind.
    page.setExtras(allExtras());
    page.setExtras(PageExtras());
    QCOMPARE(calendarBytes(page, &objects), calendar);
    QCOMPARE(styleBytes(page), style);
}

void TestPageExtras::extrasFollowVersion4Contents_data()
{
    QTest::addColumn<PageExtras>("extras");
    QTest::newRow("all") << allExtras();
    PageExtras week;
    week.weekNumbers = true;
    QTest::newRow("week numbers") << week;
    PageExtras colourOnly;
    colourOnly.shadeColor = 0x102030;
    QTest::newRow("colour kept while shading is off") << colourOnly;
}

void TestPageExtras::extrasFollowVersion4Contents()
{
    QFETCH(PageExtras, extras);
    CalendarPage page;
    TComponent objects;
    fillPage(page, objects);
    const QByteArray calendar4 = calendarBytes(page, &objects);
    const QByteArray style4 = styleBytes(page);
    page.setExtras(extras);
    const QByteArray calendar5 = calendarBytes(page, &objects);
    const QByteArray style5 = styleBytes(page);
    for (const auto &[v4, v5] : { std::pair(calendar4, calendar5), std::pair(style4, style5) }) {
        QCOMPARE(int(v5.at(kVersionOffset)), 5);
        QByteArray head = v5.left(v4.size());
        head[kVersionOffset] = 4;
        QCOMPARE(head, v4);
        QVERIFY(v5.size() > v4.size());
    }

    // Read back (with and without an object owner) and saved again: the same.
    CalendarPage back;
    TComponent reread;
    const CalendarRead r = readCalendar(calendar5, back, &reread);
    QVERIFY2(r.ok, qPrintable(r.error));
    QVERIFY(!r.report.extrasRefused && !r.report.damaged);
    QCOMPARE(back.extras(), extras);
    QCOMPARE(reread.componentCount(), 2);
    QCOMPARE(calendarBytes(back, &reread), calendar5);
    CalendarPage withoutObjects;
    QVERIFY(readCalendar(calendar5, withoutObjects, nullptr).ok);
    QCOMPARE(withoutObjects.extras(), extras);

    // A style sheet brings its extras, and a version 4 one takes them away.
    CalendarPage styled;
    bool refused = true;
    QString error;
    QVERIFY2(readStyle(style5, styled, &refused, &error), qPrintable(error));
    QVERIFY(!refused);
    QCOMPARE(styled.extras(), extras);
    QVERIFY(readStyle(style4, styled, &refused, &error));
    QVERIFY(styled.extras().isDefault());
}

void TestPageExtras::everyTruncationKeepsTheCalendar()
{
    CalendarPage page;
    TComponent objects;
    fillPage(page, objects);
    const qsizetype v4Size = calendarBytes(page, &objects).size();
    const qsizetype style4Size = styleBytes(page).size();
    page.setExtras(allExtras());
    const QByteArray whole = calendarBytes(page, &objects);
    for (qsizetype length = 0; length < whole.size(); ++length) {
        CalendarPage target;
        TComponent owner;
        const CalendarRead r = readCalendar(whole.left(length), target, &owner);
        const QString where = QString::number(length);
        if (!r.ok) {
            // As version 4 files fail: before the object list, nothing kept.
            QVERIFY2(!r.error.isEmpty(), qPrintable(where));
            QVERIFY2(target.extras().isDefault() && target.userTitle().isEmpty(), qPrintable(where));
            continue;
        }
        QVERIFY2(r.report.extrasRefused, qPrintable(where));
        QVERIFY2(target.extras().isDefault(), qPrintable(where));
        QCOMPARE(target.userTitle(), page.userTitle());
        if (length >= v4Size) {
            QVERIFY2(!r.report.damaged && sameBesideExtras(target, page), qPrintable(where));
            QCOMPARE(owner.componentCount(), 2);
        }
    }

    const QByteArray style = styleBytes(page);
    for (qsizetype length = 0; length < style.size(); ++length) {
        CalendarPage target;
        const CalendarAttributes before = target.attributes();
        bool refused = false;
        QString error;
        const bool ok = readStyle(style.left(length), target, &refused, &error);
        QCOMPARE(ok, length >= style4Size);
        if (ok)
            QVERIFY(refused && target.extras().isDefault() && target.titleFont() == page.titleFont());
        else
            QVERIFY(target.attributes().sameAttributes(before));
    }
}

void TestPageExtras::damagedExtrasAreRefused_data()
{
    QTest::addColumn<QByteArray>("block");
    // The list tag, values, the end of the list; 2 is an 8-bit integer.
    QTest::newRow("unknown switch") << QByteArray("\x01\x02\x10\x02\x00\x00", 6);
    QTest::newRow("negative colour") << QByteArray("\x01\x02\x01\x02\xff\x00", 6);
    QTest::newRow("no list") << QByteArray("\x02\x01\x02\x00\x00", 5);
    QTest::newRow("list not closed") << QByteArray("\x01\x02\x01\x02\x00\x02\x00", 7);
}

void TestPageExtras::damagedExtrasAreRefused()
{
    QFETCH(QByteArray, block);
    CalendarPage page;
    TComponent objects;
    fillPage(page, objects);
    QByteArray calendar = calendarBytes(page, &objects);
    QByteArray style = styleBytes(page);
    calendar[kVersionOffset] = 5;
    style[kVersionOffset] = 5;

    CalendarPage target;
    target.setExtras(allExtras());
    TComponent owner;
    const CalendarRead r = readCalendar(calendar + block, target, &owner);
    QVERIFY2(r.ok, qPrintable(r.error));
    QVERIFY(r.report.extrasRefused && !r.report.damaged);
    QVERIFY(target.extras().isDefault());
    QVERIFY(sameBesideExtras(target, page));
    QCOMPARE(owner.componentCount(), 2);
    QVERIFY(CalendarFile::extrasRefusedMessage(QStringLiteral("/tmp/a.dwf"))
                .contains(QLatin1String("/tmp/a.dwf")));

    CalendarPage styled;
    bool refused = false;
    QString error;
    QVERIFY(readStyle(style + block, styled, &refused, &error));
    QVERIFY(refused && styled.extras().isDefault());
}

void TestPageExtras::neighbourCellsTakeNoText()
{
    CalendarPage page;
    page.resetToDefaultStyle(QDate(2021, 1, 15)); // January 2021 starts on a Friday
    page.setCalendarLayout(loFullCalendar);
    QList<int> raised;
    page.ClickedInCellEvent
        = [&](const TRect &, const TRect &, int cell, int, TWPRtfStorage &) { raised << cell; };
    const auto clickCell = [&](int index) {
        page.recordCellTable(1.0f);
        const TRect &r = page.cellTable()[size_t(index - 1)].rect;
        page.click((r.left + r.right) / 2, (r.top + r.bottom) / 2, false);
    };
    clickCell(1); // a blank cell takes text on a plain page
    PageExtras neighbours;
    neighbours.neighbourDays = true;
    page.setExtras(neighbours);
    clickCell(1);
    clickCell(6); // the 1st
    page.nextCell(5); // from the cell before the 1st onward: the 1st
    page.previousCell(6); // back into December: nothing
    clickCell(42);
    QCOMPARE(raised, (QList<int> { 1, 6, 6 }));
    // A planner's cells are all its own.
    page.setCalendarLayout(loWeek);
    page.recordCellTable(1.0f);
    QVERIFY(page.cellTakesEvents(1));
}

QTEST_MAIN(TestPageExtras)
#include "tst_pageextras.moc"
