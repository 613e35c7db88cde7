// The page extras as drawn on screen (the page's own image) and on paper
// (the print drawing at 192 dots per inch), probed in the boxes the page
// frame gives: shaded weekend cells, light neighbouring day numbers, week
// numbers in their column and moon symbols in their corner.
#include "calendar/calendarpage.h"
#include "calendar/extraspainter.h"
#include "calendar/pageframe.h"
#include "document/calendardocument.h"
#include "document/pageprint.h"
#include "imageprobe.h"

#include <QtTest>

namespace {

using namespace ImageProbe;

constexpr TColor kShade = 0x30C0F0;

QRgb shadeRgb()
{
    return toQColor(kShade).rgb();
}

bool isBackground(QRgb pixel)
{
    pixel |= 0xFF000000;
    return pixel == kWhite || pixel == shadeRgb();
}

int marksIn(const QImage &image, const TRect &box, int *darkest = nullptr)
{
    int count = 0;
    int gray = 255;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (!isBackground(pixel)) {
                ++count;
                gray = std::min(gray, qGray(pixel));
            }
        }
    }
    if (darkest)
        *darkest = gray;
    return count;
}

// The image is kept only when a check fails: saving it is slow.
#define CHECK_AT(condition, image, what, index)                                                              \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            QFAIL(qPrintable(QStringLiteral("%1 %2; image in %3")                                            \
                                 .arg(QLatin1String(what))                                                   \
                                 .arg(index)                                                                 \
                                 .arg(keepImage(image))));                                                   \
    } while (false)

} // namespace

class TestExtrasDrawing : public QObject
{
    Q_OBJECT

private slots:
    void extrasAppearInTheirBoxes_data();
    void extrasAppearInTheirBoxes();
};

void TestExtrasDrawing::extrasAppearInTheirBoxes_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("dotsPerInch"); // 0: the screen's drawing at zoom 1
    QTest::addColumn<int>("startOfWeek");
    QTest::newRow("month and minis, screen") << int(loFCMinisInTitleLS) << 0 << 1;
    QTest::newRow("month and minis, paper") << int(loFCMinisInTitleLS) << 192 << 1;
    QTest::newRow("month, monday, screen") << int(loFullCalendar) << 0 << 2;
    QTest::newRow("month, monday, paper") << int(loFullCalendar) << 192 << 2;
    QTest::newRow("12 minis, screen") << int(loMC12Month) << 0 << 2;
    QTest::newRow("12 minis, paper") << int(loMC12Month) << 192 << 1;
}

void TestExtrasDrawing::extrasAppearInTheirBoxes()
{
    QFETCH(int, layout);
    QFETCH(int, dotsPerInch);
    QFETCH(int, startOfWeek);
    CalendarDocument document;
    CalendarPage &page = document.page();
    page.resetToDefaultStyle(QDate(2021, 1, 15));
    page.setCalendarLayout(layout);
    page.setStartOfWeek(startOfWeek);
    PageExtras extras;
    extras.weekNumbers = extras.shadeWeekends = extras.neighbourDays = extras.moonPhases = true;
    extras.shadeColor = kShade;
    page.setExtras(extras);
    const bool paper = dotsPerInch > 0;
    const float zoom = paper ? dotsPerInch / 96.0f : 1.0f;
    const QImage image = paper ? PagePrint::picture(document, dotsPerInch) : page.renderImage(1.0f);
    const PageFrame frame = computePageFrame(page.attributes(), page.layout(), zoom, paper);

    std::vector<std::pair<const MonthGridFrame *, const GridStyle *>> grids;
    if (frame.grid)
        grids.emplace_back(&*frame.grid, &frame.mainStyle);
    for (const PageFrame::Mini &mini : frame.minis)
        grids.emplace_back(&mini.frame, &mini.style);
    QVERIFY(!grids.empty());

    for (const auto &[grid, style] : grids) {
        for (int i = 0; i < kCellCount; ++i) {
            // Shading under the cell, in the corner no text uses.
            const TRect inside = grid->cellInterior(i);
            const QRgb want = ExtrasPainter::isWeekendColumn(i % 7, startOfWeek) ? shadeRgb() : kWhite;
            EXPECT_PIXEL(image, inside.left + 1, inside.bottom - 2, want, "cell background");
            // And where a cell's text goes, which is laid on its own background.
            const DayCell &cell = grid->cells[size_t(i)];
            if (!cell.free.isEmpty())
                EXPECT_PIXEL(image, (cell.free.left + cell.free.right) / 2,
                    (cell.free.top + cell.free.bottom) / 2, want, "text background");
            // Neighbouring days in a light colour; the month's own in ink.
            int darkest = 255;
            CHECK_AT(marksIn(image, cell.rect, &darkest) > 0, image, "day number", i);
            if (cell.day == 0)
                CHECK_AT(darkest > 140, image, "light neighbour day", i);
            else
                CHECK_AT(darkest < 100, image, "dark day", i);
        }
        for (int row = 0; row < 6; ++row) {
            // Every row shows days (neighbours included), so every row has its number.
            QVERIFY(grid->weekNumbers[size_t(row)] > 0);
            CHECK_AT(marksIn(image, grid->weekBoxes[size_t(row)]) > 0, image, "week", row);
        }
    }

    // Moons on the month grid only: January 2021 has its new moon on the
    // 13th and its full moon on the 28th (UTC), none on the 12th.
    if (!frame.grid)
        return;
    const MonthGridFrame &grid = *frame.grid;
    const auto corner = [&](int day) {
        int index = 0;
        while (grid.cells[size_t(index)].day != day)
            ++index;
        const TRect r = grid.cellInterior(index);
        return inkIn(image, QRect(r.left, r.top, r.width() / 3, r.height() / 3));
    };
    const int newMoon = corner(13), fullMoon = corner(28), none = corner(12);
    CHECK_AT(newMoon > 40 * zoom * zoom && fullMoon > 10 * zoom * zoom && fullMoon < newMoon, image,
        "moons: new, full", QStringLiteral("%1, %2").arg(newMoon).arg(fullMoon));
    QCOMPARE(none, 0);
    for (const PageFrame::Mini &mini : frame.minis)
        QVERIFY(!mini.style.extras.moonPhases);
}

QTEST_MAIN(TestExtrasDrawing)
#include "tst_extrasdrawing.moc"
