// Clip art, rich labels and floating calendars on a PDF page land where the
// screen at 100% puts them: the page is read back through Ghostscript at
// three printer pixels per screen pixel and its lines and ink compared.
#include "objects/vflatcalendar.h"
#include "objects/vimage.h"
#include "objects/vprichbaselabel.h"

#include "../calendar/imageprobe.h"

#include <QDir>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr int kPrinterPerScreen = 3; // 288 dpi against 96
const QSize kPage(240, 160); // screen pixels, 2.5 x 1.67 inches
constexpr QRgb kGrey = 0xFF808080;

QImage quadrants()
{
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(3, 1, qRgb(0, 160, 0));
    return image;
}

std::unique_ptr<TVGraphicControl> makeObject(const QString &kind)
{
    if (kind == "mirrored bitmap" || kind == "metafile") {
        auto image = std::make_unique<TVImage>();
        if (kind == "metafile") {
            QString error;
            const QString file
                = QDir::cleanPath(QStringLiteral(DW_TEST_DATA "/../../metafile/data/fidelity/clipart.wmf"));
            if (!image->loadPictureFile(file, &error))
                qWarning("%s", qPrintable(error));
        } else {
            image->setPicture(Picture::fromBitmap(quadrants()));
            image->setFlip(true);
            image->setReverse(true);
        }
        image->setBorderStyle(bsSingle);
        image->setBounds(20, 17, 150, 110);
        return image;
    }
    if (kind == "rich label") {
        auto label = std::make_unique<TVPRichBaseLabel>();
        TWPRtfStorage text;
        text.setRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs28 Rich \\b label\\b0\\par\\qc\\fs20 "
                    "centred\\par}");
        label->setRTFText(text);
        label->setTransparent(false);
        label->setBGColor(0xE0FFFF);
        label->setBounds(20, 17, 150, 70);
        return label;
    }
    auto calendar = std::make_unique<TVFlatCalendar>(nullptr, QDate(2025, 6, 1));
    calendar->setCellBorderStyle(fcbAll);
    calendar->setShadowDepth(3);
    calendar->setShadowColor(0x808080);
    calendar->setBounds(20, 17, 190, 130);
    return calendar;
}

QImage screenImage(const TVGraphicControl &object, QRgb background)
{
    QImage image(kPage, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    object.paint(painter, 1.0f);
    return image;
}

// The object on a PDF page as the PDF export makes it (96 units per inch,
// scale 1), read back at 288 dpi; a null image when Ghostscript fails.
QImage printedImage(const TVGraphicControl &object, QRgb background, const QString &folder)
{
    const QString pdf = folder + QStringLiteral("/page.pdf");
    {
        QPdfWriter writer(pdf);
        writer.setResolution(96);
        writer.setPageLayout(QPageLayout(
            QPageSize(QSizeF(kPage) / 96.0, QPageSize::Inch), QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&writer);
        painter.fillRect(QRect(QPoint(0, 0), kPage), QColor::fromRgb(background));
        object.paint(painter, 1.0f);
    }
    const QString png = folder + QStringLiteral("/page.png");
    QProcess gs;
    gs.start(QStandardPaths::findExecutable(QStringLiteral("gs")),
        { QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
            QStringLiteral("-dSAFER"), QStringLiteral("-sDEVICE=png16m"), QStringLiteral("-r288"),
            QStringLiteral("-dTextAlphaBits=4"), QStringLiteral("-sOutputFile=") + png, pdf });
    if (!gs.waitForFinished(60000) || gs.exitCode() != 0) {
        qWarning("gs: %s", gs.readAllStandardError().constData());
        return {};
    }
    return QImage(png).convertToFormat(QImage::Format_RGB32);
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 100;
}

// Rows (or columns) of a line through the image where dark runs start.
QVector<int> darkEdges(const QImage &image, bool alongColumn, int at)
{
    QVector<int> edges;
    const int length = alongColumn ? image.height() : image.width();
    bool wasDark = false;
    for (int i = 0; i < length; ++i) {
        const bool dark = isDark(alongColumn ? image.pixel(at, i) : image.pixel(i, at));
        if (dark && !wasDark)
            edges.append(i);
        wasDark = dark;
    }
    return edges;
}

// A screen pixel p covers printer pixels 3p to 3p + 2; the printed edge lies
// on them or on the printer pixel either side.
bool withinPixel(int printerPixel, int screenPixel)
{
    const int first = screenPixel * kPrinterPerScreen;
    return printerPixel >= first - 1 && printerPixel <= first + kPrinterPerScreen;
}

// What differs clearly from white inside area.
QRect contentBox(const QImage &image, const QRect &area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::min({ qRed(p), qGreen(p), qBlue(p) }) < 160)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// Screen pixels as the printer pixels they cover.
QRect scaled(const QRect &rect)
{
    return QRect(rect.topLeft() * kPrinterPerScreen, rect.size() * kPrinterPerScreen);
}

QString keepBoth(const QImage &screen, const QImage &printed)
{
    const QString screenFile = ImageProbe::keepImage(screen);
    const QString printedFile
        = QString(screenFile).replace(QStringLiteral(".png"), QStringLiteral("-pdf.png"));
    printed.save(printedFile);
    return screenFile + QLatin1Char(' ') + printedFile;
}

QString describe(const QRect &rect)
{
    return QStringLiteral("(%1, %2)-(%3, %4)")
        .arg(rect.left())
        .arg(rect.top())
        .arg(rect.right())
        .arg(rect.bottom());
}

QString describe(const QVector<int> &values)
{
    QStringList parts;
    for (int v : values)
        parts.append(QString::number(v));
    return parts.join(QLatin1Char(' '));
}

} // namespace

class TestPictureObjectPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pdfAgreesWithScreen_data();
    void pdfAgreesWithScreen();
    void emptyClipArtPrintsOnlyItsBorder();

private:
    QTemporaryDir m_folder;
};

