#include "metafile/dib.h"
#include "metafile/gdicontext.h"
#include "metafile/metafile.h"
#include "metafilebuilder.h"
#include "testfiles.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(DW_TEST_DATA "/fidelity/") + name;
}

QImage render(const Metafile &m, const QSize &canvas, const QRectF &target)
{
    QImage image(canvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    m.draw(painter, target);
    return image;
}

QImage render(const Metafile &m)
{
    const QSize size = m.naturalSize().toSize();
    return render(m, size, QRectF(QPointF(), m.naturalSize()));
}

bool isColor(const QImage &image, int x, int y, QColor color)
{
    const QColor c = image.pixelColor(x, y);
    return qAbs(c.red() - color.red()) < 8 && qAbs(c.green() - color.green()) < 8
        && qAbs(c.blue() - color.blue()) < 8;
}

// A 100 x 100 unit picture at 100 units per inch (96 x 96 pixels) with
// a null pen and the brush of the colour given selected.
WmfBuilder redBrushNoPen()
{
    WmfBuilder b;
    b.add(0x020B, { 0, 0 }).add(0x020C, { 100, 100 });
    b.add(0x02FA, { 5, 0, 0, 0, 0 }); // null pen: object 0
    b.add(0x02FC, { 0, 0x00ff, 0x0000, 0 }); // solid red brush: object 1
    b.add(0x012D, { 0 }).add(0x012D, { 1 });
    return b;
}

qsizetype emfHeaderSize(const QByteArray &emf)
{
    return qsizetype(uchar(emf[4])) | qsizetype(uchar(emf[5])) << 8;
}

QByteArray withRecordSize(QByteArray bytes, qsizetype recordAt, quint32 size)
{
    for (int i = 0; i < 4; ++i)
        bytes[recordAt + i] = char((size >> (8 * i)) & 0xff);
    return bytes;
}

} // namespace

class TestMetafile : public QObject
{
    Q_OBJECT

private slots:
    void loadsFixtures_data();
    void loadsFixtures();
    void everyTruncationFails_data();
    void everyTruncationFails();
    void malformedFilesAreRefused_data();
    void malformedFilesAreRefused();
    void failedLoadLeavesEmpty();
    void plainWmfTakesItsSizeFromTheHint();
    void unknownRecordsAreSkipped();
    void hugeBitmapHeadersAreRefused();
    void clipRectanglesClip();
    void piesGoCounterClockwise();
    void widePensJoinAndCapAsTheyAsk();
    void wideCurvesStrokeAsQtWould_data();
    void wideCurvesStrokeAsQtWould();
    void emfWorldTransformAndClipPath();
    void drawsOnlyInsideTheTarget();
    void repaintsFromPixelsMatchTheVectors();
    void rasterOperationsAreNeverCached();
    void giantShapesAreLeftOut();
};

void TestMetafile::loadsFixtures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Metafile::Kind>("kind");
    for (const char *name : { "lines", "fills", "text", "curves", "bitmaps" }) {
        QTest::addRow("%s.wmf", name) << QString::fromLatin1(name) + ".wmf" << Metafile::Kind::Wmf;
        QTest::addRow("%s.emf", name) << QString::fromLatin1(name) + ".emf" << Metafile::Kind::Emf;
    }
}

void TestMetafile::loadsFixtures()
{
    QFETCH(QString, file);
    QFETCH(Metafile::Kind, kind);
    Metafile fromFile;
    QString error;
    QVERIFY2(fromFile.load(fixture(file), &error), qPrintable(error));
    QCOMPARE(fromFile.kind(), kind);
    // The drawings are 240 x 160 pixels; Inkscape pads an EMF frame a little.
    QVERIFY(qAbs(fromFile.naturalSize().width() - 240) < 3);
    QVERIFY(qAbs(fromFile.naturalSize().height() - 160) < 3);
    Metafile fromBytes;
    QVERIFY(fromBytes.loadFromData(readFile(fixture(file)), &error));
    QCOMPARE(fromBytes.naturalSize(), fromFile.naturalSize());
    QCOMPARE(render(fromBytes), render(fromFile));
    QVERIFY(fromBytes.storedBytes() == fromBytes.data());
}

void TestMetafile::everyTruncationFails_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("wmf") << "text.wmf";
    QTest::newRow("wmf with bitmaps") << "bitmaps.wmf";
    QTest::newRow("emf") << "text.emf";
    QTest::newRow("emf with bitmaps") << "bitmaps.emf";
}

