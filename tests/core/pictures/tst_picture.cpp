#include "pictures/pcxdecoder.h"
#include "pictures/picturedata.h"
#include "pictures/picturefile.h"
#include "testfiles.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QString picture(const QString &name)
{
    return QStringLiteral(DW_TEST_DATA "/pictures/") + name;
}

// Largest difference of any channel of any pixel; -1 when the sizes differ.
int maxDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max(
                { worst, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q)) });
        }
    }
    return worst;
}

// A PCX writer for the forms the image tool on this machine cannot write:
// one-bit planes, RLE-packed line by line.
QByteArray encodePcx(const QImage &indexed, int bits, int planes)
{
    const int width = indexed.width();
    const int bytesPerLine = ((width * bits + 7) / 8 + 1) & ~1;
    QByteArray out(128, '\0');
    out[0] = 0x0A;
    out[1] = 5;
    out[2] = 1;
    out[3] = char(bits);
    out[8] = char((width - 1) & 0xff);
    out[9] = char((width - 1) >> 8);
    out[10] = char((indexed.height() - 1) & 0xff);
    out[11] = char((indexed.height() - 1) >> 8);
    for (int i = 0; i < 16 && i < indexed.colorCount(); ++i) {
        out[16 + 3 * i] = char(qRed(indexed.color(i)));
        out[17 + 3 * i] = char(qGreen(indexed.color(i)));
        out[18 + 3 * i] = char(qBlue(indexed.color(i)));
    }
    out[65] = char(planes);
    out[66] = char(bytesPerLine & 0xff);
    out[67] = char(bytesPerLine >> 8);
    for (int y = 0; y < indexed.height(); ++y) {
        QByteArray line(bytesPerLine * planes, '\0');
        for (int x = 0; x < width; ++x) {
            const int index = indexed.pixelIndex(x, y);
            for (int p = 0; p < planes; ++p) {
                const int value = planes == 1 ? index : (index >> p) & 1;
                const int perByte = 8 / bits;
                const int shift = (perByte - 1 - x % perByte) * bits;
                line[p * bytesPerLine + x / perByte]
                    = char(uchar(line[p * bytesPerLine + x / perByte]) | (value << shift));
            }
        }
        for (int i = 0; i < line.size();) {
            int run = 1;
            while (i + run < line.size() && run < 63 && line[i + run] == line[i])
                ++run;
            if (run > 1 || (uchar(line[i]) & 0xC0) == 0xC0)
                out.append(char(0xC0 | run));
            out.append(line[i]);
            i += run;
        }
    }
    return out;
}

QImage indexedTestImage(int colors)
{
    QImage image(29, 13, QImage::Format_Indexed8);
    QVector<QRgb> table;
    for (int i = 0; i < colors; ++i)
        table << qRgb((i * 67) % 256, (i * 151) % 256, 255 - i * 255 / std::max(1, colors - 1));
    image.setColorTable(table);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, uint((x / 3 + y * 5) % colors));
    return image;
}

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT

private slots:
    void loadsEveryType_data();
    void loadsEveryType();
    void extensionsAreCaseBlind();
    void badFilesFail_data();
    void badFilesFail();
    void pcxPlaneForms_data();
    void pcxPlaneForms();
    void pcxEveryTruncationFails();
    void pictureDataRoundTrips_data();
    void pictureDataRoundTrips();
    void pictureDataMetafileLengthEitherWay();
    void pictureDataEveryTruncationFails_data();
    void pictureDataEveryTruncationFails();
    void pictureDataRefusesUnknownTypes();
    void pixelsPastTheColourTableDrawBlack();
    void shrunkBitmapsKeepThinLines_data();
    void shrunkBitmapsKeepThinLines();
};