void TestPictureObjectPrint::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("gs")).isEmpty())
        QSKIP("Ghostscript is needed to read the PDF back");
    QVERIFY(m_folder.isValid());
}

void TestPictureObjectPrint::pdfAgreesWithScreen_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QVector<int>>("rows"); // crossing lines and fills only
    QTest::addColumn<QVector<int>>("columns");
    QTest::addColumn<QRect>("inside"); // the object's contents within its frame
    const QVector<int> none;
    QTest::newRow("mirrored bitmap") << QString("mirrored bitmap") << none << none << QRect(21, 18, 148, 108);
    QTest::newRow("metafile") << QString("metafile") << none << none << QRect(21, 18, 148, 108);
    QTest::newRow("rich label") << QString("rich label") << none << none << QRect(21, 18, 148, 68);
    // The empty last week and the gap between the first two columns.
    QTest::newRow("floating calendar") << QString("floating calendar") << QVector<int> { 140 }
                                       << QVector<int> { 45 } << QRect(21, 18, 185, 125);
}

void TestPictureObjectPrint::pdfAgreesWithScreen()
{
    QFETCH(QString, kind);
    QFETCH(QVector<int>, rows);
    QFETCH(QVector<int>, columns);
    QFETCH(QRect, inside);
    const auto object = makeObject(kind);
    const QImage screen = screenImage(*object, ImageProbe::kWhite);
    const QImage printed = printedImage(*object, ImageProbe::kWhite, m_folder.path());
    QVERIFY(!printed.isNull());
    QCOMPARE(printed.size(), kPage * kPrinterPerScreen);
    const QString images = keepBoth(screen, printed);
    // Where the screen starts a line, the page does too.
    for (bool alongColumn : { false, true }) {
        for (int probe : alongColumn ? columns : rows) {
            const QVector<int> onScreen = darkEdges(screen, alongColumn, probe);
            const QVector<int> onPaper = darkEdges(printed, alongColumn, probe * kPrinterPerScreen + 1);
            QVERIFY(!onScreen.isEmpty());
            bool agree = onScreen.size() == onPaper.size();
            for (int i = 0; agree && i < onScreen.size(); ++i)
                agree = withinPixel(onPaper[i], onScreen[i]);
            QVERIFY2(agree,
                qPrintable(QStringLiteral("%1 %2: screen %3, paper %4; %5")
                               .arg(alongColumn ? "column" : "row")
                               .arg(probe)
                               .arg(describe(onScreen), describe(onPaper), images)));
        }
    }
    // The frame, and the picture, text or grid inside it, cover the same box.
    const QRect frame = object->displayRect(1.0f);
    QCOMPARE(contentBox(printed, scaled(frame).adjusted(-3, -3, 3, 3)), scaled(frame));
    const QRect onScreen = contentBox(screen, inside);
    const QRect onPaper = contentBox(printed, scaled(inside));
    QVERIFY(!onScreen.isEmpty());
    const bool agree = withinPixel(onPaper.left(), onScreen.left())
        && withinPixel(onPaper.top(), onScreen.top()) && withinPixel(onPaper.right(), onScreen.right())
        && withinPixel(onPaper.bottom(), onScreen.bottom());
    QVERIFY2(agree,
        qPrintable(QStringLiteral("contents: screen %1, paper %2; %3")
                       .arg(describe(scaled(onScreen)), describe(onPaper), images)));
}

void TestPictureObjectPrint::emptyClipArtPrintsOnlyItsBorder()
{
    TVImage object;
    object.setBounds(30, 20, 100, 60);
    object.setBorderStyle(bsSingle);
    const QImage screen = screenImage(object, kGrey);
    EXPECT_PIXEL(screen, 80, 50, ImageProbe::kWhite, "screen: the empty box");
    const QImage printed = printedImage(object, kGrey, m_folder.path());
    QVERIFY(!printed.isNull());
    EXPECT_PIXEL(printed, 80 * 3, 50 * 3, kGrey, "paper: the page through the box");
    EXPECT_PIXEL(printed, 30 * 3 + 1, 50 * 3, ImageProbe::kBlack, "paper: the border");
    EXPECT_PIXEL(printed, 129 * 3 + 1, 50 * 3, ImageProbe::kBlack, "paper: the right border");
    EXPECT_PIXEL(printed, 80 * 3, 20 * 3 + 1, ImageProbe::kBlack, "paper: the top border");

    object.setBorderStyle(bsNone);
    const QImage bare = printedImage(object, kGrey, m_folder.path());
    QCOMPARE(ImageProbe::pixelsOf(bare, bare.rect(), kGrey), bare.width() * bare.height());
}

QTEST_MAIN(TestPictureObjectPrint)
#include "tst_pictureobjectprint.moc"
