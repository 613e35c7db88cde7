// The selection frame driven by the mouse and the arrow keys on a real
// calendar page: what a drag or a key does to the selected objects' bounds
// at scale 1, with the frame's clock stepped by the test.
#include "surfacefixture.h"

#include <QtTest>

using Rects = QList<QRect>;

class TestSelectionFrame : public QObject
{
    Q_OBJECT

private slots:
    void drag_data();
    void drag();
    void arrowKeys_data();
    void arrowKeys();
};

void TestSelectionFrame::drag_data()
{
    QTest::addColumn<float>("zoom");
    QTest::addColumn<int>("snap"); // grid pitch, 0 for none
    QTest::addColumn<Rects>("objects"); // A, B, ... at scale 1
    QTest::addColumn<QString>("locked"); // names
    QTest::addColumn<QString>("select"); // clicked (then Shift-clicked) first; empty: the press selects
    QTest::addColumn<QString>("grip"); // where the press lands: centre of A, or the frame's bottom-right
    QTest::addColumn<QPoint>("by"); // mouse travel in display pixels
    QTest::addColumn<int>("heldMs");
    QTest::addColumn<Rects>("expected");

    const QRect a(100, 100, 40, 30), b(300, 100, 40, 30);
    QTest::newRow("move a selected object")
        << 1.f << 0 << Rects { a } << ""
        << "A"
        << "centre" << QPoint(20, 10) << 200 << Rects { a.translated(20, 10) };
    QTest::newRow("press on an unselected object, then drag")
        << 1.f << 0 << Rects { a } << ""
        << ""
        << "centre" << QPoint(20, 10) << 200 << Rects { a.translated(20, 10) };
    QTest::newRow("click inside 150 ms moves nothing") << 1.f << 0 << Rects { a } << ""
                                                       << "A"
                                                       << "centre" << QPoint(20, 10) << 140 << Rects { a };
    QTest::newRow("bottom-right grip by 10 grows by 9")
        << 1.f << 0 << Rects { a } << ""
        << "A"
        << "bottomRight" << QPoint(10, 10) << 200 << Rects { a.adjusted(0, 0, 9, 9) };
    QTest::newRow("two selected: the corner moves, never resizes")
        << 1.f << 0 << Rects { a, b } << ""
        << "A,B"
        << "bottomRight" << QPoint(10, 10) << 200 << Rects { a.translated(10, 10), b.translated(10, 10) };
    QTest::newRow("a locked object stays")
        << 1.f << 0 << Rects { a, b } << "B"
        << "A,B"
        << "centre" << QPoint(20, 10) << 200 << Rects { a.translated(20, 10), b };
    // Frame = object - 2; the top 104 lies on the grid.
    QTest::newRow("snap 8: frame 16 by 5 stays")
        << 1.f << 8 << Rects { QRect(18, 106, 40, 30) } << ""
        << "A"
        << "centre" << QPoint(5, 0) << 200 << Rects { QRect(18, 106, 40, 30) };
    QTest::newRow("snap 8: frame 16 by 9 to 24")
        << 1.f << 8 << Rects { QRect(18, 106, 40, 30) } << ""
        << "A"
        << "centre" << QPoint(9, 0) << 200 << Rects { QRect(26, 106, 40, 30) };
    QTest::newRow("snap 8: frame 3 by -5 truncates to 0")
        << 1.f << 8 << Rects { QRect(5, 106, 40, 30) } << ""
        << "A"
        << "centre" << QPoint(-5, 0) << 200 << Rects { QRect(2, 106, 40, 30) };
    // At 60% the 30 display pixels are 50 at scale 1; the size is untouched.
    QTest::newRow("move at 60% divides back once")
        << 0.6f << 0 << Rects { QRect(100, 100, 50, 50) } << ""
        << "A"
        << "centre" << QPoint(30, 30) << 200 << Rects { QRect(150, 150, 50, 50) };
    QTest::newRow("grip at 60%") << 0.6f << 0 << Rects { QRect(100, 100, 50, 50) } << ""
                                 << "A"
                                 << "bottomRight" << QPoint(31, 7) << 200
                                 << Rects { QRect(100, 100, 100, 60) };
}

