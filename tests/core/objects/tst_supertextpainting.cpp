// The SuperText's layout and drawing, checked on pixels: the
// caption cut to the box, where the text and its shadow start, the
// gradient's end colours in each direction, a texture inside the letters
// only, hollow letters keeping an outline, the placeholder, the size steps
// and the shrink rule.
#include "objects/vsupertext.h"

#include "inkprobe.h"

#include <QPainter>
#include <QTest>

using namespace InkProbe;

namespace {

CalendarFont arialBold(int points)
{
    CalendarFont font;
    font.name = QStringLiteral("Arial");
    font.size = points;
    font.bold = true;
    font.color = clBlack;
    return font;
}

// A plain black SuperText: no shadow, no outline, font colour face.
void plain(TVSuperText &text, const QString &caption, int points = 48)
{
    text.setFont(arialBold(points));
    text.setCaption(caption);
    text.setSurfaceType(stNormal);
    text.setOutlineStyle(psClear);
}

// A texture that tells every pixel of a tile from its neighbours.
QImage checker()
{
    QImage image(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            image.setPixel(x, y, qRgb(x * 30, 200 - y * 20, (x + y) % 2 ? 40 : 160));
    return image;
}

} // namespace

class TestSuperTextPainting : public QObject
{
    Q_OBJECT

private slots:
    void captionCutToTheBox();
    void originAndShadowPositions();
    void shadowFollowsTheGlyphs_data();
    void shadowFollowsTheGlyphs();
    void gradientEnds_data();
    void gradientEnds();
    void gradientFillsTheFace();
    void textureInsideTheLettersOnly();
    void textureScalesWithTheZoom();
    void hollowKeepsAnOutline();
    void outlinePenStyles();
    void placeholderForNoText();
    void sizeSteps();
    void shrinkRule_data();
    void shrinkRule();
    void fitToText();
    void repaintFollowsChanges();
};

void TestSuperTextPainting::captionCutToTheBox()
{
    TVSuperText text;
    plain(text, QStringLiteral("Calendar headline"));
    text.setBounds(10, 10, 150, 80);
    const SuperTextLayout layout = text.layoutAt(1.0f);
    const QString shown = text.shownCaption(layout, 1.0f);
    QVERIFY(!shown.isEmpty());
    QVERIFY(shown.size() < text.caption().size());
    QVERIFY(text.caption().startsWith(shown));
    const QFontMetrics metrics(text.font().toQFont(1.0f));
    QVERIFY(metrics.horizontalAdvance(shown) <= 150 - 5);
    QVERIFY(metrics.horizontalAdvance(text.caption().left(shown.size() + 1)) > 150 - 5);
    const QImage image = drawn(text, { 200, 120 });
    QVERIFY(box(image, notWhite).right() < 160);
    QCOMPARE(text.width(), 150); // painting does not widen it
}

void TestSuperTextPainting::originAndShadowPositions()
{
    TVSuperText text;
    plain(text, QStringLiteral("Hi"));
    text.setShadowOrientation(sdLeft);
    text.setShadowDepth(4);
    text.setBounds(0, 0, 200, 80);
    const SuperTextLayout layout = text.layoutAt(1.0f);
    QCOMPARE(layout.textRect.left, 9);
    QCOMPARE(layout.shadowRect.left, 5);
    QCOMPARE(layout.textRect.top, 0);
    text.setShadowOrientation(sdDownRight);
    const SuperTextLayout down = text.layoutAt(1.0f);
    QCOMPARE(QPoint(down.textRect.left, down.textRect.top), QPoint(5, 0));
    QCOMPARE(QPoint(down.shadowRect.left, down.shadowRect.top), QPoint(9, 4));
    // Scaled offsets at another zoom.
    QCOMPARE(text.layoutAt(0.5f).offset, QPoint(2, 2));
}

void TestSuperTextPainting::shadowFollowsTheGlyphs_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("right") << int(sdRight) << QPoint(5, 0);
    QTest::newRow("left") << int(sdLeft) << QPoint(-5, 0);
    QTest::newRow("down right") << int(sdDownRight) << QPoint(5, 5);
    QTest::newRow("down left") << int(sdDownLeft) << QPoint(-5, 5);
    QTest::newRow("down") << int(sdDown) << QPoint(0, 5);
}

