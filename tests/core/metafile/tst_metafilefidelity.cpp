#include "metafile/metafile.h"

#include "drawingcompare.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

// The WMF and EMF files Inkscape wrote from each SVG drawing, drawn by the
// player, against the SVG drawn by Qt's own renderer. Qt's SVG renderer
// knows no clip paths, so a drawing that has them is compared with the PNG
// Inkscape rendered from it.

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(DW_TEST_DATA "/fidelity/") + name;
}

QImage reference(const QString &name, double scale)
{
    if (QFileInfo::exists(fixture(name + ".png"))) {
        const QImage png(fixture(name + ".png"));
        return png.scaled(png.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    QSvgRenderer svg(fixture(name + ".svg"));
    const QSize size = svg.defaultSize() * scale;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    svg.render(&painter, QRectF(QPointF(), size));
    return image;
}

} // namespace

class TestMetafileFidelity : public QObject
{
    Q_OBJECT

private slots:
    void matchesTheSvg_data();
    void matchesTheSvg();
};

void TestMetafileFidelity::matchesTheSvg_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<double>("scale");
    for (const char *name : { "lines", "fills", "text", "curves", "clipping", "bitmaps", "clipart" }) {
        for (const char *extension : { ".wmf", ".emf" }) {
            // Inkscape's WMF writer drops clip paths; the WMF clip records
            // are tested on records of their own.
            if (qstrcmp(name, "clipping") == 0 && qstrcmp(extension, ".wmf") == 0)
                continue;
            QTest::addRow("%s%s at 96 dpi", name, extension) << name << extension << 1.0;
        }
    }
    // At 600 dpi the drawing must stay as sharp as the SVG's.
    QTest::newRow("lines.wmf at 600 dpi") << "lines"
                                          << ".wmf" << 6.25;
    QTest::newRow("text.emf at 600 dpi") << "text"
                                         << ".emf" << 6.25;
}

void TestMetafileFidelity::matchesTheSvg()
{
    QFETCH(QString, name);
    QFETCH(QString, extension);
    QFETCH(double, scale);
    const QImage expected = reference(name, scale);
    QVERIFY(!expected.isNull());
    Metafile picture;
    QString error;
    QVERIFY2(picture.load(fixture(name + extension), &error), qPrintable(error));
    QImage actual(expected.size(), QImage::Format_ARGB32_Premultiplied);
    actual.fill(Qt::white);
    {
        // At the picture's own size, which Inkscape's EMF frames pad slightly.
        QPainter painter(&actual);
        picture.draw(painter, QRectF(QPointF(), picture.naturalSize() * scale));
    }
    QImage diff(expected.size(), QImage::Format_RGB32);
    diff.fill(Qt::white);
    qint64 same = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (close(expected.pixel(x, y), actual.pixel(x, y)))
                ++same;
            else
                diff.setPixel(x, y, qRgb(255, 0, 0));
        }
    }
    const double share = double(same) / (qint64(expected.width()) * expected.height());
    qInfo("%s%s at %.0f dpi: %.2f%% of the pixels match", qPrintable(name), qPrintable(extension), 96 * scale,
        share * 100);
    if (share < 0.97) {
        const QString base = QDir::temp().filePath(QStringLiteral("fidelity-%1%2").arg(name, extension));
        actual.save(base + "-player.png");
        expected.save(base + "-reference.png");
        diff.save(base + "-diff.png");
        QFAIL(qPrintable(
            QStringLiteral("only %1%% match; images in %2-*.png").arg(share * 100, 0, 'f', 2).arg(base)));
    }
}

QTEST_MAIN(TestMetafileFidelity)
#include "tst_metafilefidelity.moc"
