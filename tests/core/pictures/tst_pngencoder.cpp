// The fast page PNG writer read back by Qt's reader: every pixel, the
// resolution, and grey pages stored as grey.
#include "pictures/pngencoder.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

class TestPngEncoder : public QObject
{
    Q_OBJECT

private slots:
    void readsBackPixelForPixel_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("colour");
        QTest::newRow("one pixel") << QSize(1, 1) << false;
        QTest::newRow("grey page, odd width") << QSize(301, 97) << false;
        QTest::newRow("colour page") << QSize(256, 200) << true;
    }
    void readsBackPixelForPixel()
    {
        QFETCH(QSize, size);
        QFETCH(bool, colour);
        QImage page(size, QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            QPainter painter(&page);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(Qt::black, 1.5));
            painter.drawLine(0, 0, size.width(), size.height());
            painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, QStringLiteral("15"));
            if (colour)
                painter.fillRect(10, 10, 40, 30, QColor(200, 30, 90));
        }
        const QByteArray png = PngEncoder::encode(page, 300);
        QImage read;
        QVERIFY(read.loadFromData(png, "PNG"));
        QCOMPARE(read.isGrayscale(), !colour);
        QCOMPARE(read.convertToFormat(QImage::Format_RGB32), page);
        QCOMPARE(read.dotsPerMeterX(), 11811);
    }
};

QTEST_MAIN(TestPngEncoder)
#include "tst_pngencoder.moc"
