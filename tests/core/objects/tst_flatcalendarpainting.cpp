// A floating calendar on screen: the shadow by position, the transparent
// look, the grid lines each cell border style draws, the title band of a
// short object and where the first day lands for each week start.
#include "objects/flatcalendarpainter.h"
#include "objects/vflatcalendar.h"

#include "../calendar/imageprobe.h"
#include "inkprobe.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTest>

namespace {

using InkProbe::kGrey;
constexpr TColor kRed = 0x0000FF; // TColor: low byte red
constexpr TColor kGreen = 0x00FF00;
constexpr TColor kBlue = 0xFF0000;

QImage paintOnGrey(const TVFlatCalendar &calendar, float scale = 1.0f)
{
    const QRect rect = calendar.displayRect(scale);
    return InkProbe::drawn(calendar, QSize(rect.right() + 10, rect.bottom() + 10), scale, kGrey);
}

// June 2025 begins on a Sunday.
std::unique_ptr<TVFlatCalendar> june2025(const QRect &bounds)
{
    auto calendar = std::make_unique<TVFlatCalendar>(nullptr, QDate(2025, 6, 1));
    calendar->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    return calendar;
}

QRgb rgb(TColor color)
{
    return toQColor(color).rgb();
}

} // namespace

class TestFlatCalendarPainting : public QObject
{
    Q_OBJECT

private slots:
    void shadowByPosition_data();
    void shadowByPosition();
    void transparent();
    void cellLines_data();
    void cellLines();
    void shortObjectKeepsTitleHeight();
    void firstDayColumn_data();
    void firstDayColumn();
};

void TestFlatCalendarPainting::shadowByPosition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QVector<uint>>("corners"); // top left, top right, bottom left, bottom right
    const uint s = rgb(kBlue);
    const uint g = kGrey;
    const uint k = ImageProbe::kBlack; // the calendar's outline
    QTest::newRow("lower right") << int(fcpLowerRight) << QVector<uint> { k, g, g, s };
    QTest::newRow("lower left") << int(fcpLowerLeft) << QVector<uint> { g, k, s, g };
    QTest::newRow("upper right") << int(fcpUpperRight) << QVector<uint> { g, s, k, g };
    QTest::newRow("upper left") << int(fcpUpperLeft) << QVector<uint> { s, g, g, k };
}

void TestFlatCalendarPainting::shadowByPosition()
{
    QFETCH(int, position);
    QFETCH(QVector<uint>, corners);
    auto calendar = june2025(QRect(0, 0, 140, 120));
    calendar->setShadowColor(kBlue);
    calendar->setShadowDepth(3);
    calendar->setShadowPosition(TFlatShadowPosition(position));
    // At 200% the shadow is 6 pixels deep.
    const QImage image = paintOnGrey(*calendar, 2.0f);
    EXPECT_PIXEL(image, 0, 0, corners[0], "top left");
    EXPECT_PIXEL(image, 279, 0, corners[1], "top right");
    EXPECT_PIXEL(image, 0, 239, corners[2], "bottom left");
    EXPECT_PIXEL(image, 279, 239, corners[3], "bottom right");
    const QRect shadow = FlatCalendarLayout::of(*calendar, QSize(280, 240), 2.0f).shadow;
    QCOMPARE(shadow.size(), QSize(274, 234));
}

void TestFlatCalendarPainting::transparent()
{
    auto calendar = june2025(QRect(0, 0, 140, 120));
    calendar->setTitleBGcolor(kRed);
    calendar->setDayNameBGColor(kGreen);
    calendar->setBackgroundcolor(kBlue);
    calendar->setShadowDepth(5);
    calendar->setCalTransparent(true);
    const QImage image = paintOnGrey(*calendar);
    QCOMPARE(ImageProbe::pixelsOf(image, image.rect(), rgb(kRed)), 0);
    QCOMPARE(ImageProbe::pixelsOf(image, image.rect(), rgb(kGreen)), 0);
    QCOMPARE(ImageProbe::pixelsOf(image, image.rect(), rgb(kBlue)), 0);
    QCOMPARE(ImageProbe::pixelsOf(image, image.rect(), ImageProbe::kWhite), 0);
    // No shadow moves the calendar: its outline runs along the object's edges.
    EXPECT_PIXEL(image, 139, 119, ImageProbe::kBlack, "outline bottom right");
    EXPECT_PIXEL(image, 70, 119, ImageProbe::kBlack, "outline bottom");
    QVERIFY(ImageProbe::inkIn(image, QRect(1, 1, 138, 117)) > 100); // the text
}