void TestPicture::loadsEveryType_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("tolerance");
    QTest::newRow("BMP") << "truecolor.bmp"
                         << "truecolor.png" << 0;
    QTest::newRow("RLE") << "rle8.rle"
                         << "palette.png" << 0;
    QTest::newRow("TGA") << "truecolor.tga"
                         << "truecolor.png" << 0;
    QTest::newRow("TGA packed with palette") << "rle-palette.tga"
                                             << "palette.png" << 0;
    QTest::newRow("JPG") << "truecolor.jpg"
                         << "truecolor.png" << 40;
    QTest::newRow("PCX true colour") << "truecolor.pcx"
                                     << "truecolor.png" << 0;
    QTest::newRow("PCX palette") << "palette.pcx"
                                 << "palette.png" << 0;
}

void TestPicture::loadsEveryType()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    QFETCH(int, tolerance);
    Picture p;
    QString error;
    QVERIFY2(PictureFile::load(picture(file), &p, &error), qPrintable(error));
    QCOMPARE(p.kind(), Picture::Kind::Bitmap);
    QCOMPARE(p.size(), QSize(37, 23));
    const int difference = maxDifference(p.image(), QImage(picture(expected)));
    QVERIFY2(difference >= 0 && difference <= tolerance, qPrintable(QString::number(difference)));
}

void TestPicture::extensionsAreCaseBlind()
{
    QTemporaryDir dir;
    const QByteArray bmp = readFile(picture("truecolor.bmp"));
    // A .DIB file is a BMP file or the bitmap without its file header.
    for (const auto &[name, bytes] : { std::pair { "a.bmp", bmp }, { "B.Bmp", bmp }, { "c.DIB", bmp },
             { "d.dib", bmp.mid(14) }, { "e.JIF", readFile(picture("truecolor.jpg")) },
             { "f.pcx", readFile(picture("truecolor.pcx")) } }) {
        writeFile(dir.filePath(name), bytes);
        Picture p;
        QString error;
        QVERIFY2(PictureFile::load(dir.filePath(name), &p, &error), qPrintable(QString(name) + ": " + error));
        QCOMPARE(p.size(), QSize(37, 23));
    }
    // Icons become a bitmap of the standard icon size, drawn on white.
    writeFile(dir.filePath("g.ico"), readFile(picture("icon.ico")));
    Picture icon;
    QVERIFY(PictureFile::load(dir.filePath("g.ico"), &icon));
    QCOMPARE(icon.kind(), Picture::Kind::Bitmap);
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(!icon.image().hasAlphaChannel());
    // Metafiles stay vectors.
    writeFile(dir.filePath("h.wmf"),
        readFile(QStringLiteral(DW_TEST_DATA "/../../metafile/data/fidelity/lines.wmf")));
    Picture metafile;
    QVERIFY(PictureFile::load(dir.filePath("h.wmf"), &metafile));
    QCOMPARE(metafile.kind(), Picture::Kind::Metafile);
    QCOMPARE(metafile.size(), QSize(240, 160));
    QVERIFY(PictureFile::isSupported("x.Tga"));
    QVERIFY(!PictureFile::isSupported("x.png"));
    QCOMPARE(PictureFile::nameFilter(), QString("*.BMP;*.DIB;*.JPG;*.JIF;*.PCX;*.RLE;*.TGA;*.WMF;*.ICO"));
}

