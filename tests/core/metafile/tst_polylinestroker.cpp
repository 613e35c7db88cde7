#include "metafile/polylinestroker.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>

// The outlines are drawn next to Qt's own stroke of the same pen and must
// cover the same pixels.

namespace {

constexpr int kSide = 240;

QImage canvas()
{
    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage drawnByQt(const QPolygonF &points, bool closed, const PolylineStroke &stroke)
{
    QImage image = canvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::black, stroke.width, Qt::SolidLine, stroke.cap, stroke.join);
    pen.setMiterLimit(stroke.miterLimit);
    painter.setPen(pen);
    if (closed)
        painter.drawPolygon(points);
    else
        painter.drawPolyline(points);
    return image;
}

QImage drawnOutline(const QPolygonF &points, bool closed, const PolylineStroke &stroke)
{
    QImage image = canvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(strokePolyline(points, closed, stroke));
    return image;
}

// Pixels whose grey differs by more than a quarter of the range.
int differingPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 64;
    return count;
}

int inkedPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qGray(image.pixel(x, y)) < 128;
    return count;
}

QPolygonF zigzag()
{
    return QPolygonF({ { 20, 200 }, { 60, 60 }, { 100, 180 }, { 140, 40 }, { 180, 190 }, { 220, 70 } });
}

QPolygonF hexagon()
{
    QPolygonF points;
    for (int i = 0; i < 6; ++i)
        points << QPointF(120 + 90 * std::cos(i * M_PI / 3), 120 + 90 * std::sin(i * M_PI / 3));
    return points;
}

QPolygonF star()
{
    QPolygonF points;
    for (int i = 0; i < 5; ++i)
        points << QPointF(120 + 100 * std::sin(i * 4 * M_PI / 5), 120 - 100 * std::cos(i * 4 * M_PI / 5));
    return points;
}

// A flattened circle whose segments are far shorter than the pen is wide,
// as curves in clip art are.
QPolygonF denseCircle()
{
    QPolygonF points;
    for (int i = 0; i < 180; ++i)
        points << QPointF(120 + 70 * std::cos(i * M_PI / 90), 120 + 70 * std::sin(i * M_PI / 90));
    return points;
}

PolylineStroke pen(double width, Qt::PenJoinStyle join, Qt::PenCapStyle cap)
{
    PolylineStroke stroke;
    stroke.width = width;
    stroke.join = join;
    stroke.cap = cap;
    stroke.tolerance = 0.05;
    return stroke;
}

} // namespace

Q_DECLARE_METATYPE(PolylineStroke)

class TestPolylineStroker : public QObject
{
    Q_OBJECT

private slots:
    void coversWhatQtStrokes_data();
    void coversWhatQtStrokes();
    void closedOutlineLeavesTheInsideEmpty();
    void longMitersBecomeBevels();
    void degenerateLinesGiveNoOutline();
    void roundJoinsOnHugePensStayBounded();
};

void TestPolylineStroker::coversWhatQtStrokes_data()
{
    QTest::addColumn<QPolygonF>("points");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<PolylineStroke>("stroke");
    QTest::newRow("zigzag, miter, flat ends") << zigzag() << false << pen(9, Qt::MiterJoin, Qt::FlatCap);
    QTest::newRow("zigzag, round") << zigzag() << false << pen(11, Qt::RoundJoin, Qt::RoundCap);
    QTest::newRow("zigzag, bevel, square ends") << zigzag() << false << pen(7, Qt::BevelJoin, Qt::SquareCap);
    QTest::newRow("hexagon, miter") << hexagon() << true << pen(12, Qt::MiterJoin, Qt::FlatCap);
    QTest::newRow("hexagon, round") << hexagon() << true << pen(12, Qt::RoundJoin, Qt::FlatCap);
    QTest::newRow("crossing star, bevel") << star() << true << pen(8, Qt::BevelJoin, Qt::FlatCap);
    QTest::newRow("dense circle, miter") << denseCircle() << true << pen(20, Qt::MiterJoin, Qt::FlatCap);
    QTest::newRow("dense arc, round, open")
        << QPolygonF(denseCircle().mid(0, 120)) << false << pen(25, Qt::RoundJoin, Qt::RoundCap);
    QTest::newRow("turning back, round") << QPolygonF({ { 40, 120 }, { 200, 120 }, { 80, 120 } }) << false
                                         << pen(16, Qt::RoundJoin, Qt::RoundCap);
    QTest::newRow("turning back, bevel") << QPolygonF({ { 40, 120 }, { 200, 120 }, { 80, 120 } }) << false
                                         << pen(16, Qt::BevelJoin, Qt::SquareCap);
    QTest::newRow("repeated points") << QPolygonF(
        { { 30, 30 }, { 30, 30 }, { 200, 60 }, { 200, 60 }, { 200, 60 }, { 60, 210 } })
                                     << false << pen(10, Qt::MiterJoin, Qt::FlatCap);
    QTest::newRow("short segments, wide pen") << QPolygonF(
        { { 100, 100 }, { 104, 101 }, { 106, 105 }, { 103, 108 }, { 140, 140 }, { 141, 139 }, { 180, 100 } })
                                              << false << pen(30, Qt::MiterJoin, Qt::RoundCap);
    QTest::newRow("two points closed")
        << QPolygonF({ { 40, 40 }, { 200, 200 } }) << true << pen(10, Qt::RoundJoin, Qt::FlatCap);
}

