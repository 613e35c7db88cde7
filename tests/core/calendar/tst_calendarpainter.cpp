// Drawing of the calendar page, checked on real images: each probe looks at a
// pixel where a line, a fill or a text must be (or must not be), with the
// coordinates worked out here from the drawing rules. A failed probe keeps
// the image in the temporary folder and names it in the message.
#include "calendar/calendarpage.h"
#include "imageprobe.h"

#include <QDir>
#include <QFontMetrics>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using namespace ImageProbe;

// Vivid fills, as the page stores colours: low byte red.
constexpr TColor kGreen = 0x00FF00;
constexpr TColor kMagenta = 0xFF00FF;
constexpr TColor kYellow = 0x00FFFF;

[[nodiscard]] QRgb rgbOf(TColor color)
{
    return toQColor(color).rgb();
}

// The boxes of a month grid, from the cutting rules, for a rectangle already
// scaled to the drawing zoom.
struct Grid
{
    int x0, y0, x1, y1;
    int titleBottom, headerTop, headerBottom, d0, cw, rh;

    [[nodiscard]] int lineY(int i) const { return i == 6 ? y1 - 1 : d0 + i * rh; }
    [[nodiscard]] int lineX(int j) const { return j == 7 ? x1 - 1 : x0 + j * cw; }
    [[nodiscard]] int cellLeft(int j) const { return x0 + j * cw + 1; }
    [[nodiscard]] int cellTop(int i) const { return d0 + i * rh + 1; }
};

[[nodiscard]] Grid gridOf(const TRect &r, int minimumTitle, int headerPixels)
{
    Grid g { r.left, r.top, r.right, r.bottom, 0, 0, 0, 0, 0, 0 };
    g.titleBottom = g.y0 + 1 + qMax(int((g.y1 - 1 - g.y0) * 0.17), minimumTitle);
    g.headerTop = g.titleBottom + 1;
    g.headerBottom = g.headerTop + int(1.5 * headerPixels);
    g.d0 = g.headerBottom;
    g.cw = (g.x1 - 1 - g.x0) / 7;
    g.rh = (g.y1 - 1 - g.d0) / 6;
    return g;
}

[[nodiscard]] Grid mainGrid(const CalendarPage &page, float zoom)
{
    return gridOf(page.layout().calendarRect.scaled(zoom), int(1.5 * 96 * zoom),
        qAbs(page.headersFont().pixelHeight(zoom)));
}

// A plain month grid with every line switched off, so a test turns on only
// what it looks at.
void bareGrid(CalendarPage &page)
{
    page.setCalendarBorder(cbNone);
    page.setHeadersBorder(cbNone);
    page.setCellBorder(cbNone);
}

[[nodiscard]] int firstColumnOf(int month, int year)
{
    return QDate(year, month, 1).dayOfWeek() % 7; // Sunday first, 0-based
}

} // namespace

class TestCalendarPainter : public QObject
{
    Q_OBJECT

private slots:
    void imageSizeIsTruncatedPageSize_data();
    void imageSizeIsTruncatedPageSize();
    void outerBorder_data();
    void outerBorder();
    void cellLines_data();
    void cellLines();
    void titleAndHeaderFills_data();
    void titleAndHeaderFills();
    void titleTextSitsInTheBand();
    void dayNumbers_data();
    void dayNumbers();
    void minisInTitleCorners_data();
    void minisInTitleCorners();
    void sixtyMiniPage();
    void planners_data();
    void planners();
    void unusableBorderPictureLeavesPageAlone();
    void everyLayoutDraws_data();
    void everyLayoutDraws();
};

void TestCalendarPainter::imageSizeIsTruncatedPageSize_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("paper");
    QTest::addColumn<float>("zoom");
    QTest::addColumn<QSize>("size");
    QTest::newRow("letter portrait 1") << 0 << 0 << 1.0f << QSize(816, 1056);
    QTest::newRow("letter portrait 0.6") << 0 << 0 << 0.6f << QSize(489, 633);
    QTest::newRow("letter landscape 0.601") << 3 << 0 << 0.601f << QSize(634, 490);
    QTest::newRow("a4 portrait 1") << 18 << 1 << 1.0f << QSize(793, 1122);
    QTest::newRow("a4 landscape 0.701") << 17 << 1 << 0.701f << QSize(786, 555);
}

