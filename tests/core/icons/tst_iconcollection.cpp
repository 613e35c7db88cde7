// Icon collections: files written by ImageMagick, programs built with
// mingw-w64, libraries from our own writer (the bundled ones included),
// the choice of picture, and damaged or cut-short files.
#include "icons/iconcollection.h"
#include "icons/iconimage.h"
#include "icons/iconlibrarywriter.h"

#include "iconlibraries.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(DW_TEST_DATA "/icons/") + name;
}

QByteArray bytesOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A picture with a transparent corner, an opaque red body and a blue spot.
QImage sample(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(qRgb(200, 0, 0));
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    image.setPixel(side - 1, side / 2, qRgb(0, 0, 255));
    return image;
}

void put16(QByteArray &out, int v)
{
    out.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
}

void put32(QByteArray &out, quint32 v)
{
    put16(out, int(v & 0xffff));
    put16(out, int(v >> 16));
}

// An .ICO file of the given pictures, its directory written as a careful
// writer would (the reader believes the pictures, not the directory).
QByteArray icoFile(const QList<QByteArray> &pictures)
{
    QByteArray out;
    put16(out, 0);
    put16(out, 1);
    put16(out, int(pictures.size()));
    quint32 at = 6 + 16 * quint32(pictures.size());
    for (const QByteArray &picture : pictures) {
        out.append(QByteArray(8, '\0'));
        put32(out, quint32(picture.size()));
        put32(out, at);
        at += quint32(picture.size());
    }
    for (const QByteArray &picture : pictures)
        out += picture;
    return out;
}

QByteArray pngOf(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

IconImage::Info info(int w, int h, int bits)
{
    IconImage::Info i;
    i.size = QSize(w, h);
    i.bitsPerPixel = bits;
    return i;
}

} // namespace

