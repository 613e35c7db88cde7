#include "objects/vplabel.h"

#include <QSignalSpy>
#include <QTest>

// The common part of every placed object: bounds check, rescaling, centring,
// Locked and Unselectable.
class TestGraphicControl : public QObject
{
    Q_OBJECT

private slots:
    void firstBoundsAreNotAChange();
    void rescalingRoundsTiesToEven_data();
    void rescalingRoundsTiesToEven();
    void rescaleThereAndBackLosesAPixel();
    void sameScaleChangesNothing();
    void adoptScaleKeepsBounds();
    void centring();
    void lockedAndUnselectable();
    void roundHalfEvenTable();
};

void TestGraphicControl::firstBoundsAreNotAChange()
{
    TVPLabel label;
    QSignalSpy modified(&label, &TVGraphicControl::modified);
    QSignalSpy refit(&label, &TVGraphicControl::frameRefitRequested);
    label.setBounds(10, 20, 100, 30);
    QCOMPARE(modified.count(), 0);
    QCOMPARE(refit.count(), 0);
    QCOMPARE(label.lastKnownBounds(), (TRect { 10, 20, 110, 50 }));

    label.setLeft(11);
    QCOMPARE(modified.count(), 1);
    QCOMPARE(refit.count(), 1);
    QCOMPARE(label.lastKnownBounds(), (TRect { 11, 20, 111, 50 }));
    label.setBounds(11, 20, 100, 30); // unchanged
    QCOMPARE(modified.count(), 1);
    label.setHeight(40);
    QCOMPARE(modified.count(), 2);
    QCOMPARE(refit.count(), 2);
}

void TestGraphicControl::rescalingRoundsTiesToEven_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("expected");
    QTest::newRow("50.5 down") << 101 << 0.5f << 50;
    QTest::newRow("51.5 up") << 103 << 0.5f << 52;
    QTest::newRow("-2.5 to -2") << -5 << 0.5f << -2;
    QTest::newRow("-3.5 to -4") << -7 << 0.5f << -4;
    QTest::newRow("0.9 single precision") << 100 << 0.9f << 90;
}

void TestGraphicControl::rescalingRoundsTiesToEven()
{
    QFETCH(int, value);
    QFETCH(float, scale);
    QFETCH(int, expected);
    TVPLabel label;
    label.setBounds(value, value, 1000, 1000);
    label.applyScale(scale);
    QCOMPARE(label.left(), expected);
    QCOMPARE(label.top(), expected);
    QCOMPARE(label.displayScale(), scale);
    if (value > 0) {
        TVPLabel sized;
        sized.setBounds(0, 0, value, value);
        sized.applyScale(scale);
        QCOMPARE(sized.width(), expected);
        QCOMPARE(sized.height(), expected);
    }
}

void TestGraphicControl::rescaleThereAndBackLosesAPixel()
{
    TVPLabel label;
    label.setBounds(0, 0, 101, 40);
    QSignalSpy modified(&label, &TVGraphicControl::modified);
    label.applyScale(0.5f);
    QCOMPARE(label.width(), 50);
    QCOMPARE(modified.count(), 1); // the bounds check ran
    label.applyScale(1.0f);
    QCOMPARE(label.width(), 100);
    QCOMPARE(label.height(), 40);
}

void TestGraphicControl::sameScaleChangesNothing()
{
    TVPLabel label;
    label.setBounds(3, 3, 101, 41);
    QSignalSpy modified(&label, &TVGraphicControl::modified);
    label.applyScale(1.0f);
    QCOMPARE(label.width(), 101);
    QCOMPARE(modified.count(), 0);
}

void TestGraphicControl::adoptScaleKeepsBounds()
{
    // A pasted object's bounds are already in the surface's pixels.
    TVPLabel label;
    label.setBounds(10, 10, 50, 20);
    label.adoptScale(0.5f);
    QCOMPARE(label.width(), 50);
    label.applyScale(1.0f);
    QCOMPARE(label.width(), 100);
}

void TestGraphicControl::centring()
{
    TVPLabel label;
    label.setBounds(7, 9, 101, 33);
    QSignalSpy modified(&label, &TVGraphicControl::modified);
    label.centerVertically(501);
    QCOMPARE(label.top(), 250 - 16);
    QCOMPARE(label.left(), 7);
    label.centerHorizontally(300);
    QCOMPARE(label.left(), 150 - 50);
    QVERIFY(modified.count() >= 2);
    // Integer division truncates toward zero, also when the object is larger.
    label.centerHorizontally(-3);
    QCOMPARE(label.left(), -1 - 50);
}

void TestGraphicControl::lockedAndUnselectable()
{
    TVPLabel label;
    QSignalSpy modified(&label, &TVGraphicControl::modified);
    QSignalSpy unselectable(&label, &TVGraphicControl::unselectableSet);
    label.setLocked(true);
    label.setLocked(true);
    QVERIFY(label.locked());
    QCOMPARE(modified.count(), 1);
    label.setUnselectable(true);
    QCOMPARE(modified.count(), 2);
    QCOMPARE(unselectable.count(), 1);
    label.setUnselectable(false);
    QCOMPARE(modified.count(), 3);
    QCOMPARE(unselectable.count(), 1);
}

void TestGraphicControl::roundHalfEvenTable()
{
    QCOMPARE(roundHalfEven(0.5L), 0);
    QCOMPARE(roundHalfEven(1.5L), 2);
    QCOMPARE(roundHalfEven(2.5L), 2);
    QCOMPARE(roundHalfEven(2.5000001L), 3);
    QCOMPARE(roundHalfEven(-0.5L), 0);
    QCOMPARE(roundHalfEven(-1.5L), -2);
}

QTEST_MAIN(TestGraphicControl)
#include "tst_graphiccontrol.moc"
