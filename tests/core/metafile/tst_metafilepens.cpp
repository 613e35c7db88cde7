// Pen styles in metafiles: the platform that writes WMF files draws every
// pen wider than one unit solid, whatever dash style it names; drawings
// made with such pens must keep their lines and nothing else.
#include "metafile/metafile.h"

#include "metafilebuilder.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTest>

#include <cmath>

namespace {

constexpr int kPsDash = 1;
constexpr int kPsDot = 2;
constexpr int kPsDashDot = 3;
constexpr int kPsDashDotDot = 4;
constexpr int kPsAlternate = 8;
constexpr int kEndcapFlat = 0x0200;
constexpr int kGeometric = 0x10000;

// A 100 x 100 unit picture (96 x 96 pixels) with a horizontal and a
// vertical red line drawn with the pen given.
QByteArray crossWithPen(int style, int width)
{
    WmfBuilder b;
    b.add(0x020B, { 0, 0 }).add(0x020C, { 100, 100 }); // window origin, extent
    b.add(0x02FA, { style, width, 0, 0x00ff, 0x0000 }); // red pen: object 0
    b.add(0x012D, { 0 });
    b.add(0x0325, { 2, 10, 50, 90, 50 }); // polyline
    b.add(0x0214, { 10, 30 }).add(0x0213, { 90, 30 }); // move to, line to (y, x)
    return b.placeable(QRect(0, 0, 100, 100), 100);
}

// The same cross as an EMF of 96 x 96 pixels: a plain pen (CREATEPEN), or an
// extended one (EXTCREATEPEN) whose geometric flag lets it dash at any width.
QByteArray emfCrossWithPen(int style, int width, bool extended)
{
    EmfBuilder e;
    if (extended)
        e.add(95, { 1, 0, 0, 0, 0, style, width, 0, 0x0000ff, 0, 0 });
    else
        e.add(38, { 1, style, width, 0, 0x0000ff });
    e.add(37, { 1 }); // select
    e.add(27, { 10, 48 }).add(54, { 86, 48 }); // move to, line to (x, y)
    e.add(27, { 29, 10 }).add(54, { 29, 86 });
    return e.build(QRect(0, 0, 95, 95), QRect(0, 0, 2540, 2540));
}

QImage render(const Metafile &metafile)
{
    QImage image(96, 96, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    metafile.draw(painter, QRectF(0, 0, 96, 96), Metafile::Caching::Off);
    return image;
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

// Gaps along a line: pixels of the line's row (or column) that are not red.
int gaps(const QImage &image, bool horizontal, int at)
{
    int count = 0;
    for (int i = 15; i <= 80; ++i)
        count += isRed(horizontal ? image.pixel(i, at) : image.pixel(at, i)) ? 0 : 1;
    return count;
}

// Columns of a horizontal line's band (rows at - 1 to at + 1) with any ink.
int inkedColumns(const QImage &image, int at)
{
    int count = 0;
    for (int x = 15; x <= 80; ++x) {
        bool ink = false;
        for (int y = at - 1; y <= at + 1; ++y)
            ink = ink || image.pixel(x, y) != qRgb(255, 255, 255);
        count += ink ? 1 : 0;
    }
    return count;
}

int darkPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qGray(image.pixel(x, y)) < 40 ? 1 : 0;
    return count;
}

} // namespace

class TestMetafilePens : public QObject
{
    Q_OBJECT

private slots:
    void widePensDrawSolid_data();
    void widePensDrawSolid();
    void enhancedPens_data();
    void enhancedPens();
    void stretchedPicturesKeepEvenLines_data();
    void stretchedPicturesKeepEvenLines();
};

void TestMetafilePens::widePensDrawSolid_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("dashed");
    QTest::newRow("dash, 1 unit") << kPsDash << 1 << true;
    QTest::newRow("dot, hairline") << kPsDot << 0 << true;
    QTest::newRow("dash, 2 units") << kPsDash << 2 << false;
    QTest::newRow("dot, 3 units") << kPsDot << 3 << false;
    QTest::newRow("dash dot, 4 units") << kPsDashDot << 4 << false;
    QTest::newRow("dash dot dot, 5 units") << kPsDashDotDot << 5 << false;
    QTest::newRow("alternate, 2 units") << kPsAlternate << 2 << false;
    QTest::newRow("dash, 5 units, flat ends") << (kPsDash | kEndcapFlat) << 5 << false;
}