void TestPicture::badFilesFail_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray bmp = readFile(picture("truecolor.bmp"));
    QByteArray hugeBmp = bmp;
    hugeBmp[18] = hugeBmp[19] = hugeBmp[20] = '\x7f'; // width near 2^31
    QTest::newRow("bmp that is text") << "x.bmp" << QByteArray("hello") << "not a BMP";
    QTest::newRow("bmp of absurd size") << "x.bmp" << hugeBmp << "not acceptable";
    QTest::newRow("bmp cut short") << "x.bmp" << bmp.left(bmp.size() / 2) << "cut short";
    QTest::newRow("jpeg that is not") << "x.jpg" << QByteArray(100, 'j') << "";
    QTest::newRow("wmf that is not") << "x.wmf" << QByteArray(100, 'w') << "not a Windows metafile";
    QTest::newRow("unknown type") << "x.gif" << QByteArray("GIF89a") << "not supported";
    QByteArray pcx = readFile(picture("truecolor.pcx"));
    QByteArray notPcx = pcx;
    notPcx[0] = 0x0B;
    QTest::newRow("pcx wrong maker") << "x.pcx" << notPcx << "not a PCX";
    QByteArray hugePcx = pcx;
    hugePcx[8] = hugePcx[9] = hugePcx[10] = hugePcx[11] = '\xff';
    QTest::newRow("pcx of absurd size") << "x.pcx" << hugePcx << "not acceptable";
    QByteArray shortLines = pcx;
    shortLines[66] = 3;
    shortLines[67] = 0;
    QTest::newRow("pcx lines too short") << "x.pcx" << shortLines << "line length";
    QTest::newRow("pcx without palette")
        << "x.pcx" << readFile(picture("palette.pcx")).chopped(769) << "palette is missing";
    // Refused before reading: nothing waits on the pipe.
    QTest::newRow("pipe") << "pipe.bmp" << QByteArray() << "Is a pipe, not a file";
    QTest::newRow("folder") << "folder.jpg" << QByteArray() << "Is a directory";
}

void TestPicture::badFilesFail()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    if (name.startsWith(QLatin1String("pipe")))
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(name)).constData(), 0600) == 0);
    else if (name.startsWith(QLatin1String("folder")))
        QVERIFY(QDir(dir.path()).mkdir(name));
    else
        writeFile(dir.filePath(name), bytes);
    Picture p = Picture::fromBitmap(QImage(2, 2, QImage::Format_RGB32));
    QString error;
    QVERIFY(!PictureFile::load(dir.filePath(name), &p, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY2(error.contains(message), qPrintable(error));
    QCOMPARE(p.kind(), Picture::Kind::Bitmap); // untouched
}

void TestPicture::pcxPlaneForms_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("planes");
    QTest::addColumn<int>("colors");
    QTest::newRow("black and white") << 1 << 1 << 2;
    QTest::newRow("four colours") << 2 << 1 << 4;
    QTest::newRow("sixteen colours packed") << 4 << 1 << 16;
    QTest::newRow("sixteen colours in four planes") << 1 << 4 << 16;
}

void TestPicture::pcxPlaneForms()
{
    QFETCH(int, bits);
    QFETCH(int, planes);
    QFETCH(int, colors);
    QImage source = indexedTestImage(colors);
    if (bits * planes == 1)
        source.setColorTable({ qRgb(0, 0, 0), qRgb(255, 255, 255) });
    QString error;
    const QImage decoded = PcxDecoder::decode(encodePcx(source, bits, planes), &error);
    QVERIFY2(!decoded.isNull(), qPrintable(error));
    QCOMPARE(maxDifference(decoded, source.convertToFormat(QImage::Format_RGB32)), 0);
}

void TestPicture::pcxEveryTruncationFails()
{
    const QByteArray pcx = readFile(picture("truecolor.pcx"));
    for (qsizetype length = 0; length < pcx.size(); ++length) {
        QString error;
        if (!PcxDecoder::decode(pcx.left(length), &error).isNull())
            QFAIL(qPrintable(QStringLiteral("a cut at %1 decoded").arg(length)));
        QVERIFY(!error.isEmpty());
    }
}

void TestPicture::pictureDataRoundTrips_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("className");
    QTest::newRow("bitmap") << picture("truecolor.bmp") << "TBitmap";
    QTest::newRow("bitmap made from a PCX") << picture("palette.pcx") << "TBitmap";
    QTest::newRow("enhanced metafile")
        << QStringLiteral(DW_TEST_DATA "/../../metafile/data/fidelity/text.emf") << "TMetafile";
    QTest::newRow("placeable metafile")
        << QStringLiteral(DW_TEST_DATA "/../../metafile/data/fidelity/bitmaps.wmf") << "TMetafile";
    QTest::newRow("icon") << picture("icon.ico") << "TIcon";
}