void TestCalendarPainter::imageSizeIsTruncatedPageSize()
{
    QFETCH(int, layout);
    QFETCH(int, paper);
    QFETCH(float, zoom);
    QFETCH(QSize, size);
    CalendarPage page;
    page.setCalendarLayout(layout);
    page.setPaperSize(PaperSize(paper));
    QCOMPARE(page.renderImage(zoom).size(), size);
}

void TestCalendarPainter::outerBorder_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("top");
    QTest::addColumn<bool>("bottom");
    QTest::addColumn<bool>("sides");
    QTest::newRow("cbAll") << int(cbAll) << true << true << true;
    QTest::newRow("cbTop") << int(cbTop) << true << false << false;
    QTest::newRow("cbBottom") << int(cbBottom) << false << true << false;
    QTest::newRow("cbTopBottom") << int(cbTopBottom) << true << true << false;
    QTest::newRow("cbNone") << int(cbNone) << false << false << false;
}

void TestCalendarPainter::outerBorder()
{
    QFETCH(int, style);
    QFETCH(bool, top);
    QFETCH(bool, bottom);
    QFETCH(bool, sides);
    CalendarPage page;
    bareGrid(page);
    page.setCalendarBorder(TCalBorderStyle(style));
    const QImage image = page.renderImage(1.0f);
    const Grid g = mainGrid(page, 1.0f);
    // The working rectangle is (X0, Y0, X1 - 1, Y1 - 1).
    const int l = g.x0, t = g.y0, r = g.x1 - 1, b = g.y1 - 1;
    const int midX = (l + r) / 2, midY = (g.d0 + b) / 2;
    EXPECT_PIXEL(image, l, t, top ? kBlack : kWhite, "top-left corner");
    EXPECT_PIXEL(image, midX, t, top ? kBlack : kWhite, "top line");
    EXPECT_PIXEL(image, midX, b, bottom ? kBlack : kWhite, "bottom line");
    EXPECT_PIXEL(image, l, b, bottom ? kBlack : kWhite, "bottom-left corner");
    EXPECT_PIXEL(image, l, midY, sides ? kBlack : kWhite, "left side");
    EXPECT_PIXEL(image, r, midY, sides ? kBlack : kWhite, "right side");
    // A closed outline reaches every corner; a lone line stops one pixel short.
    EXPECT_PIXEL(image, r, t, sides ? kBlack : kWhite, "top-right corner");
    EXPECT_PIXEL(image, r, b, sides ? kBlack : kWhite, "bottom-right corner");
    EXPECT_PIXEL(image, r - 1, t, top ? kBlack : kWhite, "top line's last pixel");
    EXPECT_PIXEL(image, r - 1, b, bottom ? kBlack : kWhite, "bottom line's last pixel");
    // Nothing outside the working rectangle.
    EXPECT_PIXEL(image, r + 1, midY, kWhite, "beyond the right edge");
    EXPECT_PIXEL(image, midX, b + 1, kWhite, "below the bottom edge");
    EXPECT_PIXEL(image, l - 1, midY, kWhite, "left of the left edge");
    EXPECT_PIXEL(image, midX, t - 1, kWhite, "above the top edge");
}

void TestCalendarPainter::cellLines_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<float>("zoom");
    QTest::addColumn<int>("firstLine");
    QTest::addColumn<int>("lastLine"); // -1: no horizontal lines
    QTest::addColumn<bool>("verticals");
    for (const float zoom : { 1.0f, 0.6f }) {
        const QByteArray z = zoom == 1.0f ? " @1" : " @0.6";
        QTest::newRow(("cbAll" + z).constData()) << int(cbAll) << zoom << 0 << 6 << true;
        QTest::newRow(("cbTop" + z).constData()) << int(cbTop) << zoom << 0 << 5 << false;
        QTest::newRow(("cbBottom" + z).constData()) << int(cbBottom) << zoom << 1 << 6 << false;
        QTest::newRow(("cbTopBottom" + z).constData()) << int(cbTopBottom) << zoom << 0 << 6 << false;
        QTest::newRow(("cbNone" + z).constData()) << int(cbNone) << zoom << 0 << -1 << false;
    }
}

