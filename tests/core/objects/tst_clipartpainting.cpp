// Clip art on screen: a bitmap stretched and mirrored into the object's
// rectangle, the object sized by its picture at a zoom, and the look of an
// object without a picture.
#include "objects/vimage.h"

#include "../calendar/imageprobe.h"
#include "inkprobe.h"

#include <QPainter>
#include <QTest>

namespace {

using InkProbe::drawn;
using InkProbe::kGrey;

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kYellow = 0xFFFFFF00;

// Red top left, green top right, blue bottom left, yellow bottom right.
QImage quadrants()
{
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setPixel(0, 0, kRed);
    image.setPixel(3, 0, kGreen);
    image.setPixel(0, 1, kBlue);
    image.setPixel(3, 1, kYellow);
    return image;
}

} // namespace

class TestClipArtPainting : public QObject
{
    Q_OBJECT

private slots:
    void mirroredCorners_data();
    void mirroredCorners();
    void autoSizeAtHalfZoom();
    void emptyObject_data();
    void emptyObject();
};

void TestClipArtPainting::mirroredCorners_data()
{
    QTest::addColumn<bool>("flip");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QVector<uint>>("corners"); // top left, top right, bottom left, bottom right
    QTest::newRow("plain") << false << false << QVector<uint> { kRed, kGreen, kBlue, kYellow };
    QTest::newRow("flip") << true << false << QVector<uint> { kBlue, kYellow, kRed, kGreen };
    QTest::newRow("reverse") << false << true << QVector<uint> { kGreen, kRed, kYellow, kBlue };
    QTest::newRow("both") << true << true << QVector<uint> { kYellow, kBlue, kGreen, kRed };
}

void TestClipArtPainting::mirroredCorners()
{
    QFETCH(bool, flip);
    QFETCH(bool, reverse);
    QFETCH(QVector<uint>, corners);
    TVImage object;
    object.setPicture(Picture::fromBitmap(quadrants()));
    object.setBounds(10, 6, 40, 20);
    object.setFlip(flip);
    object.setReverse(reverse);
    const QImage image = drawn(object, QSize(60, 30), 1.0f, kGrey);
    // Each source pixel covers 10 x 10: probe the very corner pixels.
    EXPECT_PIXEL(image, 10, 6, corners[0], "top left");
    EXPECT_PIXEL(image, 49, 6, corners[1], "top right");
    EXPECT_PIXEL(image, 10, 25, corners[2], "bottom left");
    EXPECT_PIXEL(image, 49, 25, corners[3], "bottom right");
    // The border is not mirrored away with the picture.
    object.setBorderStyle(bsSingle);
    const QImage framed = drawn(object, QSize(60, 30), 1.0f, kGrey);
    EXPECT_PIXEL(framed, 10, 6, ImageProbe::kBlack, "framed top left");
    EXPECT_PIXEL(framed, 49, 25, ImageProbe::kBlack, "framed bottom right");
    EXPECT_PIXEL(framed, 11, 7, corners[0], "framed, inside top left");
    EXPECT_PIXEL(framed, 48, 24, corners[3], "framed, inside bottom right");
    EXPECT_PIXEL(image, 9, 6, kGrey, "left of the object");
    EXPECT_PIXEL(image, 50, 25, kGrey, "right of the object");
    EXPECT_PIXEL(image, 49, 26, kGrey, "below the object");
}

void TestClipArtPainting::autoSizeAtHalfZoom()
{
    QImage bitmap(64, 48, QImage::Format_RGB32);
    bitmap.fill(kRed);
    TVImage object;
    object.adoptScale(0.5f);
    object.setBounds(5, 5, 105, 105);
    object.setPicture(Picture::fromBitmap(bitmap));
    object.setAutoSize(true);
    QCOMPARE(QSize(object.width(), object.height()), QSize(32, 24));
    object.setBounds(5, 5, 80, 80);
    QCOMPARE(QSize(object.width(), object.height()), QSize(32, 24));

    const QImage half = drawn(object, QSize(60, 60), 0.5f, kGrey);
    QCOMPARE(ImageProbe::pixelsOf(half, half.rect(), kRed), 32 * 24);
    EXPECT_PIXEL(half, 5, 5, kRed, "first pixel at 50%");
    EXPECT_PIXEL(half, 36, 28, kRed, "last pixel at 50%");
    const QImage full = drawn(object, QSize(100, 100), 1.0f, kGrey);
    QCOMPARE(ImageProbe::pixelsOf(full, full.rect(), kRed), 64 * 48);
    EXPECT_PIXEL(full, 10, 10, kRed, "first pixel at 100%");
}

void TestClipArtPainting::emptyObject_data()
{
    QTest::addColumn<int>("border");
    QTest::newRow("no border") << int(bsNone);
    QTest::newRow("single") << int(bsSingle);
}

void TestClipArtPainting::emptyObject()
{
    QFETCH(int, border);
    TVImage object;
    object.setBounds(2, 3, 20, 10);
    object.setBorderStyle(TBorderStyle(border));
    const QImage image = drawn(object, QSize(30, 20), 1.0f, kGrey);
    // A white box with a one-pixel black outline, whatever the border.
    QCOMPARE(ImageProbe::pixelsOf(image, image.rect(), ImageProbe::kBlack), 2 * 20 + 2 * 8);
    QCOMPARE(ImageProbe::pixelsOf(image, image.rect(), ImageProbe::kWhite), 18 * 8);
    EXPECT_PIXEL(image, 2, 3, ImageProbe::kBlack, "outline top left");
    EXPECT_PIXEL(image, 21, 12, ImageProbe::kBlack, "outline bottom right");
    EXPECT_PIXEL(image, 22, 12, kGrey, "outside");
}

QTEST_MAIN(TestClipArtPainting)
#include "tst_clipartpainting.moc"
