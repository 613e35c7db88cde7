// A title wider than its room is drawn smaller, whole, between the minis;
// one that fits keeps its font's size.
#include "calendar/calendarpage.h"
#include "calendar/pageframe.h"
#include "imageprobe.h"

#include <QFontMetrics>
#include <QtTest>

using namespace ImageProbe;

class TestTitleFit : public QObject
{
    Q_OBJECT

private slots:
    void titleFitsItsRoom_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<float>("zoom");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("points"); // the title font's size; 0 keeps the default
        const QString fortyThree = QStringLiteral("Wellington Street Allotment Gardens of 2027");
        QCOMPARE(fortyThree.size(), 43);
        QTest::newRow("layout 0, long") << int(loFullCalendar) << 1.0f << fortyThree << 0;
        QTest::newRow("layout 3, long, 60%") << int(loFCMinisInTitleLS) << 0.6f << fortyThree << 0;
        QTest::newRow("layout 2, long") << int(loFCMinisInTitle) << 1.0f << fortyThree << 0;
        QTest::newRow("layout 3, long") << int(loFCMinisInTitleLS) << 1.0f << fortyThree << 0;
        QTest::newRow("layout 3, long, 40%") << int(loFCMinisInTitleLS) << 0.4f << fortyThree << 0;
        QTest::newRow("layout 0, long, 36 pt") << int(loFullCalendar) << 1.0f << fortyThree << 36;
        QTest::newRow("layout 0, long, 36 pt, 60%") << int(loFullCalendar) << 0.6f << fortyThree << 36;
        QTest::newRow("layout 2, short") << int(loFCMinisInTitle) << 1.0f << QStringLiteral("May") << 0;
    }

    void titleFitsItsRoom()
    {
        QFETCH(int, layout);
        QFETCH(float, zoom);
        QFETCH(QString, title);
        QFETCH(int, points);
        CalendarPage page;
        page.setCalendarLayout(layout);
        page.setCalendarBorder(cbNone);
        page.setUserTitle(title);
        if (points > 0) {
            CalendarFont font = page.titleFont();
            font.size = points;
            page.setTitleFont(font);
        }
        const QImage image = page.renderImage(zoom);
        const PageFrame frame = computePageFrame(page.attributes(), page.layout(), zoom);
        QVERIFY(frame.grid);
        const TRect &room = frame.grid->titleRoom;
        const TRect &band = frame.grid->titleBand;
        QVERIFY(room.left >= band.left && room.right <= band.right);
        for (const PageFrame::Mini &mini : frame.minis) // never under a mini
            QVERIFY(mini.frame.bounds.right < room.left || mini.frame.bounds.left > room.right
                || mini.frame.bounds.top > band.bottom);

        const QRect area(QPoint(room.left, room.top), QPoint(room.right - 1, room.bottom - 1));
        const QRect ink = inkBounds(image, area);
        const QString where = keepImage(image);
        QVERIFY2(!ink.isNull(), qPrintable(where));
        // Whole: clear of both ends of the room, not cut there.
        QVERIFY2(ink.left() > area.left() + 1 && ink.right() < area.right() - 1, qPrintable(where));
        const int fontPixels = qAbs(page.titleFont().pixelHeight(zoom));
        const int natural = QFontMetrics(page.titleFont().toQFont(zoom)).horizontalAdvance(title);
        if (natural > area.width()) {
            // The largest size that fits: the text spans nearly all the room,
            // with some air at both ends.
            QVERIFY2(ink.width() > area.width() * 85 / 100, qPrintable(where));
            QVERIFY2(ink.left() > area.left() + area.width() / 100
                    && ink.right() < area.right() - area.width() / 100,
                qPrintable(where));
        } else {
            // Fits as it is: drawn at its font's size (capitals about 70% of it).
            QVERIFY2(ink.height() > fontPixels * 6 / 10, qPrintable(where));
        }
    }
};

QTEST_MAIN(TestTitleFit)
#include "tst_titlefit.moc"