void TestCalendarPainter::cellLines()
{
    QFETCH(int, style);
    QFETCH(float, zoom);
    QFETCH(int, firstLine);
    QFETCH(int, lastLine);
    QFETCH(bool, verticals);
    CalendarPage page;
    bareGrid(page);
    page.setCellBorder(TCalBorderStyle(style));
    const QImage image = page.renderImage(zoom);
    const Grid g = mainGrid(page, zoom);
    for (int i = 0; i <= 6; ++i) {
        const bool drawn = i >= firstLine && i <= lastLine;
        for (int j = 0; j < 7; ++j) // left part of each cell: clear of the day numbers
            EXPECT_PIXEL(
                image, g.cellLeft(j) + 3, g.lineY(i), drawn ? kBlack : kWhite, "horizontal cell line");
        if (i < 6)
            EXPECT_PIXEL(image, g.cellLeft(0) + 3, g.lineY(i) + 2, kWhite, "just below a line");
        // Each line runs from X0 and stops one pixel short of X1 - 1.
        EXPECT_PIXEL(image, g.x0, g.lineY(i), drawn ? kBlack : kWhite, "line start");
        EXPECT_PIXEL(image, g.x1 - 2, g.lineY(i), drawn ? kBlack : kWhite, "line end");
        if (!verticals)
            EXPECT_PIXEL(image, g.x1 - 1, g.lineY(i), kWhite, "past the line end");
    }
    // Line 6 lies at Y1 - 1, not at D0 + 6 * rh.
    if (g.d0 + 6 * g.rh != g.y1 - 1)
        EXPECT_PIXEL(image, g.cellLeft(1) + 3, g.d0 + 6 * g.rh, kWhite, "row 6 by row height");
    for (int j = 0; j <= 7; ++j) {
        for (int i = 0; i < 6; ++i)
            EXPECT_PIXEL(
                image, g.lineX(j), g.cellTop(i) + g.rh / 2, verticals ? kBlack : kWhite, "vertical line");
        EXPECT_PIXEL(image, g.lineX(j), g.headerTop + 1, kWhite, "vertical line above D0");
    }
    EXPECT_PIXEL(image, g.lineX(7) + 1, g.cellTop(2), kWhite, "right of the last vertical");
}

void TestCalendarPainter::titleAndHeaderFills_data()
{
    QTest::addColumn<float>("zoom");
    QTest::newRow("zoom 1") << 1.0f;
    QTest::newRow("zoom 0.6") << 0.6f;
}

void TestCalendarPainter::titleAndHeaderFills()
{
    QFETCH(float, zoom);
    CalendarPage page;
    bareGrid(page);
    page.setHeadersBGColor(kGreen);
    page.setTitleBGColor(kMagenta);
    const QRgb green = rgbOf(kGreen), magenta = rgbOf(kMagenta);
    QImage image = page.renderImage(zoom);
    const Grid g = mainGrid(page, zoom);
    // Title band fill (X0, Y0 + 1, X1 - 1, titleBottom + 1), right and bottom exclusive.
    EXPECT_PIXEL(image, g.x0, g.y0 + 1, magenta, "title band top-left");
    EXPECT_PIXEL(image, g.x1 - 2, g.titleBottom, magenta, "title band bottom-right");
    EXPECT_PIXEL(image, g.x0, g.y0, kWhite, "above the title band");
    EXPECT_PIXEL(image, g.x1 - 1, g.y0 + 5, kWhite, "right of the title band");
    // Header row fill (X0, top, X1 - 1, bottom + 1).
    EXPECT_PIXEL(image, g.x0, g.headerTop, green, "header row top-left");
    EXPECT_PIXEL(image, g.x1 - 2, g.headerTop, green, "header row top-right");
    EXPECT_PIXEL(image, g.x0, g.headerBottom, green, "header row bottom-left");
    EXPECT_PIXEL(image, g.x1 - 2, g.headerBottom, green, "header row bottom-right");
    EXPECT_PIXEL(image, g.x1 - 1, g.headerTop + 2, kWhite, "right of the header row");
    EXPECT_PIXEL(image, g.x0 + 2, g.headerBottom + 1, kWhite, "below the header row");

    // The header border is drawn over the fill.
    page.setHeadersBorder(cbTop);
    image = page.renderImage(zoom);
    EXPECT_PIXEL(image, g.x0 + 3, g.headerTop, kBlack, "header top line");
    EXPECT_PIXEL(image, g.x0 + 3, g.headerBottom, green, "no header bottom line");
}