void TestSelectionFrame::drag()
{
    QFETCH(float, zoom);
    QFETCH(int, snap);
    QFETCH(Rects, objects);
    QFETCH(QString, locked);
    QFETCH(QString, select);
    QFETCH(QString, grip);
    QFETCH(QPoint, by);
    QFETCH(int, heldMs);
    QFETCH(Rects, expected);

    SurfaceFixture s;
    s.panel.SetScale(zoom);
    for (const QRect &r : objects)
        s.add(r);
    for (const QString &name : locked.split(',', Qt::SkipEmptyParts))
        s.named(name)->setLocked(true);
    s.panel.handle().setGridX(snap ? snap : 8);
    s.panel.handle().setSnapToGrid(snap > 0);
    const QStringList selected = select.split(',', Qt::SkipEmptyParts);
    for (int i = 0; i < selected.size(); ++i)
        s.click(s.centreOf(selected[i]), i ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(s.selection(), select);

    const QRect frame = s.panel.handle().frame();
    const QPoint from = grip == "centre" ? s.centreOf("A") : frame.bottomRight();
    s.clock += 500;
    s.drag(from, from + by, heldMs);
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(s.bounds(QString(QChar('A' + i))), expected[i]);
    QCOMPARE(s.changes.isEmpty(), expected == objects);
    QVERIFY(!s.panel.handle().isDragging());
}

void TestSelectionFrame::arrowKeys_data()
{
    QTest::addColumn<QRect>("a");
    QTest::addColumn<bool>("bothSelected"); // B lies far right of A
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QRect>("expected");

    const QRect a(100, 100, 40, 30);
    QTest::newRow("Right moves by 1")
        << a << false << QList<int> { Qt::Key_Right } << false << a.translated(1, 0);
    QTest::newRow("three Ups in one go")
        << a << false << QList<int> { Qt::Key_Up, Qt::Key_Up, Qt::Key_Up } << false << a.translated(0, -3);
    QTest::newRow("Left stops at the page edge")
        << QRect(0, 100, 40, 30) << false << QList<int> { Qt::Key_Left } << false << QRect(0, 100, 40, 30);
    QTest::newRow("Shift+Right widens by 1")
        << a << false << QList<int> { Qt::Key_Right } << true << a.adjusted(0, 0, 1, 0);
    QTest::newRow("Shift+Down heightens by 1")
        << a << false << QList<int> { Qt::Key_Down } << true << a.adjusted(0, 0, 0, 1);
    // The tracked width counts both edges: width 9 tracks as 10.
    QTest::newRow("Shift+Left at tracked width 10 does nothing")
        << QRect(100, 100, 9, 30) << false << QList<int> { Qt::Key_Left } << true << QRect(100, 100, 9, 30);
    QTest::newRow("Shift+Left at tracked width 11 narrows")
        << QRect(100, 100, 10, 30) << false << QList<int> { Qt::Key_Left } << true << QRect(100, 100, 9, 30);
    QTest::newRow("Shift with two selected moves")
        << a << true << QList<int> { Qt::Key_Right } << true << a.translated(1, 0);
}

void TestSelectionFrame::arrowKeys()
{
    QFETCH(QRect, a);
    QFETCH(bool, bothSelected);
    QFETCH(QList<int>, keys);
    QFETCH(bool, shift);
    QFETCH(QRect, expected);

    SurfaceFixture s;
    s.add(a);
    s.add(QRect(400, 300, 20, 20));
    s.click(s.centreOf("A"));
    if (bothSelected)
        s.click(s.centreOf("B"), Qt::ShiftModifier);
    const Qt::KeyboardModifiers modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
    // Held keys repeat their press; the move lands with the release.
    for (int key : keys)
        QTest::keyPress(&s.panel, Qt::Key(key), modifiers);
    QCOMPARE(s.bounds("A"), a);
    QTest::keyRelease(&s.panel, Qt::Key(keys.last()), modifiers);
    QCOMPARE(s.bounds("A"), expected);
    QCOMPARE(s.bounds("B"),
        bothSelected ? QRect(400, 300, 20, 20).translated(expected.topLeft() - a.topLeft())
                     : QRect(400, 300, 20, 20));
    QCOMPARE(s.changes.isEmpty(), expected == a);
    // The frame follows the objects.
    QCOMPARE(s.panel.handle().frame().topLeft(), s.named("A")->displayRect(1.f).topLeft() - QPoint(2, 2));
}

QTEST_MAIN(TestSelectionFrame)
#include "tst_selectionframe.moc"
