#include "base/zoom.h"

#include <QtTest>

class TestZoom : public QObject
{
    Q_OBJECT

private slots:
    void zoomToPercent_data()
    {
        QTest::addColumn<float>("scale");
        QTest::addColumn<int>("percent");
        QTest::newRow("0.2999") << 0.2999f << 20;
        QTest::newRow("0.3") << 0.3f << 30;
        QTest::newRow("0.601") << 0.601f << 60;
        QTest::newRow("0.6999") << 0.6999f << 60;
        QTest::newRow("0.999") << 0.999f << 90;
        QTest::newRow("1.0") << 1.0f << 100;
        QTest::newRow("1.05") << 1.05f << 100;
        QTest::newRow("0.1") << 0.1f << 20;
    }

    void zoomToPercent()
    {
        QFETCH(float, scale);
        QFETCH(int, percent);
        QCOMPARE(Zoom(scale).storedPercent(), percent);
    }

    void percentToZoom_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<float>("scale");
        QTest::newRow("0") << 0 << 0.201f;
        QTest::newRow("29") << 29 << 0.201f;
        QTest::newRow("30") << 30 << 0.301f;
        QTest::newRow("60") << 60 << 0.601f;
        QTest::newRow("99") << 99 << 0.901f;
        QTest::newRow("100") << 100 << 1.001f;
        QTest::newRow("250") << 250 << 1.001f;
    }

    void percentToZoom()
    {
        QFETCH(int, percent);
        QFETCH(float, scale);
        QCOMPARE(Zoom::fromStoredPercent(percent).scale(), scale);
        // Every stored step survives a round trip.
        QCOMPARE(Zoom::fromStoredPercent(Zoom(scale).storedPercent()).scale(), scale);
    }

    // The caption and the cell layout read one scale two ways; the layout
    // must agree with the painter even where a float sits a hair below a step.
    void percents_data()
    {
        QTest::addColumn<float>("scale");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("layout");
        QTest::newRow("stored step") << 0.701f << 70 << 70;
        QTest::newRow("float below 70") << 0.7f << 70 << 70;
        QTest::newRow("rounds up, truncates down") << 0.6999f << 70 << 69;
        QTest::newRow("tie to even") << 0.125f << 12 << 12;
        QTest::newRow("above 100") << 1.001f << 100 << 100;
    }

    void percents()
    {
        QFETCH(float, scale);
        QFETCH(int, shown);
        QFETCH(int, layout);
        QCOMPARE(Zoom(scale).shownPercent(), shown);
        QCOMPARE(Zoom(scale).layoutPercent(), layout);
    }
};

QTEST_APPLESS_MAIN(TestZoom)
#include "tst_zoom.moc"
