// Cost of laying out and drawing a calendar page, one row per layout. The
// screen redraws the whole page on every paint, so drawing at zoom 1 should
// stay within a frame: about 4 ms for a month grid, 16 ms for 60 minis,
// with every page extra switched on as without.
#include "calendar/calendarpage.h"

#include <QPainter>
#include <QtTest>

class BenchPage : public QObject
{
    Q_OBJECT

private slots:
    void relayout_data() { layouts(); }
    void relayout();
    void paintAtZoom1_data() { layouts(); }
    void paintAtZoom1();
    void renderImage_data() { layouts(); }
    void renderImage();
    void paintWithExtrasAtZoom1_data();
    void paintWithExtrasAtZoom1();

private:
    static void layouts();
};

void BenchPage::layouts()
{
    QTest::addColumn<int>("layout");
    for (int layout = 0; layout < kLayoutCount; ++layout)
        QTest::newRow(qPrintable(QStringLiteral("layout %1").arg(layout))) << layout;
}

void BenchPage::relayout()
{
    QFETCH(int, layout);
    CalendarPage page;
    page.setCalendarLayout(layout);
    QBENCHMARK
    {
        page.relayout();
    }
}

void BenchPage::paintAtZoom1()
{
    QFETCH(int, layout);
    CalendarPage page;
    page.setCalendarLayout(layout);
    page.relayout(true);
    QImage image(page.controlSizeAt(1.0f), QImage::Format_RGB32);
    QPainter painter(&image);
    page.paint(painter, 1.0f); // fonts and glyph caches warm
    QBENCHMARK
    {
        page.paint(painter, 1.0f);
    }
}

void BenchPage::renderImage()
{
    QFETCH(int, layout);
    CalendarPage page;
    page.setCalendarLayout(layout);
    page.relayout(true);
    QBENCHMARK
    {
        const QImage image = page.renderImage(1.0f);
        Q_UNUSED(image);
    }
}

void BenchPage::paintWithExtrasAtZoom1_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<bool>("extras");
    for (int layout : { int(loFullCalendar), int(loFCMinisInTitleLS), int(loFC12After), int(loMC60Month) }) {
        QTest::newRow(qPrintable(QStringLiteral("layout %1 plain").arg(layout))) << layout << false;
        QTest::newRow(qPrintable(QStringLiteral("layout %1 extras").arg(layout))) << layout << true;
    }
}

void BenchPage::paintWithExtrasAtZoom1()
{
    QFETCH(int, layout);
    QFETCH(bool, extras);
    CalendarPage page;
    page.resetToDefaultStyle(QDate(2021, 1, 15)); // a month with all four moon phases
    page.setCalendarLayout(layout);
    page.relayout(true);
    PageExtras all;
    all.weekNumbers = all.shadeWeekends = all.neighbourDays = all.moonPhases = extras;
    page.setExtras(all);
    QImage image(page.controlSizeAt(1.0f), QImage::Format_RGB32);
    QPainter painter(&image);
    page.paint(painter, 1.0f);
    QBENCHMARK
    {
        page.paint(painter, 1.0f);
    }
}

QTEST_MAIN(BenchPage)
#include "bench_page.moc"