void TestCalendarPainter::titleTextSitsInTheBand()
{
    CalendarPage page;
    bareGrid(page);
    page.setCalendarLayout(loFullCalendar);
    const QImage image = page.renderImage(1.0f);
    const Grid g = mainGrid(page, 1.0f);
    const QRect band(QPoint(g.x0, g.y0 + 1), QPoint(g.x1 - 2, g.titleBottom));
    const QRect text = inkBounds(image, band);
    QVERIFY2(inkIn(image, band) > 200, qPrintable(keepImage(image)));
    // Centred both ways, within a pixel or two of rounding.
    QVERIFY2(qAbs(text.center().x() - band.center().x()) <= 3, qPrintable(keepImage(image)));
    QVERIFY2(qAbs(text.center().y() - band.center().y()) <= 8, qPrintable(keepImage(image)));
    // The margins around the calendar stay empty.
    QCOMPARE(inkIn(image, QRect(0, 0, image.width(), g.y0)), 0);
    QCOMPARE(inkIn(image, QRect(0, 0, g.x0, image.height())), 0);

    page.setUserTitle(QStringLiteral("I"));
    const QImage narrow = page.renderImage(1.0f);
    QVERIFY2(inkBounds(narrow, band).width() < text.width() / 4, qPrintable(keepImage(narrow)));
}

void TestCalendarPainter::dayNumbers_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::newRow("upper right, Jan 1997") << int(cnpUpperRight) << 1 << 1997;
    QTest::newRow("upper right, Feb 2015 (four rows)") << int(cnpUpperRight) << 2 << 2015;
    QTest::newRow("centre, Mar 2024") << int(cnpCenter) << 3 << 2024;
}

void TestCalendarPainter::dayNumbers()
{
    QFETCH(int, position);
    QFETCH(int, month);
    QFETCH(int, year);
    CalendarPage page;
    page.setNumberPosition(TCalendarNumberPosition(position));
    page.setMainCalMonth(month);
    page.setMainCalYear(year);
    const QImage image = page.renderImage(1.0f);
    const Grid g = mainGrid(page, 1.0f);
    const int first = firstColumnOf(month, year), days = QDate(year, month, 1).daysInMonth();
    const int digitHeight = qAbs(page.cellFont().pixelHeight(1.0f));
    for (int cell = 0; cell < 42; ++cell) {
        const int i = cell / 7, j = cell % 7, day = cell - first + 1;
        // Inside the cell's lines: every dark pixel here is number ink.
        const QRect inside(g.cellLeft(j), g.cellTop(i), g.cw - 1, g.rh - 1);
        const QRect ink = inkBounds(image, inside);
        const QString where
            = QStringLiteral("cell %1 (day %2); image in %3").arg(cell + 1).arg(day).arg(keepImage(image));
        if (day < 1 || day > days) {
            QVERIFY2(ink.isNull(), qPrintable(QStringLiteral("ink in an empty ") + where));
            continue;
        }
        QVERIFY2(!ink.isNull(), qPrintable(QStringLiteral("no number in ") + where));
        if (position == cnpUpperRight) {
            // Right-aligned at left0 + cw - 7, from the top of the cell.
            QVERIFY2(ink.right() <= g.cellLeft(j) + g.cw - 7 && ink.right() >= g.cellLeft(j) + g.cw - 12,
                qPrintable(where));
            QVERIFY2(ink.top() >= g.cellTop(i) && ink.bottom() <= g.cellTop(i) + digitHeight + 4,
                qPrintable(where));
        } else {
            QVERIFY2(qAbs(ink.center().x() - inside.center().x()) <= 2, qPrintable(where));
            QVERIFY2(qAbs(ink.center().y() - inside.center().y()) <= 4, qPrintable(where));
        }
    }
}

void TestCalendarPainter::minisInTitleCorners_data()
{
    QTest::addColumn<int>("layout");
    QTest::newRow("portrait") << int(loFCMinisInTitle);
    QTest::newRow("landscape") << int(loFCMinisInTitleLS);
}

