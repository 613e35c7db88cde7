// The text label's layout and drawing, checked on pixels: the
// height it hugs its text to, centring with a margin, fitting that only
// grows, the reading direction at each angle and the shadow's offset.
#include "objects/placedobjects.h"
#include "objects/vplabel.h"

#include "inkprobe.h"

#include <QPainter>
#include <QTest>

using namespace InkProbe;

namespace {

CalendarFont arial(int points)
{
    CalendarFont font;
    font.name = QStringLiteral("Arial");
    font.size = points;
    font.color = clBlack;
    return font;
}

// The first point size whose line height is the given one.
int pointsForLineHeight(int lineHeight)
{
    for (int points = 6; points < 40; ++points) {
        TVPLabel probe;
        probe.setFont(arial(points));
        if (probe.layoutAt(1.0f).lineHeight == lineHeight)
            return points;
    }
    return 0;
}

} // namespace

class TestLabelPainting : public QObject
{
    Q_OBJECT

private slots:
    void heightHugsTheText_data();
    void heightHugsTheText();
    void offsetsAndMargins();
    void centredWithAMargin();
    void fittingNeverShrinks();
    void rotatedTextReadsTheRightWay_data();
    void rotatedTextReadsTheRightWay();
    void rotatingExchangesTheSides();
    void shadowOffsetByItsDepth_data();
    void shadowOffsetByItsDepth();
    void noDepthOrNoDirectionNoShadow();
    void zoomDrawsFromScaleOne();
};

void TestLabelPainting::heightHugsTheText_data()
{
    QTest::addColumn<int>("dragged");
    QTest::addColumn<int>("expected");
    QTest::newRow("too tall") << 100 << 24;
    QTest::newRow("too short") << 10 << 20;
    QTest::newRow("in between stays") << 22 << 22;
}

void TestLabelPainting::heightHugsTheText()
{
    QFETCH(int, dragged);
    QFETCH(int, expected);
    const int points = pointsForLineHeight(20);
    QVERIFY2(points > 0, "no Arial size with a line height of 20");
    TVPLabel label;
    label.setFont(arial(points));
    label.setTransparent(false);
    label.setBackColor(0x0000FF); // red
    label.setBounds(10, 10, 150, dragged);
    // Drawn at the adjusted size before anything is stored ...
    const QImage image = drawn(label, { 200, 140 });
    QCOMPARE(box(image, reddish), QRect(10, 10, 150, expected));
    // ... and stored by the layout, the width left alone.
    label.layOut();
    QCOMPARE(label.height(), expected);
    QCOMPARE(label.width(), 150);
    QVERIFY(!label.layoutNeeded());
}

void TestLabelPainting::offsetsAndMargins()
{
    TVPLabel label;
    label.setFont(arial(10));
    label.setDirectionShadow(sdDownRight);
    label.setDepthShadow(3);
    label.setDirectionHighlight(hdUpLeft);
    label.setDepthHighlight(2);
    const LabelLayout layout = label.layoutAt(1.0f);
    QCOMPARE(layout.margin, QPoint(2, 2));
    QCOMPARE(layout.needed, layout.lineHeight + 5);
    QCOMPARE(layout.shadowRect.left - layout.textRect.left, 3);
    QCOMPARE(layout.highlightRect.top - layout.textRect.top, -2);
}

void TestLabelPainting::centredWithAMargin()
{
    TVPLabel label;
    label.setFont(arial(20));
    label.setCaption(QStringLiteral("HIH"));
    label.setDirectionHighlight(hdUpLeft);
    label.setDepthHighlight(2); // mx = 2
    label.setAlignment(taCenter);
    label.setBounds(0, 0, 300, 40);
    const LabelLayout layout = label.layoutAt(1.0f);
    QCOMPARE(layout.margin.x(), 2);
    const int expectedX = (300 - 2) / 2 - layout.textWidth / 2;
    QCOMPARE(layout.textOrigin.x(), expectedX);
    // The first stem's ink starts just right of that x (the H's side bearing).
    const QRect ink = box(drawn(label, { 320, 60 }), dark);
    QVERIFY2(ink.left() >= expectedX && ink.left() <= expectedX + 3, qPrintable(QString::number(ink.left())));
    // Centred: the ink's middle lies within half a space of the box's middle.
    const int middle = (ink.left() + ink.right() + 1) / 2;
    QVERIFY2(qAbs(middle - 149) <= 6, qPrintable(QString::number(middle)));
}