void TestMetafile::everyTruncationFails()
{
    QFETCH(QString, file);
    const QByteArray bytes = readFile(fixture(file));
    QVERIFY(!bytes.isEmpty());
    for (qsizetype length = 0; length < bytes.size(); ++length) {
        Metafile m;
        QString error;
        if (m.loadFromData(bytes.left(length), &error))
            QFAIL(qPrintable(QStringLiteral("a cut at %1 of %2 bytes loaded").arg(length).arg(bytes.size())));
        QVERIFY(!error.isEmpty());
        QVERIFY(m.isEmpty());
    }
}

void TestMetafile::malformedFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray emf = readFile(fixture("lines.emf"));
    const QByteArray wmf = readFile(fixture("lines.wmf"));
    const qsizetype firstEmfRecord = emfHeaderSize(emf);
    const qsizetype firstWmfRecord = 22 + 18;

    QTest::newRow("empty") << QByteArray() << "cut short";
    QTest::newRow("text") << QByteArray("This is not a picture at all, only words.")
                          << "not a Windows metafile";
    QByteArray shortHeader = emf;
    shortHeader[4] = 80;
    QTest::newRow("emf header too small") << shortHeader << "not an enhanced metafile";
    QTest::newRow("emf record size zero") << withRecordSize(emf, firstEmfRecord + 4, 0) << "wrong size";
    QTest::newRow("emf record size odd") << withRecordSize(emf, firstEmfRecord + 4, 13) << "wrong size";
    QTest::newRow("emf record past the end")
        << withRecordSize(emf, firstEmfRecord + 4, 0x7ffffff0) << "cut short";
    QTest::newRow("emf total past the end") << withRecordSize(emf, 48, 0x7ffffff0) << "cut short";
    QByteArray hugeFrame = emf;
    hugeFrame = withRecordSize(hugeFrame, 32, 2000000000); // frame right edge
    QTest::newRow("emf absurd frame") << hugeFrame << "size is not acceptable";
    QTest::newRow("wmf record size below three") << withRecordSize(wmf, firstWmfRecord, 2) << "wrong size";
    QTest::newRow("wmf record past the end")
        << withRecordSize(wmf, firstWmfRecord, 0x7ffffff0) << "cut short";
    QByteArray badVersion = wmf;
    badVersion[22 + 4] = 7;
    QTest::newRow("wmf unknown version") << badVersion << "not a Windows metafile";
    QTest::newRow("wmf placeable without area")
        << WmfBuilder().add(0x0214, { 0, 0 }).placeable(QRect(10, 10, 0, 0), 1440) << "no size";
    QTest::newRow("plain wmf without size") << WmfBuilder().add(0x0214, { 0, 0 }).plain() << "no size";
    QTest::newRow("wmf without end record")
        << wmf.left(wmf.size() - 6) + QByteArray(6, '\0').replace(0, 1, "\x09") << "cut short";
}

void TestMetafile::malformedFilesAreRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    Metafile m;
    QString error;
    QVERIFY(!m.loadFromData(bytes, &error));
    QVERIFY2(error.contains(message), qPrintable(error));
    QVERIFY(m.isEmpty());
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    m.draw(painter, QRectF(0, 0, 20, 20)); // an empty picture draws nothing
    painter.end();
    QCOMPARE(image.pixel(10, 10), qRgb(255, 255, 255));
}

void TestMetafile::failedLoadLeavesEmpty()
{
    QTemporaryDir dir;
    writeFile(dir.filePath("broken.wpo"), "WMF? no.");
    Metafile m;
    QVERIFY(m.load(fixture("lines.wmf")));
    QString error;
    QVERIFY(!m.load(dir.filePath("broken.wpo"), &error));
    QVERIFY(error.contains("broken.wpo"));
    QVERIFY(m.isEmpty());
    QVERIFY(!m.load(dir.filePath("missing.wpo"), &error));
    QVERIFY(error.startsWith("Cannot open file"));
    // A border that is a pipe is refused before reading, not waited on.
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("pipe.wpo")).constData(), 0600) == 0);
    QVERIFY(!m.load(dir.filePath("pipe.wpo"), &error));
    QCOMPARE(
        error, QStringLiteral("Cannot open file %1: Is a pipe, not a file").arg(dir.filePath("pipe.wpo")));
}