void TestMetafilePens::widePensDrawSolid()
{
    QFETCH(int, style);
    QFETCH(int, width);
    QFETCH(bool, dashed);
    Metafile metafile;
    QString error;
    QVERIFY2(metafile.loadFromData(crossWithPen(style, width), &error), qPrintable(error));
    const QImage image = render(metafile);
    const int y = 48; // unit 50 at 96 pixels per 100 units
    const int x = 29; // unit 30
    QCOMPARE(gaps(image, true, y) > 0, dashed);
    QVERIFY(inkedColumns(image, y) > 20); // the dashes are there
    QCOMPARE(gaps(image, false, x) > 0, dashed);
    QCOMPARE(darkPixels(image), 0);
    // Nothing but the two lines: the corners stay white.
    QCOMPARE(image.pixel(5, 5), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(90, 90), qRgb(255, 255, 255));
}

void TestMetafilePens::enhancedPens_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<bool>("dashed");
    QTest::newRow("plain pen, dash, 4 units") << kPsDash << false << false;
    QTest::newRow("plain pen, dot, 4 units") << kPsDot << false << false;
    QTest::newRow("geometric pen, dash, 4 units") << (kGeometric | kPsDash | kEndcapFlat) << true << true;
}

void TestMetafilePens::enhancedPens()
{
    QFETCH(int, style);
    QFETCH(bool, extended);
    QFETCH(bool, dashed);
    Metafile metafile;
    QString error;
    QVERIFY2(metafile.loadFromData(emfCrossWithPen(style, 4, extended), &error), qPrintable(error));
    const QImage image = render(metafile);
    QCOMPARE(gaps(image, true, 48) > 0, dashed);
    QCOMPARE(gaps(image, false, 29) > 0, dashed);
    QVERIFY(inkedColumns(image, 48) > 20); // the dashes are there
    QCOMPARE(darkPixels(image), 0);
}

void TestMetafilePens::stretchedPicturesKeepEvenLines_data()
{
    QTest::addColumn<QSize>("target");
    QTest::addColumn<bool>("recorded"); // drawn on a vector device, played back
    QTest::newRow("as drawn") << QSize(96, 96) << false;
    QTest::newRow("twice as wide") << QSize(192, 96) << false;
    QTest::newRow("twice as tall") << QSize(96, 192) << false;
    QTest::newRow("twice as wide, on a vector device") << QSize(192, 96) << true;
}

void TestMetafilePens::stretchedPicturesKeepEvenLines()
{
    QFETCH(QSize, target);
    QFETCH(bool, recorded);
    // The cross of 8-unit lines, a horizontal one at unit 50 and a vertical
    // one at unit 30, stretched over the target.
    Metafile metafile;
    QString error;
    QVERIFY2(metafile.loadFromData(crossWithPen(0, 8), &error), qPrintable(error));
    QImage image(target, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPicture recording;
    QPainter painter;
    recorded ? painter.begin(&recording) : painter.begin(&image);
    metafile.draw(painter, QRectF(QPointF(), target), Metafile::Caching::Off);
    painter.end();
    if (recorded) {
        painter.begin(&image);
        painter.drawPicture(0, 0, recording);
        painter.end();
    }
    const auto redRun = [&image](bool down, int at) {
        int count = 0;
        const int length = down ? image.height() : image.width();
        for (int i = 0; i < length; ++i)
            count += isRed(down ? image.pixel(at, i) : image.pixel(i, at)) ? 1 : 0;
        return count;
    };
    const int horizontal = redRun(true, target.width() * 7 / 10); // across the horizontal line
    const int vertical = redRun(false, target.height() * 7 / 10); // across the vertical one
    const double expected = 8 * std::sqrt(target.width() / 100.0 * target.height() / 100.0);
    QVERIFY2(qAbs(horizontal - vertical) <= 1, qPrintable(QString("%1 %2").arg(horizontal).arg(vertical)));
    QVERIFY2(qAbs(horizontal - expected) <= 1.5, qPrintable(QString::number(horizontal)));
}

QTEST_MAIN(TestMetafilePens)
#include "tst_metafilepens.moc"