void TestPolylineStroker::coversWhatQtStrokes()
{
    QFETCH(QPolygonF, points);
    QFETCH(bool, closed);
    QFETCH(PolylineStroke, stroke);
    const QImage ours = drawnOutline(points, closed, stroke);
    const QImage qt = drawnByQt(points, closed, stroke);
    const int inked = inkedPixels(qt);
    QVERIFY(inked > 500);
    const int differing = differingPixels(ours, qt);
    // Edge pixels may round the other way; holes or extra ink would be
    // hundreds of pixels.
    QVERIFY2(differing <= inked / 200 + 4,
        qPrintable(QStringLiteral("%1 of %2 pixels differ").arg(differing).arg(inked)));
}

void TestPolylineStroker::closedOutlineLeavesTheInsideEmpty()
{
    const QImage image = drawnOutline(hexagon(), true, pen(12, Qt::MiterJoin, Qt::FlatCap));
    QCOMPARE(QColor(image.pixel(120, 120)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(210, 120)), QColor(Qt::black));
    // Both sides of the line: the wall runs 6 px either side of the vertex.
    QCOMPARE(QColor(image.pixel(215, 120)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(205, 120)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(219, 120)), QColor(Qt::white));
}

void TestPolylineStroker::longMitersBecomeBevels()
{
    // A spike of 10 degrees: its miter would be 11.5 widths long.
    const QPointF tip(120, 40);
    const double half = 5 * M_PI / 180;
    const QPolygonF spike({ tip + QPointF(-150 * std::sin(half), 150 * std::cos(half)), tip,
        tip + QPointF(150 * std::sin(half), 150 * std::cos(half)) });
    PolylineStroke stroke = pen(10, Qt::MiterJoin, Qt::FlatCap);
    const QRectF limited = strokePolyline(spike, false, stroke).boundingRect();
    QVERIFY2(limited.top() > tip.y() - 6, qPrintable(QString::number(limited.top())));
    stroke.miterLimit = 12;
    const QRectF mitered = strokePolyline(spike, false, stroke).boundingRect();
    QVERIFY2(std::abs(mitered.top() - (tip.y() - 5 / std::sin(half))) < 0.01,
        qPrintable(QString::number(mitered.top())));
}

void TestPolylineStroker::degenerateLinesGiveNoOutline()
{
    const PolylineStroke stroke = pen(10, Qt::RoundJoin, Qt::RoundCap);
    QVERIFY(strokePolyline(QPolygonF(), false, stroke).isEmpty());
    QVERIFY(strokePolyline(QPolygonF({ { 5, 5 } }), false, stroke).isEmpty());
    QVERIFY(strokePolyline(QPolygonF({ { 5, 5 }, { 5, 5 }, { 5, 5 } }), true, stroke).isEmpty());
    QVERIFY(strokePolyline(QPolygonF({ { 5, 5 }, { 50, 5 } }), false, pen(0, Qt::RoundJoin, Qt::RoundCap))
                .isEmpty());
}

void TestPolylineStroker::roundJoinsOnHugePensStayBounded()
{
    // Forty thousand joins, each an arc of thousands of points at this
    // width and tolerance, would be far over a hundred million points.
    QPolygonF zigzag;
    for (int i = 0; i < 40000; ++i)
        zigzag << QPointF(i * 10, (i % 2) * 10);
    PolylineStroke stroke = pen(1e6, Qt::RoundJoin, Qt::RoundCap);
    stroke.tolerance = 0.01;
    const QPainterPath outline = strokePolyline(zigzag, false, stroke);
    QVERIFY(!outline.isEmpty());
    QVERIFY2(outline.elementCount() < (1 << 20) + 10 * zigzag.size(),
        qPrintable(QString::number(outline.elementCount())));
}

QTEST_MAIN(TestPolylineStroker)
#include "tst_polylinestroker.moc"