void TestMetafile::plainWmfTakesItsSizeFromTheHint()
{
    // Rich text carries a WMF without its placeable header; \picw and \pich
    // give the size in hundredths of a millimetre.
    const QByteArray placeable = readFile(fixture("lines.wmf"));
    const QByteArray plain = placeable.mid(22);
    Metafile reference;
    QVERIFY(reference.loadFromData(placeable));
    Metafile m;
    QString error;
    QVERIFY2(m.loadFromData(plain, Metafile::Hint { 8, QSizeF(6350, 4233) }, &error), qPrintable(error));
    QVERIFY(qAbs(m.naturalSize().width() - 240) < 0.5);
    QVERIFY(qAbs(m.naturalSize().height() - 160) < 0.5);
    QCOMPARE(render(m, QSize(240, 160), QRectF(0, 0, 240, 160)),
        render(reference, QSize(240, 160), QRectF(0, 0, 240, 160)));

    // Without a hint the window the records set gives the proportions.
    Metafile bare;
    QVERIFY(bare.loadFromData(plain));
    QVERIFY(bare.naturalSize().width() <= 1000);
    QVERIFY(qAbs(bare.naturalSize().width() / bare.naturalSize().height() - 1.5) < 0.01);

    // Stored, it gets a placeable header that gives back the same size.
    const QByteArray stored = m.storedBytes();
    QVERIFY(stored.startsWith(QByteArray::fromHex("d7cdc69a")));
    Metafile again;
    QVERIFY(again.loadFromData(stored));
    QVERIFY(qAbs(again.naturalSize().width() - m.naturalSize().width()) < 1);
    QVERIFY(qAbs(again.naturalSize().height() - m.naturalSize().height()) < 1);
}

void TestMetafile::unknownRecordsAreSkipped()
{
    const QByteArray wmf = readFile(fixture("fills.wmf"));
    QByteArray withUnknown = wmf;
    withUnknown.insert(22 + 18, QByteArray::fromHex("0500000099097b00c801")); // function 0x0999
    Metafile a, b;
    QVERIFY(a.loadFromData(wmf));
    QVERIFY(b.loadFromData(withUnknown));
    QCOMPARE(render(b), render(a));

    const QByteArray emf = readFile(fixture("fills.emf"));
    QByteArray emfUnknown = emf;
    emfUnknown.insert(
        emfHeaderSize(emf), QByteArray::fromHex("c800000010000000ffffffff01020304")); // type 200
    Metafile c, d;
    QVERIFY(c.loadFromData(emf));
    QVERIFY(d.loadFromData(emfUnknown));
    QCOMPARE(render(d), render(c));
}

void TestMetafile::hugeBitmapHeadersAreRefused()
{
    QByteArray info;
    put32(info, 40);
    put32(info, 100000);
    put32(info, 100000);
    put16(info, 1);
    put16(info, 24);
    info.append(QByteArray(24, '\0'));
    QString error;
    QVERIFY(Dib::decode(info, QByteArray(64, '\x7f'), Dib::Alpha::Ignore, &error).isNull());
    QVERIFY2(error.contains("not acceptable"), qPrintable(error));

    // Bits shorter than the header promises.
    QByteArray small = info;
    small[4] = 64;
    small[5] = small[6] = small[7] = 0;
    small[8] = 64;
    small[9] = small[10] = small[11] = 0;
    QVERIFY(Dib::decode(small, QByteArray(100, '\0'), Dib::Alpha::Ignore, &error).isNull());
    QVERIFY(error.contains("cut short"));

    // Inside a picture the blit is dropped and the rest still draws.
    QByteArray blit;
    for (int v : { 0, 0, 0, 0 }) // bounds
        put32(blit, v);
    for (int v : { 0, 0, 0, 0, 100000, 100000 }) // destination and source
        put32(blit, v);
    put32(blit, 8 + 72); // info offset and size
    put32(blit, 40);
    put32(blit, 8 + 72 + 40); // bits offset and size
    put32(blit, 64);
    put32(blit, 0);
    put32(blit, 0x00CC0020);
    put32(blit, 96);
    put32(blit, 96);
    blit.append(info).append(QByteArray(64, '\0'));
    EmfBuilder e;
    e.add(39, { 1, 0, 0x0000ff, 0 }).add(37, { 1 }).add(37, { 0x80000008 }); // red brush, null pen
    e.addRaw(81, blit);
    e.add(43, { 0, 0, 50, 50 });
    Metafile m;
    QVERIFY(m.loadFromData(e.build(QRect(0, 0, 96, 96), QRect(0, 0, 2540, 2540))));
    const QImage image = render(m);
    QVERIFY(isColor(image, 20, 20, Qt::red));
    QVERIFY(isColor(image, 80, 80, Qt::white));
}

