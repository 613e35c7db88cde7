// Drawing speed of the metafile player: a border picture stretched over a
// Letter page at zoom 1, and a clip-art WMF of about 100 KB.
// Run with -median 9 for the median of nine runs.
#include "metafile/metafile.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

QString bundledBorder(const QString &name)
{
    return QStringLiteral(DATEWRIGHT_SOURCE_RESOURCES "/Borders/") + name;
}

QString clipArtFile(const char *extension)
{
    return QStringLiteral(DATEWRIGHT_SOURCE_RESOURCES "/../tests/core/metafile/data/fidelity/clipart.")
        + QLatin1String(extension);
}

} // namespace

class BenchGraphics : public QObject
{
    Q_OBJECT

private slots:
    void borderOverPage_data();
    void borderOverPage();
    void clipArt_data();
    void clipArt();
};

void BenchGraphics::borderOverPage_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("cached");
    // A repaint of the same page finds the border's pixels kept; the first
    // paint, and every one at a new zoom, draws the vectors.
    for (const char *name : { "Classic.wpo", "Holly.wpo", "Spring Flowers.wpo", "Stars.wls" }) {
        QTest::addRow("%s first paint", name) << bundledBorder(name) << false;
        QTest::addRow("%s repaint", name) << bundledBorder(name) << true;
    }
}

void BenchGraphics::borderOverPage()
{
    QFETCH(QString, file);
    QFETCH(bool, cached);
    Metafile border;
    QString error;
    QVERIFY2(border.load(file, &error), qPrintable(error));
    // Letter at 96 per inch with half-inch margins: the page rectangle.
    QImage page(816, 1056, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    const QRectF pageRect(48, 48, 720, 960);
    const auto caching = cached ? Metafile::Caching::Allowed : Metafile::Caching::Off;
    border.draw(painter, pageRect, caching);
    QBENCHMARK
    {
        border.draw(painter, pageRect, caching);
    }
}

void BenchGraphics::clipArt_data()
{
    // The same drawing as a 100 KB WMF and as a 280 KB EMF of paths.
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("cached");
    QTest::addColumn<bool>("reload");
    for (const char *extension : { "wmf", "emf" }) {
        QTest::addRow("%s first paint", extension) << clipArtFile(extension) << false << false;
        QTest::addRow("%s read and first paint", extension) << clipArtFile(extension) << false << true;
        QTest::addRow("%s repaint", extension) << clipArtFile(extension) << true << false;
    }
}

void BenchGraphics::clipArt()
{
    QFETCH(QString, file);
    QFETCH(bool, cached);
    QFETCH(bool, reload);
    const auto caching = cached ? Metafile::Caching::Allowed : Metafile::Caching::Off;
    QFile input(file);
    QVERIFY(input.open(QIODevice::ReadOnly));
    const QByteArray bytes = input.readAll();
    QVERIFY(bytes.size() > 100000);
    Metafile picture;
    QString error;
    QVERIFY2(picture.loadFromData(bytes, &error), qPrintable(error));
    QImage image(480, 360, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, QRectF(0, 0, 480, 360), caching);
    QBENCHMARK
    {
        if (reload) {
            Metafile fresh;
            fresh.loadFromData(bytes);
            fresh.draw(painter, QRectF(0, 0, 480, 360), caching);
        } else {
            picture.draw(painter, QRectF(0, 0, 480, 360), caching);
        }
    }
}

QTEST_MAIN(BenchGraphics)
#include "bench_graphics.moc"