void TestFlatCalendarPainting::cellLines_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QVector<int>>("rows"); // which of the seven row lines show
    QTest::newRow("none") << int(fcbNone) << QVector<int> {};
    QTest::newRow("all") << int(fcbAll) << QVector<int> { 0, 1, 2, 3, 4, 5, 6 };
    QTest::newRow("top") << int(fcbTop) << QVector<int> { 0, 1, 2, 3, 4, 5 };
    QTest::newRow("bottom") << int(fcbBottom) << QVector<int> { 1, 2, 3, 4, 5, 6 };
    QTest::newRow("top and bottom") << int(fcbTopBottom) << QVector<int> { 0, 1, 2, 3, 4, 5, 6 };
}

void TestFlatCalendarPainting::cellLines()
{
    QFETCH(int, style);
    QFETCH(QVector<int>, rows);
    auto calendar = june2025(QRect(0, 0, 150, 130));
    calendar->setCalendarBorderStyle(fcbNone);
    calendar->setDayNameBorderStyle(fcbNone);
    calendar->setCellBorderStyle(TFlatCalBorderStyle(style));
    const QImage image = paintOnGrey(*calendar);
    const FlatCalendarLayout layout = FlatCalendarLayout::of(*calendar, QSize(150, 130), 1.0f);
    // Between the text of the first two columns, away from vertical lines.
    const int x = layout.columnWidth - 1;
    QVector<int> found;
    for (int y = layout.dayNamesBottom; y < 130; ++y) {
        if (image.pixel(x, y) == ImageProbe::kBlack)
            found.append(y);
    }
    QVector<int> want;
    for (int i : rows)
        want.append(i == 6 ? 129 : layout.dayNamesBottom + i * layout.rowHeight);
    QVERIFY2(found == want, qPrintable(ImageProbe::keepImage(image)));
    // Vertical lines, at the column edges and the last pixel, only with all.
    const bool vertical = image.pixel(layout.columnWidth, layout.dayNamesBottom + 3) == ImageProbe::kBlack;
    QCOMPARE(vertical, style == fcbAll);
    QCOMPARE(image.pixel(149, layout.dayNamesBottom + 3) == ImageProbe::kBlack, style == fcbAll);
}

void TestFlatCalendarPainting::shortObjectKeepsTitleHeight()
{
    auto calendar = june2025(QRect(0, 0, 160, 40));
    calendar->setCalendarBorderStyle(fcbNone);
    calendar->setTitleBGcolor(kRed);
    const QImage image = paintOnGrey(*calendar);
    const int textHeight = QFontMetrics(calendar->titleFont().toQFont(1.0f)).height();
    QVERIFY(textHeight > int(0.17 * 39));
    const FlatCalendarLayout layout = FlatCalendarLayout::of(*calendar, QSize(160, 40), 1.0f);
    QCOMPARE(layout.titleBottom, textHeight);
    // The band's fill at the left edge, clear of the centred title.
    QCOMPARE(ImageProbe::pixelsOf(image, QRect(0, 0, 1, 40), rgb(kRed)), textHeight);
    EXPECT_PIXEL(image, 0, textHeight - 1, rgb(kRed), "last row of the title band");
    EXPECT_PIXEL(image, 159, 0, rgb(kRed), "title band to the right edge");
}

void TestFlatCalendarPainting::firstDayColumn_data()
{
    QTest::addColumn<int>("startOfWeek");
    QTest::addColumn<int>("column"); // of day 1: the first week row is empty before it
    QTest::newRow("sunday first") << 1 << 0;
    QTest::newRow("monday first") << 2 << 6;
}

void TestFlatCalendarPainting::firstDayColumn()
{
    QFETCH(int, startOfWeek);
    QFETCH(int, column);
    auto calendar = june2025(QRect(0, 0, 210, 160));
    calendar->setStartOfWeek(startOfWeek);
    calendar->setCalendarBorderStyle(fcbNone);
    const QImage image = paintOnGrey(*calendar);
    const FlatCalendarLayout layout = FlatCalendarLayout::of(*calendar, QSize(210, 160), 1.0f);
    for (int c = 0; c < 7; ++c) {
        const QRect cell(c * layout.columnWidth + 1, layout.dayNamesBottom + 1, layout.columnWidth - 2,
            layout.rowHeight - 1);
        const int ink = ImageProbe::inkIn(image, cell);
        QVERIFY2((ink > 0) == (c >= column),
            qPrintable(
                QStringLiteral("column %1: %2 ink; %3").arg(c).arg(ink).arg(ImageProbe::keepImage(image))));
    }
    // Sunday first ends June in row 4; Monday first runs into row 5.
    const QRect lastRow(0, layout.dayNamesBottom + 5 * layout.rowHeight + 1, 210, layout.rowHeight - 1);
    QCOMPARE(ImageProbe::inkIn(image, lastRow) > 0, startOfWeek == 2);
}

QTEST_MAIN(TestFlatCalendarPainting)
#include "tst_flatcalendarpainting.moc"