void TestMetafile::clipRectanglesClip()
{
    WmfBuilder b = redBrushNoPen();
    b.add(0x001E, {}); // SaveDC
    b.add(0x0416, { 50, 50, 10, 10 }); // IntersectClipRect(10, 10, 50, 50)
    b.add(0x0415, { 30, 30, 20, 20 }); // ExcludeClipRect(20, 20, 30, 30)
    b.add(0x041B, { 100, 100, 0, 0 }); // Rectangle over everything
    b.add(0x0127, { 0xffff }); // RestoreDC(-1): the clip is gone again
    b.add(0x041B, { 100, 100, 90, 90 });
    Metafile m;
    QVERIFY(m.loadFromData(b.placeable(QRect(0, 0, 100, 100), 100)));
    const QImage image = render(m, QSize(100, 100), QRectF(0, 0, 100, 100));
    QVERIFY(isColor(image, 15, 15, Qt::red));
    QVERIFY(isColor(image, 45, 45, Qt::red));
    QVERIFY(isColor(image, 25, 25, Qt::white)); // excluded
    QVERIFY(isColor(image, 70, 70, Qt::white)); // outside the clip
    QVERIFY(isColor(image, 5, 5, Qt::white));
    QVERIFY(isColor(image, 95, 95, Qt::red)); // drawn after RestoreDC
}

void TestMetafile::piesGoCounterClockwise()
{
    WmfBuilder b = redBrushNoPen();
    // Pie in (0,0)-(100,100) from the right (100,50) to the top (50,0):
    // the upper right quarter.
    b.add(0x081A, { 0, 50, 50, 100, 100, 100, 0, 0 });
    // Chord in the lower half, from the left (0,75) to the right (100,75).
    b.add(0x0830, { 75, 100, 75, 0, 100, 100, 50, 0 });
    Metafile m;
    QVERIFY(m.loadFromData(b.placeable(QRect(0, 0, 100, 100), 100)));
    const QImage image = render(m, QSize(100, 100), QRectF(0, 0, 100, 100));
    QVERIFY(isColor(image, 70, 30, Qt::red));
    QVERIFY(isColor(image, 30, 30, Qt::white));
    QVERIFY(isColor(image, 30, 40, Qt::white));
    // The chord is the half-ellipse (0,50)-(100,100) cut along y = 75 upward;
    // counter-clockwise from the left point runs along the bottom.
    QVERIFY(isColor(image, 50, 90, Qt::red));
    QVERIFY(isColor(image, 50, 60, Qt::white));
}

void TestMetafile::widePensJoinAndCapAsTheyAsk()
{
    WmfBuilder b = redBrushNoPen();
    b.add(0x02FA, { 0x2200, 10, 0, 0x0000, 0x00ff }); // blue, 10 wide, mitred, flat ends: object 2
    b.add(0x012D, { 2 });
    b.add(0x0324, { 4, 20, 20, 80, 20, 80, 80, 20, 80 }); // a square, filled red, framed blue
    b.add(0x02FA, { 0, 10, 0, 0x0000, 0x00ff }); // blue, 10 wide, round joins and ends: object 3
    b.add(0x012D, { 3 });
    b.add(0x0325, { 2, 10, 92, 90, 92 });
    Metafile m;
    QVERIFY(m.loadFromData(b.placeable(QRect(0, 0, 100, 100), 96)));
    const QImage image = render(m, QSize(100, 100), QRectF(0, 0, 100, 100));
    QVERIFY(isColor(image, 50, 50, Qt::red));
    // The frame lies over the fill, half a pen either side of the edge.
    for (int x : { 16, 20, 23 })
        QVERIFY2(isColor(image, x, 50, Qt::blue), qPrintable(QString::number(x)));
    QVERIFY(isColor(image, 12, 50, Qt::white));
    QVERIFY(isColor(image, 27, 50, Qt::red));
    QVERIFY(isColor(image, 16, 16, Qt::blue)); // the miter's tip
    QVERIFY(isColor(image, 84, 84, Qt::blue));
    // The line's round end reaches past its end point, but not into the corners.
    QVERIFY(isColor(image, 7, 92, Qt::blue));
    QVERIFY(isColor(image, 5, 87, Qt::white));
    QVERIFY(isColor(image, 94, 95, Qt::white));
}