void TestCalendarPainter::minisInTitleCorners()
{
    QFETCH(int, layout);
    CalendarPage page;
    page.setCalendarLayout(layout);
    page.setMiniCalBGColor(kYellow);
    const QImage image = page.renderImage(1.0f);
    const TRect &c = page.layout().calendarRect;
    const int s = 144, gap = 12; // 1.5 inch and 1/8 inch
    const QList<QRect> minis { QRect(QPoint(c.left + gap, c.top + gap),
                                   QPoint(c.left + s - gap - 1, c.top + s - gap - 1)),
        QRect(QPoint(c.right - s + gap, c.top + gap), QPoint(c.right - gap - 1, c.top + s - gap - 1)) };
    for (const QRect &mini : minis) {
        const int area = mini.width() * mini.height();
        QVERIFY2(pixelsOf(image, mini, rgbOf(kYellow)) > area / 2, qPrintable(keepImage(image)));
        // Outlined along the working rectangle, and nothing yellow outside it.
        EXPECT_PIXEL(image, mini.left(), mini.center().y(), kBlack, "mini left side");
        EXPECT_PIXEL(image, mini.right(), mini.center().y(), kBlack, "mini right side");
        EXPECT_PIXEL(image, mini.center().x(), mini.bottom(), kBlack, "mini bottom side");
        EXPECT_PIXEL(image, mini.right() - 2, mini.bottom() - 2, rgbOf(kYellow), "mini's last cell");
        EXPECT_PIXEL(image, mini.left() - 1, mini.center().y(), kWhite, "title band left of the mini");
        EXPECT_PIXEL(image, mini.right() + 1, mini.center().y(), kWhite, "title band right of the mini");
        EXPECT_PIXEL(image, mini.center().x(), mini.bottom() + 1, kWhite, "title band below the mini");
    }
    // The main title still sits between the two.
    QVERIFY(inkIn(image,
                QRect(QPoint(minis[0].right() + 2, minis[0].top()),
                    QPoint(minis[1].left() - 2, minis[0].bottom())))
        > 200);
}

void TestCalendarPainter::sixtyMiniPage()
{
    CalendarPage page;
    page.setCalendarLayout(loMC60Month);
    page.setMiniCalBGColor(kYellow);
    const QImage image = page.renderImage(1.0f);
    // The mini grid fills the standard rectangle: 10 rows of 6, last row and
    // column flush with its bottom and right edges.
    const QRect area(QPoint(26, 26), QPoint(789, 1029));
    const int gv = int(1004 * 0.01), gh = int(764 * 0.01);
    const int h = (1004 - gv * 9) / 10, w = (764 - gh * 5) / 6;
    for (int k = 0; k < 60; ++k) {
        const int row = k / 6, column = k % 6;
        const int left = column == 5 ? 790 - w : 26 + column * (gh + w);
        const int top = row == 9 ? 1030 - h : 26 + row * (gv + h);
        const QRect mini(left, top, w, h);
        QVERIFY2(pixelsOf(image, mini, rgbOf(kYellow)) > w * h / 2,
            qPrintable(QStringLiteral("mini %1; image in %2").arg(k + 1).arg(keepImage(image))));
        EXPECT_PIXEL(image, left, top + h / 2, kBlack, "mini left side");
        EXPECT_PIXEL(image, left + w - 1, top + h / 2, kBlack, "mini right side");
        EXPECT_PIXEL(image, left + w / 2, top, kBlack, "mini top side");
        QVERIFY2(inkIn(image, QRect(left + 2, top + 2, w - 4, h / 6)) > 20, "mini title");
        if (column < 5)
            EXPECT_PIXEL(image, left + w, top + h / 2, kWhite, "gap right of a mini");
        if (row < 9)
            EXPECT_PIXEL(image, left + w / 2, top + h, kWhite, "gap below a mini");
    }
}

void TestCalendarPainter::planners_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("rows");
    QTest::addColumn<float>("zoom");
    QTest::newRow("week") << int(loWeek) << 8 << 1.0f;
    QTest::newRow("two weeks") << int(lo2Week) << 15 << 1.0f;
    QTest::newRow("10 hours") << int(loDay10) << 11 << 1.0f;
    QTest::newRow("15 hours") << int(loDay15) << 16 << 1.0f;
    QTest::newRow("week @0.6") << int(loWeek) << 8 << 0.6f;
    QTest::newRow("15 hours @0.6") << int(loDay15) << 16 << 0.6f;
}