void TestLabelPainting::fittingNeverShrinks()
{
    TVPLabel big;
    big.setFont(arial(20));
    big.setCaption(QStringLiteral("Hi"));
    big.setBounds(0, 0, 400, 30);
    big.fitToText();
    QCOMPARE(big.width(), 400);
    QVERIFY(big.height() >= 30);

    TVPLabel small;
    small.setFont(arial(20));
    small.setCaption(QStringLiteral("A longer caption"));
    small.setBounds(0, 0, 40, 30);
    small.fitToText();
    const QFontMetrics metrics(arial(20).toQFont(1.0f));
    QCOMPARE(small.width(), metrics.horizontalAdvance(QStringLiteral("A longer caption     ")));
    // The whole caption shows: no ink touches the right edge.
    const QRect ink = box(drawn(small, { small.width() + 20, 60 }), dark);
    QVERIFY(ink.right() < small.width() - 5);

    TVPLabel rotated; // fitting is for labels at angle 0 only
    rotated.setAngle(90);
    const QSize before(rotated.width(), rotated.height());
    rotated.setCaption(QStringLiteral("A very very long caption indeed"));
    rotated.fitToText();
    QCOMPARE(QSize(rotated.width(), rotated.height()), before);
}

void TestLabelPainting::rotatedTextReadsTheRightWay_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<QString>("end"); // where the first letter's ink lies
    QTest::newRow("0") << 0 << "left";
    QTest::newRow("90") << 90 << "bottom";
    QTest::newRow("180") << 180 << "right";
    QTest::newRow("270") << 270 << "top";
}

void TestLabelPainting::rotatedTextReadsTheRightWay()
{
    QFETCH(int, angle);
    QFETCH(QString, end);
    TVPLabel label;
    label.setFont(arial(16));
    // Only the first letter has ink; the blanks carry the box on.
    label.setCaption(QStringLiteral("W            "));
    label.setBorderStyle(bsSingle);
    label.setBounds(20, 20, 200, 200);
    label.setAngle(angle);
    label.layOut();
    const QRect frame(label.left(), label.top(), label.width(), label.height());
    const QImage image = drawn(label, { 260, 260 });
    const QRect ink = box(image, dark, frame.adjusted(2, 2, -2, -2));
    QVERIFY(!ink.isNull());
    const bool across = angle == 0 || angle == 180; // the box is long across
    QCOMPARE(across, frame.width() > frame.height());
    const QPoint c = ink.center() - frame.center();
    if (end == QLatin1String("left"))
        QVERIFY(c.x() < -frame.width() / 4);
    else if (end == QLatin1String("right"))
        QVERIFY(c.x() > frame.width() / 4);
    else if (end == QLatin1String("top"))
        QVERIFY(c.y() < -frame.height() / 4);
    else
        QVERIFY(c.y() > frame.height() / 4);
    // The letter is turned with the text: a W is wider than tall upright.
    QCOMPARE(ink.width() > ink.height(), across);
}

void TestLabelPainting::rotatingExchangesTheSides()
{
    TVPLabel label;
    label.setFont(arial(10));
    QCOMPARE(QSize(label.width(), label.height()), QSize(142, 33));
    label.setAngle(45);
    QCOMPARE(label.angle(), 0);
    label.setAngle(90);
    QCOMPARE(QSize(label.width(), label.height()), QSize(33, 142));
    label.layOut();
    const LabelLayout layout = label.layoutAt(1.0f);
    QVERIFY(label.height() <= int(layout.textWidth * 1.2));
    QVERIFY(label.width() >= layout.needed && label.width() <= int(layout.needed * 1.2));
}