void TestSuperTextPainting::shadowFollowsTheGlyphs()
{
    QFETCH(int, orientation);
    QFETCH(QPoint, offset);
    TVSuperText text;
    plain(text, QStringLiteral("HI"));
    text.setShadowcolor(0x0000FF);
    text.setShadowOrientation(TShadowOrientation(orientation));
    text.setShadowDepth(5);
    text.setBounds(20, 20, 200, 100);
    const QImage image = drawn(text, { 260, 160 });
    const QRect face = box(image, dark);
    const QRect shadow = box(image, reddish);
    QVERIFY(!face.isNull() && !shadow.isNull());
    const int dx = offset.x() > 0 ? shadow.right() - face.right() : shadow.left() - face.left();
    const int dy = offset.y() > 0 ? shadow.bottom() - face.bottom() : shadow.top() - face.top();
    QCOMPARE(QPoint(dx, dy), offset);
    // The face starts 5 pixels in, plus the shadow's overhang on the left.
    const int origin = 20 + 5 + (offset.x() < 0 ? -offset.x() : 0);
    QVERIFY2(face.left() >= origin && face.left() <= origin + 5, qPrintable(QString::number(face.left())));
}

void TestSuperTextPainting::gradientEnds_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("across");
    QTest::addColumn<bool>("fromFirst"); // GradientFromColor at the top or left
    QTest::newRow("up") << int(gdUp) << false << false;
    QTest::newRow("down") << int(gdDown) << false << true;
    QTest::newRow("left") << int(gdLeft) << true << false;
    QTest::newRow("right") << int(gdRight) << true << true;
}

void TestSuperTextPainting::gradientEnds()
{
    QFETCH(int, direction);
    QFETCH(bool, across);
    QFETCH(bool, fromFirst);
    const TColor from = 0xFF0000; // blue
    const TColor to = 0x00FFFF; // yellow
    const QImage bands = superTextGradient({ 300, 300 }, from, to, TFillDirection(direction));
    const QRgb first = bands.pixel(0, 0);
    const QRgb last = bands.pixel(299, 299);
    const QRgb blue = qRgb(0, 0, 255);
    const QRgb yellow = qRgb(255, 255, 0);
    QCOMPARE(first, fromFirst ? blue : yellow);
    QCOMPARE(last, fromFirst ? yellow : blue);
    // Bands run the right way: constant along them, changing across them.
    const QRgb along = across ? bands.pixel(0, 299) : bands.pixel(299, 0);
    QCOMPARE(along, first);
    // 256 bands: neighbours differ by at most one step of each channel.
    const QRgb second = across ? bands.pixel(2, 0) : bands.pixel(0, 2);
    QVERIFY(near(second, first, 2));
}

void TestSuperTextPainting::gradientFillsTheFace()
{
    TVSuperText text;
    plain(text, QStringLiteral("IIIIIIIIIIIIII"), 60);
    text.setSurfaceType(stGradientFill);
    text.setFillDirection(gdRight);
    text.setBounds(0, 0, 400, 100);
    const SuperTextLayout layout = text.layoutAt(1.0f);
    const QImage image = drawn(text, { 400, 120 });
    const QImage bands
        = superTextGradient(layout.size, text.gradientFromColor(), text.gradientToColor(), gdRight);
    // Where a stem is fully inked the face shows the band of its column.
    const QImage mask = [&] {
        TVSuperText black;
        plain(black, text.caption(), 60);
        black.setBounds(0, 0, 400, 100);
        return drawn(black, { 400, 120 });
    }();
    int probed = 0;
    for (int y = 0; y < layout.size.height(); ++y)
        for (int x = 0; x < layout.size.width(); ++x)
            if (mask.pixel(x, y) == qRgb(0, 0, 0)) {
                QCOMPARE(image.pixel(x, y), bands.pixel(x, y));
                ++probed;
            }
    QVERIFY(probed > 500);
}

