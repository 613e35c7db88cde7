#include "pictures/picturefile.h"

#include "drawingcompare.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

// The clip art that ships with the program, read by the picture readers and
// drawn at one and three inches, against the SVG drawing it was made from
// (scripts/make-clipart-svgs.py, scripts/export-metafiles.sh clipart).

namespace {

QString clipArt()
{
    return QStringLiteral(DATEWRIGHT_SOURCE_RESOURCES "/ClipArt");
}

QString sources()
{
    return QStringLiteral(DATEWRIGHT_SOURCE_RESOURCES "/clipart-src");
}

QStringList pictures()
{
    return QDir(clipArt()).entryList(QDir::Files, QDir::Name);
}

QImage blank(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

} // namespace

class TestShippedClipArt : public QObject
{
    Q_OBJECT

private slots:
    void onePicturePerDrawingInEveryFormat();
    void drawsLikeItsDrawing_data();
    void drawsLikeItsDrawing();
};

void TestShippedClipArt::onePicturePerDrawingInEveryFormat()
{
    QStringList names;
    QSet<QString> formats;
    for (const QString &file : pictures()) {
        const QFileInfo info(file);
        names << info.completeBaseName();
        formats << info.suffix().toUpper();
    }
    QVERIFY2(names.size() >= 40, qPrintable(names.join(", ")));
    QStringList drawings;
    for (const QString &svg : QDir(sources()).entryList({ "*.svg" }, QDir::Files, QDir::Name))
        drawings << QFileInfo(svg).completeBaseName();
    QCOMPARE(names, drawings);
    QCOMPARE(formats, (QSet<QString> { "WMF", "BMP", "PCX" }));
}

void TestShippedClipArt::drawsLikeItsDrawing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("side");
    for (const QString &file : pictures()) {
        QTest::addRow("%s at 1 in", qPrintable(file)) << file << 96;
        QTest::addRow("%s at 3 in", qPrintable(file)) << file << 288;
    }
}

void TestShippedClipArt::drawsLikeItsDrawing()
{
    QFETCH(QString, file);
    QFETCH(int, side);
    Picture picture;
    QString error;
    QVERIFY2(PictureFile::load(clipArt() + "/" + file, &picture, &error), qPrintable(error));
    // Every picture is drawn two inches square; metafiles say so themselves.
    if (!picture.isBitmap())
        QCOMPARE(picture.size(), QSize(192, 192));
    QImage actual = blank(side);
    {
        QPainter painter(&actual);
        picture.draw(painter, QRectF(0, 0, side, side));
    }
    QImage expected = blank(side);
    {
        QSvgRenderer svg(sources() + "/" + QFileInfo(file).completeBaseName() + ".svg");
        QPainter painter(&expected);
        svg.render(&painter, QRectF(0, 0, side, side));
    }
    qint64 same = 0;
    qint64 inked = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            same += close(expected.pixel(x, y), actual.pixel(x, y));
            inked += actual.pixel(x, y) != qRgb(255, 255, 255);
        }
    }
    const double share = double(same) / (qint64(side) * side);
    if (share < 0.97) {
        const QString base = QDir::temp().filePath("clipart-" + QFileInfo(file).completeBaseName());
        actual.save(base + "-drawn.png");
        expected.save(base + "-drawing.png");
        QFAIL(
            qPrintable(QStringLiteral("%1%% of the pixels match; see %2-*.png").arg(share * 100).arg(base)));
    }
    // Pictures fill their square, neither a speck nor a block.
    const double ink = double(inked) / (qint64(side) * side);
    QVERIFY2(ink > 0.15 && ink < 0.9, qPrintable(QString::number(ink)));
}

QTEST_MAIN(TestShippedClipArt)
#include "tst_shippedclipart.moc"
