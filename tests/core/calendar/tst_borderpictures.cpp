#include "calendar/calendarpage.h"
#include "metafile/metafile.h"
#include "testfiles.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

// The border pictures that ship with the program, loaded and drawn by the
// calendar page from a real Borders folder.

namespace {

QString bundled()
{
    return QStringLiteral(DATEWRIGHT_SOURCE_RESOURCES);
}

QStringList borderNames()
{
    QStringList names;
    for (const QString &file : QDir(bundled() + "/Borders").entryList({ "*.wpo" }, QDir::Files))
        names << file.chopped(4);
    return names;
}

// Share of non-white pixels in a rectangle of the image.
double ink(const QImage &image, const QRect &area)
{
    qint64 inked = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            inked += image.pixel(x, y) != qRgb(255, 255, 255);
    return r.isEmpty() ? 0 : double(inked) / (qint64(r.width()) * r.height());
}

} // namespace

class TestBorderPictures : public QObject
{
    Q_OBJECT

private slots:
    void atLeastEightDesigns();
    void eachDrawsInTheBand_data();
    void eachDrawsInTheBand();
    void brokenBorderLeavesThePageDrawn();
};

void TestBorderPictures::atLeastEightDesigns()
{
    const QStringList names = borderNames();
    QVERIFY2(names.size() >= 8, qPrintable(names.join(", ")));
    for (const QString &name : names) {
        Metafile portrait, landscape;
        QString error;
        QVERIFY2(portrait.load(bundled() + "/Borders/" + name + ".wpo", &error), qPrintable(error));
        QVERIFY2(landscape.load(bundled() + "/Borders/" + name + ".wls", &error), qPrintable(error));
        QVERIFY(portrait.naturalSize().height() > portrait.naturalSize().width());
        QVERIFY(landscape.naturalSize().width() > landscape.naturalSize().height());
    }
}

void TestBorderPictures::eachDrawsInTheBand_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("paper");
    for (const QString &name : borderNames()) {
        QTest::addRow("%s letter portrait", qPrintable(name)) << name << int(loFullCalendar) << 0;
        QTest::addRow("%s a4 landscape", qPrintable(name)) << name << int(loFCMinisInTitleLS) << 1;
    }
}

void TestBorderPictures::eachDrawsInTheBand()
{
    QFETCH(QString, name);
    QFETCH(int, layout);
    QFETCH(int, paper);
    CalendarPage page;
    page.setBorderFolder(bundled());
    page.setPaperSize(PaperSize(paper));
    page.setCalendarLayout(TCalendarLayout(layout));
    page.setWMFBorderFile(name);
    QCOMPARE(page.wmfBorderFile(), name);
    QVERIFY2(page.borderError().isEmpty(), qPrintable(page.borderError()));
    QVERIFY(!page.borderPicture().isEmpty());
    const QImage image = page.renderImage(1.0f);
    const TRect p = page.layout().pageRect;
    const QRect pageRect(p.left, p.top, p.right - p.left, p.bottom - p.top);
    // The picture fills the band the calendar leaves free (0.47 inch) ...
    const int band = 38; // 0.4 inch at 96 per inch
    const QRect top(pageRect.left(), pageRect.top(), pageRect.width(), band);
    const QRect left(pageRect.left(), pageRect.top(), band, pageRect.height());
    QVERIFY2(ink(image, top) > 0.05, qPrintable(QString::number(ink(image, top))));
    QVERIFY2(ink(image, left) > 0.05, qPrintable(QString::number(ink(image, left))));
    // ... and keeps clear of the calendar: the strip between the band,
    // stretched with the picture, and the calendar 0.47 inch in stays white.
    const double stretch = pageRect.height() / page.borderPicture().naturalSize().height();
    const int bandEnd = int(std::ceil(band * stretch)) + 1;
    const QRect ring(
        pageRect.left() + bandEnd, pageRect.top() + bandEnd, pageRect.width() - 2 * bandEnd, 44 - bandEnd);
    QVERIFY(ring.height() >= 2);
    QVERIFY2(ink(image, ring) < 0.02, qPrintable(QString::number(ink(image, ring))));
}

void TestBorderPictures::brokenBorderLeavesThePageDrawn()
{
    QTemporaryDir folder;
    // A file cut in half: found, refused, and the page draws without it.
    const QByteArray holly = readFile(bundled() + "/Borders/Holly.wpo");
    writeFile(folder.filePath("Borders/Cut.wpo"), holly.left(holly.size() / 2));
    CalendarPage page;
    page.setBorderFolder(folder.path());
    page.setCalendarLayout(loFullCalendar);
    page.setWMFBorderFile("Cut");
    QVERIFY(page.wmfBorderFile().isEmpty());
    QVERIFY2(page.borderError().contains("cut short"), qPrintable(page.borderError()));
    CalendarPage plain;
    plain.setCalendarLayout(loFullCalendar);
    QCOMPARE(page.renderImage(1.0f), plain.renderImage(1.0f));
}

QTEST_MAIN(TestBorderPictures)
#include "tst_borderpictures.moc"