void TestSuperTextPainting::textureInsideTheLettersOnly()
{
    TVSuperText text;
    plain(text, QStringLiteral("WOOD"), 60);
    text.setSurfaceType(stBrushImage);
    StoredBitmap texture;
    texture.setImage(checker());
    text.setImage(texture);
    text.setBounds(10, 10, 300, 100);
    TVSuperText black;
    plain(black, text.caption(), 60);
    black.setBounds(10, 10, 300, 100);
    const QImage image = drawn(text, { 330, 130 });
    const QImage mask = drawn(black, { 330, 130 });
    const QImage tile = checker();
    int inside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (mask.pixel(x, y) == qRgb(255, 255, 255)) {
                QCOMPARE(image.pixel(x, y), qRgb(255, 255, 255)); // none outside
            } else if (mask.pixel(x, y) == qRgb(0, 0, 0)) {
                // Tiled from the object's top-left corner.
                QCOMPARE(image.pixel(x, y), tile.pixel((x - 10) % 8, (y - 10) % 8));
                ++inside;
            }
        }
    }
    QVERIFY(inside > 500);
}

void TestSuperTextPainting::textureScalesWithTheZoom()
{
    TVSuperText text;
    plain(text, QStringLiteral("MM"), 72);
    text.setSurfaceType(stBrushImage);
    QImage stripes(8, 8, QImage::Format_RGB32);
    stripes.fill(Qt::red);
    for (int y = 0; y < 8; ++y)
        for (int x = 4; x < 8; ++x)
            stripes.setPixel(x, y, qRgb(0, 0, 255));
    StoredBitmap texture;
    texture.setImage(stripes);
    text.setImage(texture);
    text.setBounds(0, 0, 400, 200);
    // At 200% a tile is 16 pixels: 8 red then 8 blue along a row inside a stem.
    const QImage image = drawn(text, { 820, 420 }, 2.0f);
    int runs = 0;
    for (int y = 0; y < image.height() && !runs; ++y) {
        for (int x = 0; x + 16 < image.width(); ++x) {
            if (x % 16 == 0 && image.pixel(x, y) == qRgb(255, 0, 0)
                && image.pixel(x + 7, y) == qRgb(255, 0, 0) && image.pixel(x + 8, y) == qRgb(0, 0, 255)
                && image.pixel(x + 15, y) == qRgb(0, 0, 255))
                ++runs;
        }
    }
    QVERIFY(runs > 0);
}

void TestSuperTextPainting::hollowKeepsAnOutline()
{
    TVSuperText text;
    plain(text, QStringLiteral("O"), 96);
    QCOMPARE(text.outlineStyle(), psClear);
    text.setSurfaceType(stBrushTransparent);
    QCOMPARE(text.outlineStyle(), psSolid); // hollow text stays visible
    text.setOutlineWidth(1);
    text.setBounds(0, 0, 200, 160);
    const QImage hollow = drawn(text, { 200, 160 });
    TVSuperText filled;
    plain(filled, QStringLiteral("O"), 96);
    filled.setBounds(0, 0, 200, 160);
    const QImage solid = drawn(filled, { 200, 160 });
    // Same letter, same place; inside the stroke the hollow one is white.
    QCOMPARE(box(hollow, dark).adjusted(-1, -1, 1, 1).contains(box(solid, dark)), true);
    int inkSolid = 0;
    int inkHollow = 0;
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 200; ++x) {
            inkSolid += dark(solid.pixel(x, y));
            inkHollow += dark(hollow.pixel(x, y));
        }
    QVERIFY(inkHollow > 50);
    QVERIFY(inkHollow < inkSolid / 2);
}

void TestSuperTextPainting::outlinePenStyles()
{
    auto inkOf = [](TPenStyle style) {
        TVSuperText text;
        plain(text, QStringLiteral("O"), 96);
        text.setSurfaceType(stBrushTransparent);
        text.setOutlineStyle(style);
        text.setOutlineWidth(2);
        text.setBounds(0, 0, 200, 160);
        const QImage image = drawn(text, { 200, 160 });
        int ink = 0;
        for (int y = 0; y < 160; ++y)
            for (int x = 0; x < 200; ++x)
                ink += dark(image.pixel(x, y));
        return ink;
    };
    const int solid = inkOf(psSolid);
    QVERIFY(solid > 100);
    QVERIFY(inkOf(psDash) < solid * 9 / 10);
    QVERIFY(inkOf(psDot) < inkOf(psDash));
    QCOMPARE(inkOf(psClear), 0);
}