void TestPicture::pictureDataRoundTrips()
{
    QFETCH(QString, file);
    QFETCH(QString, className);
    Picture original;
    if (className == "TIcon")
        QVERIFY(Picture::fromIconData(readFile(file), &original));
    else
        QVERIFY(PictureFile::load(file, &original));
    QCOMPARE(original.className(), className);
    const QByteArray data = PictureData::encode(original);
    QCOMPARE(data.left(1 + className.size()), QByteArray(char(className.size()) + className.toLatin1()));
    Picture decoded;
    QString error;
    QVERIFY2(PictureData::decode(data, &decoded, &error), qPrintable(error));
    QCOMPARE(decoded.kind(), original.kind());
    QCOMPARE(decoded.size(), original.size());
    QCOMPARE(PictureData::encode(decoded), data);
    if (className == "TMetafile") {
        QCOMPARE(decoded.metafile().data(), readFile(file));
    } else {
        QCOMPARE(maxDifference(decoded.image(), original.image()), 0);
    }
    if (className == "TBitmap" && file.endsWith(".bmp"))
        QCOMPARE(data.mid(1 + 7 + 4), readFile(file)); // the file's own bytes
    if (className == "TIcon")
        QCOMPARE(data.mid(1 + 5), readFile(file));
}

void TestPicture::pictureDataMetafileLengthEitherWay()
{
    const QByteArray emf = readFile(QStringLiteral(DW_TEST_DATA "/../../metafile/data/fidelity/fills.emf"));
    for (qint64 length : { qint64(emf.size()) + 4, qint64(emf.size()) }) {
        QByteArray data("\x09TMetafile");
        for (int i = 0; i < 4; ++i)
            data.append(char((length >> (8 * i)) & 0xff));
        data.append(emf);
        Picture p;
        QString error;
        QVERIFY2(PictureData::decode(data, &p, &error), qPrintable(error));
        QCOMPARE(p.metafile().data(), emf);
    }
    // A plain WMF is stored with a placeable header.
    Metafile plain;
    QVERIFY(plain.loadFromData(
        readFile(QStringLiteral(DW_TEST_DATA "/../../metafile/data/fidelity/lines.wmf")).mid(22),
        Metafile::Hint { 8, QSizeF(6350, 4233) }));
    const QByteArray data = PictureData::encode(Picture::fromMetafile(plain));
    QVERIFY(data.mid(1 + 9 + 4).startsWith(QByteArray::fromHex("d7cdc69a")));
    Picture p;
    QVERIFY(PictureData::decode(data, &p));
    QCOMPARE(p.size(), QSize(240, 160));
    // No picture: no bytes, and back.
    QVERIFY(PictureData::encode(Picture()).isEmpty());
    QVERIFY(PictureData::decode(QByteArray(), &p));
    QVERIFY(p.isEmpty());
}

void TestPicture::pictureDataEveryTruncationFails_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("bitmap") << picture("truecolor.bmp");
    QTest::newRow("metafile") << QStringLiteral(DW_TEST_DATA "/../../metafile/data/fidelity/curves.emf");
}

void TestPicture::pictureDataEveryTruncationFails()
{
    QFETCH(QString, file);
    Picture original;
    QVERIFY(PictureFile::load(file, &original));
    const QByteArray data = PictureData::encode(original);
    for (qsizetype length = 1; length < data.size(); ++length) {
        Picture p = original;
        QString error;
        if (PictureData::decode(data.left(length), &p, &error))
            QFAIL(qPrintable(QStringLiteral("a cut at %1 of %2 bytes decoded").arg(length).arg(data.size())));
        QVERIFY(!error.isEmpty());
        QCOMPARE(p.kind(), original.kind());
    }
}

void TestPicture::pictureDataRefusesUnknownTypes()
{
    Picture p;
    QString error;
    QVERIFY(!PictureData::decode(QByteArray("\x0aTJPEGImage\x00\x00\x00\x00", 15), &p, &error));
    QCOMPARE(error, QString("The picture type TJPEGImage is not supported"));
    QVERIFY(!PictureData::decode(QByteArray("\x05TIcon"
                                            "garbage"),
        &p, &error));
    QVERIFY(p.isEmpty());
}