class TestIconCollection : public QObject
{
    Q_OBJECT

private slots:
    void filesOfOtherTools_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QList<int>>("sides"); // of the icon chosen for each index
        QTest::addColumn<QList<bool>>("clearCorners"); // the 4-bit icon is opaque
        QTest::newRow("ImageMagick, 16 to 256 with a PNG") << "magick.ico" << QList { 32 } << QList { true };
        QTest::newRow("ImageMagick, 4-bit") << "magick4.ico" << QList { 32 } << QList { false };
        // Groups: PLUS (named, first), 2, then 7 with 48 and 16: equally far
        // from 32, equally deep, the larger is taken.
        QTest::newRow("mingw-w64, PE32+")
            << "iconsample.exe" << QList { 32, 32, 48 } << QList { true, false, true };
        QTest::newRow("mingw-w64, PE32")
            << "iconsample32.dll" << QList { 32, 32, 48 } << QList { true, false, true };
        QTest::newRow("mingw-w64, no icons") << "noicons.exe" << QList<int> {} << QList<bool> {};
    }

    void filesOfOtherTools()
    {
        QFETCH(QString, file);
        QFETCH(QList<int>, sides);
        QFETCH(QList<bool>, clearCorners);
        const IconCollection icons = IconCollection::fromFile(fixture(file));
        QCOMPARE(icons.error(), QString());
        QCOMPARE(icons.count(), sides.size());
        for (int i = 0; i < sides.size(); ++i) {
            const QImage icon = icons.icon(i);
            QCOMPARE(icon.size(), QSize(sides[i], sides[i]));
            QCOMPARE(qAlpha(icon.pixel(0, 0)), clearCorners[i] ? 0 : 255);
            QCOMPARE(qAlpha(icon.pixel(sides[i] / 2, sides[i] / 2)), 255);
        }
        if (file.startsWith("magick")) {
            // The green plus: white in the middle, green beside it.
            const QImage icon = icons.icon(0);
            QVERIFY(qGray(icon.pixel(16, 16)) > 240);
            QVERIFY(qGreen(icon.pixel(5, 5)) > 2 * qRed(icon.pixel(5, 5)));
        }
        if (file == "magick.ico") {
            const QList<IconImage::Info> pictures = icons.pictures(0);
            QCOMPARE(pictures.size(), 4);
            QVERIFY(pictures[0].png);
            QCOMPARE(pictures[0].size, QSize(256, 256));
            QCOMPARE(icons.picture(0, 0).size(), QSize(256, 256));
            QCOMPARE(icons.picture(0, 0).pixel(128, 128), qRgb(255, 255, 255));
        }
    }

    void preferenceOrder_data()
    {
        QTest::addColumn<QList<IconImage::Info>>("pictures");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("nearest first, then colours")
            << QList { info(16, 16, 32), info(32, 32, 4), info(32, 32, 8) } << QList { 2, 1, 0 };
        QTest::newRow("equally near: the larger")
            << QList { info(16, 16, 32), info(48, 48, 32) } << QList { 1, 0 };
        QTest::newRow("256 is far") << QList { info(256, 256, 32), info(24, 24, 4) } << QList { 1, 0 };
        QTest::newRow("unreadable ones left out")
            << QList { IconImage::Info(), info(16, 16, 1) } << QList { 1 };
        QTest::newRow("ties keep their order")
            << QList { info(32, 32, 8), info(32, 32, 8) } << QList { 0, 1 };
    }

    void preferenceOrder()
    {
        QFETCH(QList<IconImage::Info>, pictures);
        QFETCH(QList<int>, order);
        QCOMPARE(IconCollection::preferenceOrder(pictures), order);
    }

    void writerOutputReadsBack()
    {
        QList<QList<QByteArray>> icons;
        for (int i = 0; i < 3; ++i)
            icons.append({ IconImage::encode(sample(16), 32), IconImage::encode(sample(32), 4),
                IconImage::encode(sample(32), 32) });
        const QByteArray library = IconLibraryWriter::write(icons, "SAMPLE");
        const IconCollection read = IconCollection::fromData(library);
        QCOMPARE(read.count(), 3);
        const QImage icon = read.icon(2);
        QCOMPARE(icon.convertToFormat(QImage::Format_ARGB32), sample(32));
        // The 4-bit picture: the nearest of the sixteen colours, the same mask.
        const QImage coarse = read.picture(2, 1);
        QCOMPARE(coarse.pixel(5, 5), qRgb(255, 0, 0));
        QCOMPARE(coarse.pixel(31, 16), qRgb(0, 0, 255));
        QCOMPARE(qAlpha(coarse.pixel(0, 0)), 0);
        QCOMPARE(read.pictures(0).at(1).bitsPerPixel, 4);
        // Libraries of many icons shift their offsets further.
        const QList<QList<QByteArray>> many(400, { IconImage::encode(sample(32), 32) });
        const IconCollection big = IconCollection::fromData(IconLibraryWriter::write(many, "BIG"));
        QCOMPARE(big.count(), 400);
        QCOMPARE(big.icon(399).convertToFormat(QImage::Format_ARGB32), sample(32));
    }

    void bundledLibraries_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : { "activity.icl", "events.icl", "holiday.icl", "misc1.icl", "misc2.icl" })
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void bundledLibraries()
    {
        QFETCH(QString, name);
        const IconCollection icons
            = IconCollection::fromFile(QStringLiteral(DATEWRIGHT_SOURCE_RESOURCES "/") + name);
        QVERIFY2(icons.count() >= 30, qPrintable(icons.error()));
        for (int i = 0; i < icons.count(); ++i) {
            const QImage icon = icons.icon(i);
            QCOMPARE(icon.size(), QSize(32, 32));
            QCOMPARE(icons.pictures(i).size(), 4);
            // Drawn, not empty: some pixels are opaque and not all alike.
            QVERIFY(qAlpha(icon.pixel(16, 16)) > 0 || qAlpha(icon.pixel(10, 20)) > 0);
        }
    }

    void pngPictures()
    {
        const IconCollection icons = IconCollection::fromData(icoFile({ pngOf(sample(40)) }));
        QCOMPARE(icons.count(), 1);
        QCOMPARE(icons.pictures(0).first().bitsPerPixel, 32);
        QCOMPARE(icons.icon(0).convertToFormat(QImage::Format_ARGB32), sample(40));
    }

    void damagedFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const QByteArray picture = IconImage::encode(sample(16), 32);
        QByteArray directoryCut = icoFile({ picture, picture }).left(6 + 16);
        QTest::newRow("directory cut short") << directoryCut << "The icon directory is cut short";
        QTest::newRow("pictures cut short")
            << icoFile({ picture }).left(6 + 16 + picture.size() - 1) << "The icon's pictures are cut short";
        QByteArray library = IconLibraryWriter::write({ { picture } }, "X");
        QTest::newRow("resources past the end") << library.left(0x110) << "The file is cut short";
        QByteArray shifted = library;
        shifted[0x80 + 0x40] = char(30); // alignment shift
        QTest::newRow("alignment shift") << shifted << "The resource table's alignment is not valid";
        QByteArray table = library.left(0x80 + 0x40 + 6);
        QTest::newRow("resource table cut short") << table << "The resource table is cut short";
        QByteArray pe = bytesOf(fixture("iconsample.exe"));
        QByteArray peCut = pe.left(pe.indexOf(QByteArray(".rsrc")) + 30);
        QTest::newRow("PE section table cut short") << peCut << "The program header is cut short or damaged";
        QTest::newRow("not an icon file")
            << QByteArray("BEGIN:VCALENDAR") << "Not an icon file, icon library or program";
    }

    void damagedFilesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const IconCollection icons = IconCollection::fromData(bytes);
        QCOMPARE(icons.count(), 0);
        QCOMPARE(icons.error(), error);
    }

    void everyTruncationIsSafe_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray picture = IconImage::encode(sample(16), 4);
        QTest::newRow("NE") << IconLibraryWriter::write({ { picture }, { picture, picture } }, "X");
        QTest::newRow("ICO") << bytesOf(fixture("magick4.ico"));
        QTest::newRow("PE") << bytesOf(fixture("iconsample32.dll"));
    }

    // Cut anywhere, a file gives no more icons than whole, and any icon it
    // still gives is one of the whole file's pictures, never garbage.
    void everyTruncationIsSafe()
    {
        QFETCH(QByteArray, file);
        const IconCollection whole = IconCollection::fromData(file);
        QVERIFY(whole.count() > 0);
        const qsizetype step = file.size() > 4000 ? 7 : 1;
        for (qsizetype length = 0; length < file.size(); length += step) {
            const IconCollection cut = IconCollection::fromData(file.left(length));
            QVERIFY(cut.count() <= whole.count());
            for (int i = 0; i < cut.count(); ++i) {
                const QImage icon = cut.icon(i);
                if (icon.isNull())
                    continue;
                bool known = false;
                for (int p = 0; p < whole.pictures(i).size() && !known; ++p)
                    known = whole.picture(i, p) == icon;
                QVERIFY2(known, qPrintable(QStringLiteral("length %1, icon %2").arg(length).arg(i)));
            }
        }
    }

    void impossiblePicturesAreNotProbed_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<quint32>("value");
        QTest::newRow("width 0") << 4 << 0u;
        QTest::newRow("width 5000") << 4 << 5000u;
        QTest::newRow("height -64") << 8 << quint32(-64);
        QTest::newRow("depth 3") << 14 << 3u;
        QTest::newRow("compressed") << 16 << 1u;
        QTest::newRow("header size 4096") << 0 << 4096u;
    }

    void impossiblePicturesAreNotProbed()
    {
        QFETCH(int, offset);
        QFETCH(quint32, value);
        QByteArray picture = IconImage::encode(sample(16), 32);
        IconImage::Info probed;
        QVERIFY(IconImage::probe(picture, &probed));
        for (int i = 0; i < (offset == 14 ? 2 : 4); ++i)
            picture[offset + i] = char((value >> (8 * i)) & 0xff);
        QVERIFY(!IconImage::probe(picture, &probed));
        QVERIFY(IconImage::decode(picture).isNull());
        QVERIFY(IconCollection::fromData(icoFile({ picture })).icon(0).isNull());
    }

    // A small library names one huge picture from a quarter of a million
    // icons: listing reads headers only, decoding stops at the bound.
    void decodingIsBoundedPerFile_data()
    {
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<int>("depth");
        QTest::newRow("PNG") << pngOf(sample(1024)) << 32;
        QTest::newRow("bitmap") << IconImage::encode(sample(1024), 4) << 4;
    }

    void decodingIsBoundedPerFile()
    {
        QFETCH(QByteArray, picture);
        QFETCH(int, depth);
        constexpr int kGroups = 262140; // all the pictures a file may list
        const IconCollection icons = IconCollection::fromData(iconLibraryNamingOnePicture(kGroups, picture));
        QCOMPARE(icons.error(), QString());
        QCOMPARE(icons.count(), kGroups);
        for (int i = 0; i < kGroups; ++i) {
            const IconImage::Info info = icons.iconInfo(i);
            if (info.size != QSize(1024, 1024) || info.bitsPerPixel != depth)
                QFAIL(qPrintable(QStringLiteral("icon %1 listed wrongly").arg(i)));
        }
        QCOMPARE(icons.decodedPixels(), 0);

        int decoded = 0;
        while (!icons.icon(decoded).isNull())
            ++decoded;
        QCOMPARE(decoded, int(IconCollection::kMaxDecodedPixels / (1024 * 1024)));
        QCOMPARE(icons.decodedPixels(), IconCollection::kMaxDecodedPixels);
        QCOMPARE(icons.decodeError(),
            QStringLiteral(
                "Too many pixels to decode: the icons of one file may take 128 megapixels in all"));
        QVERIFY(icons.icon(0).isNull());
        QVERIFY(icons.picture(kGroups - 1, 0).isNull());
        // A fresh collection of the file starts its own count.
        QCOMPARE(IconCollection::fromData(iconLibraryNamingOnePicture(2, picture)).icon(1).size(),
            QSize(1024, 1024));
    }

    void filesThatCannotBeRead_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing") << "/nonexistent/x.icl"
                                 << "Unable to read x.icl: No such file or directory";
        QTest::newRow("device") << "/dev/zero"
                                << "Unable to read zero: Is a device, not a file";
        QTest::newRow("folder") << "/tmp"
                                << "Unable to read tmp: Is a directory";
    }

    void filesThatCannotBeRead()
    {
        QFETCH(QString, path);
        QFETCH(QString, error);
        const IconCollection icons = IconCollection::fromFile(path);
        QCOMPARE(icons.count(), 0);
        QCOMPARE(icons.error(), error);
        QVERIFY(icons.icon(0).isNull());
    }
};

QTEST_GUILESS_MAIN(TestIconCollection)
#include "tst_iconcollection.moc"