void TestMetafile::wideCurvesStrokeAsQtWould_data()
{
    QTest::addColumn<bool>("ellipse");
    QTest::addColumn<int>("joinAndCap");
    QTest::newRow("open curve, mitred, flat ends") << false << int(Gdi::PsJoinMiter | Gdi::PsEndcapFlat);
    QTest::newRow("open curve, round") << false << 0;
    QTest::newRow("filled ellipse") << true << int(Gdi::PsJoinMiter | Gdi::PsEndcapFlat);
}

void TestMetafile::wideCurvesStrokeAsQtWould()
{
    QFETCH(bool, ellipse);
    QFETCH(int, joinAndCap);
    // Stretched unevenly by an enhanced metafile's world transform, so the
    // pen's width and the curves' flattening both go through the mapping.
    const QTransform mapping = QTransform::fromScale(1.7, 1.3);
    const QPolygonF curve(
        { { 10, 120 }, { 20, 10 }, { 80, 10 }, { 60, 80 }, { 40, 150 }, { 110, 160 }, { 110, 30 } });
    const QRectF box(15, 20, 90, 120);
    auto canvas = [] {
        QImage image(200, 220, QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    };
    QImage ours = canvas();
    {
        QPainter painter(&ours);
        GdiContext context(painter, QTransform(), QRectF(0, 0, 200, 220));
        context.setWorldTransform(mapping);
        context.state().pen = GdiPen { Gdi::PsGeometric | joinAndCap, 9, Qt::black, {} };
        context.state().brush = GdiBrush { Gdi::BsSolid, Qt::red, 0, QImage() };
        if (ellipse)
            context.ellipse(box);
        else
            context.polyBezier(curve);
    }
    QImage qt = canvas();
    {
        QPainter painter(&qt);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(mapping);
        const bool round = joinAndCap == 0;
        painter.setPen(QPen(Qt::black, 9, Qt::SolidLine, round ? Qt::RoundCap : Qt::FlatCap,
            round ? Qt::RoundJoin : Qt::MiterJoin));
        if (ellipse) {
            painter.setBrush(Qt::red);
            painter.drawEllipse(box);
        } else {
            QPainterPath path(curve[0]);
            path.cubicTo(curve[1], curve[2], curve[3]);
            path.cubicTo(curve[4], curve[5], curve[6]);
            painter.drawPath(path);
        }
    }
    int inked = 0, differing = 0;
    for (int y = 0; y < qt.height(); ++y) {
        for (int x = 0; x < qt.width(); ++x) {
            inked += qGray(qt.pixel(x, y)) < 128;
            const QColor a = ours.pixelColor(x, y), b = qt.pixelColor(x, y);
            differing += std::max({ qAbs(a.red() - b.red()), qAbs(a.green() - b.green()),
                             qAbs(a.blue() - b.blue()) })
                > 64;
        }
    }
    QVERIFY(inked > 1000);
    QVERIFY2(differing <= inked / 200 + 4,
        qPrintable(QStringLiteral("%1 of %2 differ").arg(differing).arg(inked)));
}

void TestMetafile::emfWorldTransformAndClipPath()
{
    // A world transform scaling by two, then a triangle as clip path.
    QByteArray xform;
    const float m[6] = { 2, 0, 0, 2, 0, 0 };
    for (float v : m) {
        quint32 bits;
        std::memcpy(&bits, &v, 4);
        put32(xform, bits);
    }
    EmfBuilder f;
    f.add(39, { 1, 0, 0x00ff00, 0 }).add(37, { 1 }).add(37, { 0x80000008 }); // green brush, null pen
    f.addRaw(35, xform);
    f.add(59, {}); // BeginPath
    f.add(27, { 0, 0 }).add(54, { 48, 0 }).add(54, { 0, 48 }).add(61, {}); // triangle, CloseFigure
    f.add(60, {}); // EndPath
    f.add(67, { 5 }); // SelectClipPath(RGN_COPY)
    f.add(43, { 0, 0, 48, 48 }); // Rectangle, scaled to 96 x 96
    Metafile pic;
    QVERIFY(pic.loadFromData(f.build(QRect(0, 0, 96, 96), QRect(0, 0, 2540, 2540))));
    QCOMPARE(pic.naturalSize().toSize(), QSize(96, 96));
    const QImage image = render(pic);
    QVERIFY(isColor(image, 20, 20, Qt::green));
    QVERIFY(isColor(image, 80, 80, Qt::white)); // outside the triangle
    QVERIFY(isColor(image, 10, 80, Qt::green));
}

void TestMetafile::drawsOnlyInsideTheTarget()
{
    Metafile m;
    QVERIFY(m.load(fixture("fills.wmf")));
    // Stretched into a rectangle of a larger canvas, the picture keeps to it.
    const QRectF target(50, 40, 120, 200);
    const QImage image = render(m, QSize(300, 300), target);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!target.adjusted(-1, -1, 1, 1).contains(QPointF(x + 0.5, y + 0.5)))
                QVERIFY2(image.pixel(x, y) == qRgb(255, 255, 255),
                    qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
    // The fills' background fills the target's corners.
    QVERIFY(isColor(image, 52, 42, QColor(0xff, 0xff, 0xf0)));
    QVERIFY(isColor(image, 168, 238, QColor(0xff, 0xff, 0xf0)));
}

void TestMetafile::repaintsFromPixelsMatchTheVectors()
{
    Metafile m;
    QVERIFY(m.load(fixture("curves.emf")));
    const QRectF target(10.5, 20.25, 300, 200);
    QImage direct(330, 240, QImage::Format_ARGB32_Premultiplied);
    direct.fill(Qt::white);
    QImage first = direct, again = direct;
    {
        QPainter p(&direct);
        m.draw(p, target, Metafile::Caching::Off);
    }
    {
        QPainter p(&first);
        m.draw(p, target);
    }
    {
        QPainter p(&again);
        m.draw(p, target); // from the kept pixels
    }
    QCOMPARE(again, first);
    int worst = 0;
    for (int y = 0; y < direct.height(); ++y)
        for (int x = 0; x < direct.width(); ++x)
            worst = std::max(worst, qAbs(qGray(direct.pixel(x, y)) - qGray(first.pixel(x, y))));
    QVERIFY2(worst <= 2, qPrintable(QString::number(worst)));
    // A copy keeps the pixels too; another size draws afresh.
    const Metafile copy = m;
    QImage other(330, 240, QImage::Format_ARGB32_Premultiplied);
    other.fill(Qt::white);
    QPainter p(&other);
    copy.draw(p, QRectF(0, 0, 100, 80));
    p.end();
    QVERIFY(isColor(other, 200, 200, Qt::white));
}

void TestMetafile::rasterOperationsAreNeverCached()
{
    // DSTINVERT over the whole picture turns what lies below into its negative.
    WmfBuilder b;
    b.add(0x020B, { 0, 0 }).add(0x020C, { 100, 100 });
    b.add(0x061D, { 0x0009, 0x0055, 100, 100, 0, 0 }); // PatBlt(0, 0, 100, 100, DSTINVERT)
    Metafile m;
    QVERIFY(m.loadFromData(b.placeable(QRect(0, 0, 100, 100), 100)));
    for (int pass = 0; pass < 2; ++pass) {
        QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(0, 0, 255));
        QPainter p(&image);
        m.draw(p, QRectF(0, 0, 100, 100));
        p.end();
        QVERIFY2(isColor(image, 50, 50, QColor(255, 255, 0)), qPrintable(image.pixelColor(50, 50).name()));
    }
}

void TestMetafile::giantShapesAreLeftOut()
{
    // An ellipse far larger than any page, stroked with a wide dashed pen,
    // is skipped and the rest is drawn.
    EmfBuilder e;
    e.add(39, { 1, 0, 0x0000ff, 0 }).add(37, { 1 }); // red brush
    e.add(38, { 2, 1, 50000, 0, 0x000000 }).add(37, { 2 }); // dashed pen 50000 wide
    e.add(42, { -2000000000, -2000000000, 2000000000, 2000000000 }); // Ellipse
    e.add(37, { 0x80000008 }); // null pen
    e.add(43, { 10, 10, 50, 50 });
    Metafile m;
    QVERIFY(m.loadFromData(e.build(QRect(0, 0, 96, 96), QRect(0, 0, 2540, 2540))));
    const QImage image = render(m);
    QVERIFY(isColor(image, 30, 30, Qt::red));
    QVERIFY(isColor(image, 80, 80, Qt::white));
}

QTEST_MAIN(TestMetafile)
#include "tst_metafile.moc"