void TestPicture::pixelsPastTheColourTableDrawBlack()
{
    // An 8-bit BMP of 4 x 1 pixels whose table holds two colours, while its
    // pixels use indexes 0, 1, 200 and 255.
    QByteArray bmp("BM");
    auto put = [&bmp](quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            bmp.append(char((value >> (8 * i)) & 0xff));
    };
    const quint32 bitsAt = 14 + 40 + 2 * 4;
    put(bitsAt + 4, 4);
    put(0, 4);
    put(bitsAt, 4);
    put(40, 4);
    put(4, 4); // width
    put(1, 4); // height
    put(1, 2);
    put(8, 2);
    put(0, 4); // uncompressed
    put(4, 4);
    put(0, 4);
    put(0, 4);
    put(2, 4); // colours used
    put(0, 4);
    put(0x00ff0000, 4); // red, stored as blue, green, red, reserved
    put(0x0000ff00, 4); // green
    bmp.append(char(0)).append(char(1)).append(char(200)).append(char(255));

    Picture picture;
    QString error;
    QVERIFY2(PictureFile::loadFromData(bmp, QStringLiteral(".BMP"), &picture, &error), qPrintable(error));
    QCOMPARE(picture.image().colorCount(), 256);
    QImage drawn(4, 1, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    picture.draw(painter, QRectF(0, 0, 4, 1));
    painter.end();
    QCOMPARE(QColor(drawn.pixel(0, 0)), QColor(Qt::red));
    QCOMPARE(QColor(drawn.pixel(1, 0)), QColor(Qt::green));
    QCOMPARE(QColor(drawn.pixel(2, 0)), QColor(Qt::black));
    QCOMPARE(QColor(drawn.pixel(3, 0)), QColor(Qt::black));
}

void TestPicture::shrunkBitmapsKeepThinLines_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<bool>("mirrored");
    QTest::addColumn<bool>("vectors");
    QTest::newRow("a third") << 1.0 / 3 << false << false;
    QTest::newRow("a third, mirrored") << 1.0 / 3 << true << false;
    QTest::newRow("three times") << 3.0 << false << false;
    QTest::newRow("a third on a vector device") << 1.0 / 3 << false << true;
}

void TestPicture::shrunkBitmapsKeepThinLines()
{
    QFETCH(double, scale);
    QFETCH(bool, mirrored);
    QFETCH(bool, vectors);
    // One-pixel black lines three rows apart on white: shrunk to a third
    // by dropping rows they vanish; enlarged they keep sharp edges. A vector
    // device (here a recording played back three times larger) gets them all.
    QImage lines(30, 30, QImage::Format_RGB32);
    lines.fill(Qt::white);
    for (int y = 0; y < 30; y += 3)
        for (int x = 0; x < 30; ++x)
            lines.setPixel(x, y, qRgb(0, 0, 0));
    const Picture picture = Picture::fromBitmap(lines);
    const int side = qRound(30 * scale);
    QPicture recording;
    QPainter painter;
    QImage drawn(vectors ? 30 : side, vectors ? 30 : side, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    vectors ? painter.begin(&recording) : painter.begin(&drawn);
    if (mirrored)
        painter.setTransform(QTransform(1, 0, 0, -1, 0, side));
    picture.draw(painter, QRectF(0, 0, side, side));
    painter.end();
    if (vectors) {
        painter.begin(&drawn);
        painter.scale(3, 3);
        painter.drawPicture(0, 0, recording);
        painter.end();
    }
    QSet<int> greys;
    for (int y = 0; y < drawn.height(); ++y)
        greys << qGray(drawn.pixel(drawn.width() / 2, y));
    if (scale < 1 && !vectors) {
        // Every row holds a third of a line.
        QCOMPARE(greys.size(), 1);
        QVERIFY2(qAbs(*greys.begin() - 170) < 20, qPrintable(QString::number(*greys.begin())));
    } else {
        QCOMPARE(greys, (QSet<int> { 0, 255 }));
    }
}

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
