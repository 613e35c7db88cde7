// The picture export: margins cut off, the rest one pixel smaller, and no
// grid line lost on the way.
#include "calendar/calendarpage.h"
#include "document/calendardocument.h"
#include "document/pageexport.h"

#include <QImage>
#include <QtTest>

namespace {

// Groups of consecutive rows that are mostly dark: the horizontal lines.
int horizontalLines(const QImage &image)
{
    int lines = 0;
    bool inLine = false;
    for (int y = 0; y < image.height(); ++y) {
        int dark = 0;
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 200;
        const bool line = dark > image.width() / 2;
        lines += line && !inLine;
        inLine = line;
    }
    return lines;
}

} // namespace

class TestPageExport : public QObject
{
    Q_OBJECT

private slots:
    void everyGridLineSurvivesTheSqueeze()
    {
        for (const int layout : { 0, 1, 3, 18 })
            for (const float zoom : { 0.501f, 0.601f, 0.701f, 1.0f }) {
                CalendarDocument document;
                CalendarPage &page = document.page();
                page.resetToDefaultStyle();
                page.setCalendarLayout(layout);
                const QImage full = page.renderImage(zoom);
                const QImage picture = PageExport::picture(document, zoom);
                const CalendarAttributes &a = page.attributes();
                const int left = int(96 * a.leftMarginInch * zoom);
                const int top = int(96 * a.topMarginInch * zoom);
                const int right = full.width() - int(96 * a.rightMarginInch * zoom);
                const int bottom = full.height() - int(96 * a.bottomMarginInch * zoom);
                QCOMPARE(picture.size(), QSize(right - left - 1, bottom - top - 1));
                const QImage between = full.copy(left, top, right - left, bottom - top);
                QVERIFY(horizontalLines(between) >= 5);
                QCOMPARE(horizontalLines(picture), horizontalLines(between));
                const QTransform turn = QTransform().rotate(90);
                QCOMPARE(
                    horizontalLines(picture.transformed(turn)), horizontalLines(between.transformed(turn)));
            }
    }
};

QTEST_MAIN(TestPageExport)
#include "tst_pageexport.moc"