void TestLabelPainting::shadowOffsetByItsDepth_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("angle");
    QTest::addColumn<QPoint>("offset"); // on the page
    QTest::newRow("right") << int(sdRight) << 0 << QPoint(4, 0);
    QTest::newRow("left") << int(sdLeft) << 0 << QPoint(-4, 0);
    QTest::newRow("down right") << int(sdDownRight) << 0 << QPoint(4, 4);
    QTest::newRow("down left") << int(sdDownLeft) << 0 << QPoint(-4, 4);
    QTest::newRow("down") << int(sdDown) << 0 << QPoint(0, 4);
    // Turned with the text: down (towards the letters' feet) is to the right at 90.
    QTest::newRow("down at 90") << int(sdDown) << 90 << QPoint(4, 0);
    QTest::newRow("down at 180") << int(sdDown) << 180 << QPoint(0, -4);
    QTest::newRow("down at 270") << int(sdDown) << 270 << QPoint(-4, 0);
}

void TestLabelPainting::shadowOffsetByItsDepth()
{
    QFETCH(int, direction);
    QFETCH(int, angle);
    QFETCH(QPoint, offset);
    TVPLabel label;
    label.setFont(arial(24));
    label.setCaption(QStringLiteral("HH"));
    label.setColorShadow(0x0000FF); // red
    label.setDirectionShadow(TShadowDirection(direction));
    label.setDepthShadow(4);
    label.setBounds(30, 30, 150, 150);
    label.setAngle(angle);
    label.layOut();
    const QImage image = drawn(label, { 260, 260 });
    const QRect text = box(image, dark);
    const QRect shadow = box(image, reddish);
    QVERIFY(!text.isNull() && !shadow.isNull());
    // The text covers the shadow where they overlap; the shadow's far edges show the offset.
    const int dx = offset.x() > 0 ? shadow.right() - text.right() : shadow.left() - text.left();
    const int dy = offset.y() > 0 ? shadow.bottom() - text.bottom() : shadow.top() - text.top();
    // Along an axis without offset the text's own soft edge over the shadow
    // may count as shadow: one pixel either way.
    QVERIFY2(
        (offset.x() ? dx == offset.x() : qAbs(dx) <= 1) && (offset.y() ? dy == offset.y() : qAbs(dy) <= 1),
        qPrintable(QStringLiteral("%1,%2").arg(dx).arg(dy)));
}

void TestLabelPainting::noDepthOrNoDirectionNoShadow()
{
    TVPLabel label;
    label.setFont(arial(24));
    label.setColorShadow(0x0000FF);
    label.setDepthShadow(0);
    label.setBounds(0, 0, 150, 40);
    QVERIFY(box(drawn(label, { 160, 60 }), reddish).isNull());
    label.setDepthShadow(5);
    label.setDirectionShadow(sdNone);
    QVERIFY(box(drawn(label, { 160, 60 }), reddish).isNull());
    label.setDirectionShadow(sdDown);
    QVERIFY(!box(drawn(label, { 160, 60 }), reddish).isNull());
}

void TestLabelPainting::zoomDrawsFromScaleOne()
{
    TVPLabel label;
    label.setFont(arial(20));
    label.setTransparent(false);
    label.setBackColor(0x0000FF);
    label.setBounds(40, 20, 200, 40);
    label.layOut();
    const QRect at1(label.left(), label.top(), label.width(), label.height());
    const QImage half = drawn(label, { 200, 100 }, 0.5f);
    const QRect red = box(half, reddish);
    QCOMPARE(red.topLeft(), QPoint(20, 10));
    QCOMPARE(red.width(), 100);
    // Painting stored nothing.
    QCOMPARE(QRect(label.left(), label.top(), label.width(), label.height()), at1);
}

QTEST_MAIN(TestLabelPainting)
#include "tst_labelpainting.moc"