void TestCalendarPainter::planners()
{
    QFETCH(int, layout);
    QFETCH(int, rows);
    QFETCH(float, zoom);
    CalendarPage page;
    page.setCalendarLayout(layout);
    page.setMainCalDay(10);
    page.setHeadersBGColor(kGreen);
    const QRgb green = rgbOf(kGreen);
    const QImage image = page.renderImage(zoom);

    const TRect r = page.layout().calendarRect.scaled(zoom);
    const int titleBottom = r.top + 1 + QFontMetrics(page.titleFont().toQFont(zoom)).height();
    const int boxTop = titleBottom + 1, boxBottom = r.bottom - 1;
    const int rh = (boxBottom - boxTop) / rows;
    const int labelRight = r.left + int((r.right - 1 - r.left) * 0.15);
    const int midCell = (labelRight + r.right) / 2;

    QVERIFY2(inkIn(image, QRect(QPoint(r.left + 5, r.top + 1), QPoint(r.right - 7, titleBottom))) > 100,
        qPrintable(keepImage(image)));
    // The box outline lies inside (X0, boxTop, X1 - 1, Y1 - 1).
    EXPECT_PIXEL(image, midCell, boxTop, kBlack, "box top");
    EXPECT_PIXEL(image, midCell, boxBottom - 1, kBlack, "box bottom");
    EXPECT_PIXEL(image, midCell, boxBottom, kWhite, "below the box");
    EXPECT_PIXEL(image, r.left + 1, boxBottom - 2, green, "label column's last row");
    for (int q = 0; q < rows; ++q) {
        const int rowTop = boxTop + q * rh, y = rowTop + 2;
        EXPECT_PIXEL(image, r.left, y, kBlack, "box left");
        EXPECT_PIXEL(image, r.right - 2, y, kBlack, "box right");
        EXPECT_PIXEL(image, r.right - 1, y, kWhite, "right of the box");
        EXPECT_PIXEL(image, r.left + 1, y, green, "label column");
        EXPECT_PIXEL(image, labelRight - 1, y, green, "label column's right edge");
        EXPECT_PIXEL(image, labelRight, y, kBlack, "label column line");
        EXPECT_PIXEL(image, labelRight + 1, y, kWhite, "cell beside the labels");
        if (q > 0) {
            EXPECT_PIXEL(image, r.left + 1, rowTop, kBlack, "row line over the labels");
            EXPECT_PIXEL(image, midCell, rowTop, kBlack, "row line over the cells");
            EXPECT_PIXEL(image, midCell, rowTop - 2, kWhite, "cell above a row line");
        }
        // Each row carries a label (the last one "Notes").
        QVERIFY2(
            inkIn(image, QRect(QPoint(r.left + 2, rowTop + 2), QPoint(labelRight - 2, rowTop + rh - 2))) > 10,
            qPrintable(QStringLiteral("row %1; image in %2").arg(q).arg(keepImage(image))));
    }
}

void TestCalendarPainter::unusableBorderPictureLeavesPageAlone()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Borders")));
    QFile broken(folder.filePath(QStringLiteral("Borders/Broken.wpo")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a metafile at all");
    broken.close();

    CalendarPage plain;
    const QImage expected = plain.renderImage(1.0f);
    for (const QString &name : { QStringLiteral("Broken"), QStringLiteral("Missing") }) {
        CalendarPage page;
        page.setBorderFolder(folder.path());
        page.setWMFBorderFile(name);
        QVERIFY(page.wmfBorderFile().isEmpty());
        const QImage image = page.renderImage(1.0f);
        QVERIFY2(image == expected, qPrintable(name + QStringLiteral(": image in ") + keepImage(image)));
    }
}

void TestCalendarPainter::everyLayoutDraws_data()
{
    QTest::addColumn<int>("layout");
    for (int layout = 0; layout < kLayoutCount; ++layout)
        QTest::newRow(qPrintable(QStringLiteral("layout %1").arg(layout))) << layout;
}

void TestCalendarPainter::everyLayoutDraws()
{
    QFETCH(int, layout);
    CalendarPage page;
    page.setCalendarLayout(layout);
    page.relayout(true);
    const QImage image = page.renderImage(1.0f);
    // Everything lies inside the standard rectangle (0.25 inch margins + 2).
    const QRect inside(QPoint(26, 26), QPoint(image.width() - 27, image.height() - 27));
    const int total = inkIn(image, image.rect()), within = inkIn(image, inside);
    QVERIFY2(
        total > image.width() * 4, qPrintable(QStringLiteral("blank page; image in ") + keepImage(image)));
    QVERIFY2(total == within,
        qPrintable(QStringLiteral("ink outside the calendar; image in ") + keepImage(image)));
}

QTEST_MAIN(TestCalendarPainter)
#include "tst_calendarpainter.moc"