void TestSuperTextPainting::placeholderForNoText()
{
    TVSuperText text;
    plain(text, QString());
    text.setBounds(10, 10, 100, 80);
    const QImage image = drawn(text, { 130, 110 });
    const int right = 10 + text.layoutAt(1.0f).size.width() - 1;
    const int bottom = 10 + text.layoutAt(1.0f).size.height() - 1;
    for (const QPoint &p : { QPoint(10, 10), QPoint(right, 10), QPoint(10, bottom), QPoint(right, bottom),
             QPoint(60, 10), QPoint(10, 40) })
        QVERIFY2(dark(image.pixel(p)), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    // Both diagonals: a quarter of the way along each is inked.
    for (const QPointF &start : { QPointF(10, 10), QPointF(10, bottom) }) {
        const QPointF end = start.y() == 10 ? QPointF(right, bottom) : QPointF(right, 10);
        const QPoint at = (start + (end - start) / 4).toPoint();
        QVERIFY(!box(image, dark, QRect(at - QPoint(1, 1), QSize(3, 3))).isNull());
    }
}

void TestSuperTextPainting::sizeSteps()
{
    QCOMPARE(superTextFontSizeStep(12, false), 7);
    QCOMPARE(superTextFontSizeStep(10, false), 10);
    QCOMPARE(superTextFontSizeStep(8, false), 8);
    QCOMPARE(superTextFontSizeStep(148, true), 153);
    QCOMPARE(superTextFontSizeStep(150, true), 150);
    QCOMPARE(superTextFontSizeStep(48, true), 53);
}

void TestSuperTextPainting::shrinkRule_data()
{
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<bool>("border");
    QTest::addColumn<bool>("shrinks");
    QTest::newRow("transparent, no border") << true << false << true;
    QTest::newRow("with border") << true << true << false;
    QTest::newRow("opaque") << false << false << false;
}

void TestSuperTextPainting::shrinkRule()
{
    QFETCH(bool, transparent);
    QFETCH(bool, border);
    QFETCH(bool, shrinks);
    TVSuperText text;
    plain(text, QStringLiteral("Tall"));
    text.setShadowOrientation(sdDown);
    text.setShadowDepth(6);
    text.setControlTransparent(transparent);
    text.setBorderStyle(border ? bsSingle : bsNone);
    text.setBounds(0, 0, 300, 400);
    text.layOut();
    const int h = QFontMetrics(text.font().toQFont(1.0f)).height();
    QCOMPARE(text.height(), shrinks ? int(1.2 * (6 + h)) : 400);
    // Too short always grows to the text and its shadow.
    text.setHeight(10);
    text.layOut();
    QCOMPARE(text.height(), 6 + h);
}

void TestSuperTextPainting::fitToText()
{
    TVSuperText text;
    plain(text, QStringLiteral("Headline"));
    text.setShadowOrientation(sdDownRight);
    text.setShadowDepth(4);
    text.setBounds(0, 0, 60, 40);
    QVERIFY(text.fitToText());
    const QFontMetrics metrics(text.font().toQFont(1.0f));
    const int cx = metrics.horizontalAdvance(text.caption());
    const int cy = metrics.height();
    QCOMPARE(text.width(), int(9 + 1.2 * cx));
    // The layout's shrink rule may take back some of 1.2 x (cy + 4) afterwards.
    QVERIFY(text.height() >= cy + 4 && text.height() <= int(1.2 * (cy + 4)));
    QCOMPARE(text.shownCaption(text.layoutAt(1.0f), 1.0f), text.caption());
}

void TestSuperTextPainting::repaintFollowsChanges()
{
    // A repaint on pixels copies the kept drawing; every change draws anew.
    TVSuperText text;
    plain(text, QStringLiteral("HI"));
    text.setBounds(0, 0, 200, 90);
    QVERIFY(!box(drawn(text, { 220, 100 }), dark).isNull());
    CalendarFont red = text.font();
    red.color = 0x0000FF;
    text.setFont(red);
    const QImage redFace = drawn(text, { 220, 100 });
    QVERIFY(box(redFace, dark).isNull());
    QVERIFY(!box(redFace, reddish).isNull());
    text.setLeft(50);
    QCOMPARE(box(drawn(text, { 260, 100 }), reddish).left(), box(redFace, reddish).left() + 50);
}

QTEST_MAIN(TestSuperTextPainting)
#include "tst_supertextpainting.moc"
