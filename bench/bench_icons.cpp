// The icon tool's list with a library of 100 icons (each in 32 x 32 and
// 16 x 16, full colour and 4-bit, as the bundled ones): opening it and
// painting the first 9 icons (target 20 ms), and one sideways scroll step
// that extracts a new column of icons and paints it (target: within one
// frame, 16 ms). Run by hand with -median N.
#include "icons/iconimage.h"
#include "icons/iconlibrarywriter.h"
#include "icons/iconlistbox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage drawnIcon(int i, int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, side);
    fill.setColorAt(0, QColor::fromHsv(i * 37 % 360, 120, 255));
    fill.setColorAt(1, QColor::fromHsv(i * 37 % 360, 255, 160));
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(1, 1, side - 2, side - 2));
    return image;
}

} // namespace

class BenchIcons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QList<QList<QByteArray>> icons;
        for (int i = 0; i < 100; ++i) {
            icons.append({ IconImage::encode(drawnIcon(i, 32), 32), IconImage::encode(drawnIcon(i, 16), 32),
                IconImage::encode(drawnIcon(i, 32), 4), IconImage::encode(drawnIcon(i, 16), 4) });
        }
        const QByteArray library = IconLibraryWriter::write(icons, "BENCH");
        for (const QString &name : { QStringLiteral("a.icl"), QStringLiteral("b.icl") }) {
            QFile file(m_dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(library) == library.size());
        }
        m_list.setXIcons(3);
        m_list.setYIcons(3);
        m_list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_list));
    }

    void openAndShowFirstNine()
    {
        int turn = 0;
        QBENCHMARK
        {
            // Alternating between two copies, so every round loads afresh.
            m_list.setFileName(
                m_dir.filePath(turn++ % 2 ? QStringLiteral("a.icl") : QStringLiteral("b.icl")));
            m_list.repaint();
        }
        QCOMPARE(m_list.NumberOfIcons(), 100);
        QVERIFY(m_list.isExtracted(8) && !m_list.isExtracted(20));
    }

    // Timed by hand: each step needs a freshly loaded list, whose loading
    // is not part of the step. Prints the median and the slowest step.
    void scrollOneColumn()
    {
        QScrollBar *bar = m_list.horizontalScrollBar();
        QList<qint64> steps;
        for (int turn = 0; turn < 31; ++turn) {
            m_list.setFileName(m_dir.filePath(turn % 2 ? QStringLiteral("a.icl") : QStringLiteral("b.icl")));
            m_list.repaint();
            QElapsedTimer clock;
            clock.start();
            bar->setValue(bar->value() + 1);
            m_list.repaint();
            steps.append(clock.nsecsElapsed());
            QVERIFY(m_list.isExtracted(9));
        }
        std::sort(steps.begin(), steps.end());
        qInfo("scroll step with extraction: median %.3f ms, slowest %.3f ms (one frame is 16.7 ms)",
            steps[steps.size() / 2] / 1e6, steps.last() / 1e6);
    }

private:
    QTemporaryDir m_dir;
    TIconListBox m_list;
};

QTEST_MAIN(BenchIcons)
#include "bench_icons.moc"
