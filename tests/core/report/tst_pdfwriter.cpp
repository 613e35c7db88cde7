// Our PDF writer against Qt's: the same page drawn by both must look the
// same and give the same text back, read with poppler's tools; what ours
// does not render it must turn down, so the page goes to Qt's writer.
#include "calendar/calendarfile.h"
#include "calendar/calendarpage.h"
#include "document/calendardocument.h"
#include "document/pageexport.h"
#include "objects/vimage.h"
#include "report/pdf/pdfpaintdevice.h"

#include "pdfprobe.h"

#include <QBitmap>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

using Drawing = std::function<void(QPainter &)>;

// The PDF as a file in folder, for poppler's tools.
QString saved(const QByteArray &pdf, const QString &folder, const QString &name)
{
    const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".pdf");
    QFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(pdf) == pdf.size() ? file : QString();
}

// Share of pixels of one picture that no pixel of the other, at the same
// place or one pixel away, comes within a third of the grey scale of. Edges
// that two ways of stroking put half a pixel apart do not count; a box or a
// word drawn by one writer only does.
double differing(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return 1;
    auto unmatched = [](const QImage &from, const QImage &in, int x, int y) {
        const int value = from.constScanLine(y)[x];
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx;
                const int ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < in.width() && ny < in.height()
                    && qAbs(int(in.constScanLine(ny)[nx]) - value) <= 85)
                    return false;
            }
        }
        return true;
    };
    qint64 count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            count += unmatched(a, b, x, y) || unmatched(b, a, x, y);
    }
    return double(count) / (qint64(a.width()) * a.height());
}

void compareWithQt(const QByteArray &own, const QByteArray &qt)
{
    QVERIFY(!own.isEmpty());
    QVERIFY(!qt.isEmpty());
    // DW_KEEP_PRINT=folder keeps both PDFs of each row for a look.
    QTemporaryDir dir;
    const QString keep = qEnvironmentVariable("DW_KEEP_PRINT");
    const QString row
        = QString::fromUtf8(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'));
    const QString mine = saved(own, keep.isEmpty() ? dir.path() : keep, row + QStringLiteral("-own"));
    const QString theirs = saved(qt, keep.isEmpty() ? dir.path() : keep, row + QStringLiteral("-qt"));
    const QImage minePixels = PdfProbe::rasterOf(mine, 100);
    const QImage theirPixels = PdfProbe::rasterOf(theirs, 100);
    QVERIFY2(!minePixels.isNull() && !theirPixels.isNull(), "pdftoppm could not read a PDF");
    QCOMPARE(minePixels.size(), theirPixels.size());
    const double share = differing(minePixels, theirPixels);
    QVERIFY2(share < 0.00005, qPrintable(QStringLiteral("%1% of the pixels differ").arg(share * 100)));
    QCOMPARE(PdfProbe::textOf(mine), PdfProbe::textOf(theirs));
}

// Everything the page itself can show: extras, a border picture, cell text
// in several styles and scripts.
void dressPage(CalendarPage &page, int layout)
{
    page.setCalendarLayout(layout);
    page.setPaperSize(layout % 2 ? PaperSize::A4 : PaperSize::Letter);
    page.setMainCalMonth(2);
    page.setMainCalYear(2027);
    PageExtras extras;
    extras.weekNumbers = extras.shadeWeekends = extras.neighbourDays = extras.moonPhases = true;
    page.setExtras(extras);
    page.setBorderFolder(QStringLiteral(DW_PROJECT_DIR "/resources/Borders"));
    page.setWMFBorderFile(layout % 3 == 0 ? QStringLiteral("Classic") : QString());
    page.setCellContents(
        9, "{\\rtf1 {\\b Dentist} 9:00 {\\i office} {\\ul Caf\\'e9}\\par \\u8364? 12 \\u937? x}");
    page.setCellContents(17, "{\\rtf1 Long line that has to wrap inside the cell more than once}");
}

QByteArray draw(const Drawing &drawing, bool qt)
{
    const QSizeF points(288, 216);
    if (!qt) {
        PdfPaintDevice device(points, 300);
        QPainter painter(&device);
        drawing(painter);
        painter.end();
        return device.finish(QStringLiteral("test"));
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(300);
    writer.setPageLayout(
        QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    // Qt's writer would store pictures as JPEG; ours keeps every pixel.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    drawing(painter);
    painter.end();
    return buffer.data();
}

QImage picture()
{
    QImage image(40, 30, QImage::Format_ARGB32);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x)
            image.setPixel(x, y, qRgba(x * 6, y * 8, 120, x < 20 ? 255 : 90));
    }
    return image;
}

} // namespace

class TestPdfWriter : public QObject
{
    Q_OBJECT

private slots:
    void pagesMatchQtsWriter_data();
    void pagesMatchQtsWriter();
    void drawingsMatchQtsWriter_data();
    void drawingsMatchQtsWriter();
};

void TestPdfWriter::pagesMatchQtsWriter_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("titleFont"); // empty: the style's own
    QTest::addColumn<bool>("rendered"); // false: ours turns the page down
    for (int layout = 0; layout <= 21; ++layout)
        QTest::addRow("layout %d", layout) << layout << QString() << QString() << true;
    // Placed objects: labels, a rich label, a floating calendar, clip art.
    QTest::newRow("extras file") << -1 << QStringLiteral("extras.dwf") << QString() << true;
    QTest::newRow("objects file") << -1 << QStringLiteral("objects.dwf") << QString() << true;
    QTest::newRow("every clip art picture") << 0 << QStringLiteral("ClipArt") << QString() << true;
    // Ghostscript's fonts are CFF or Type 1, which ours does not embed.
    QTest::newRow("title without TrueType outlines: Qt's writer")
        << 0 << QString() << QStringLiteral("Nimbus Sans") << false;
}

void TestPdfWriter::pagesMatchQtsWriter()
{
    QFETCH(int, layout);
    QFETCH(QString, file);
    QFETCH(QString, titleFont);
    QFETCH(bool, rendered);
    CalendarDocument document;
    document.page().resetToDefaultStyle();
    if (file == QLatin1String("ClipArt")) {
        // Metafiles and bitmaps side by side, some stretched.
        const QDir folder(QStringLiteral(DW_PROJECT_DIR "/resources/ClipArt"));
        int i = 0;
        for (const QString &name : folder.entryList(QDir::Files)) {
            auto *image = new TVImage(&document.objects());
            image->setParent(&document.objects());
            QVERIFY(image->loadPictureFile(folder.filePath(name)));
            image->setBounds(20 + (i % 8) * 90, 20 + (i / 8) * 90, 80, 60 + (i % 3) * 10);
            ++i;
        }
    } else if (file.isEmpty()) {
        dressPage(document.page(), layout);
    } else {
        QFile source(QStringLiteral(DW_PROJECT_DIR "/fuzz/corpus/fuzz_calendarfile/") + file);
        QVERIFY(source.open(QIODevice::ReadOnly));
        QString reason;
        QVERIFY2(
            CalendarFile::read(source, document.page(), &document.objects(), &reason), qPrintable(reason));
    }
    if (!titleFont.isEmpty()) {
        CalendarFont font = document.page().titleFont();
        font.name = titleFont;
        document.page().setTitleFont(font);
    }
    const QByteArray own = PageExport::pdf(document, PageExport::PdfWriter::OwnOnly);
    if (!rendered) {
        QVERIFY(own.isEmpty());
        // The export hands the page to Qt's writer instead.
        QVERIFY(PageExport::pdf(document).startsWith("%PDF-"));
        return;
    }
    QVERIFY2(!own.isEmpty(), "our writer turned the page down");
    compareWithQt(own, PageExport::pdf(document, PageExport::PdfWriter::Qt));
}

void TestPdfWriter::drawingsMatchQtsWriter_data()
{
    QTest::addColumn<Drawing>("drawing");
    QTest::addColumn<bool>("rendered");
    QTest::newRow("pens: widths, dashes, caps, cosmetic under rotation") << Drawing([](QPainter &p) {
        p.setPen(QPen(Qt::black, 12, Qt::DashLine, Qt::RoundCap));
        p.drawLine(60, 60, 1000, 80);
        p.setPen(QPen(Qt::darkBlue, 20, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPolyline(QPolygonF({ QPointF(80, 200), QPointF(300, 500), QPointF(520, 200) }));
        p.translate(700, 400);
        p.rotate(30);
        p.scale(3, 1);
        p.setPen(QPen(Qt::black, 0));
        p.drawRect(0, 0, 100, 100);
        p.setPen(QPen(Qt::red, 6));
        p.drawEllipse(QPointF(0, 200), 60, 60);
    }) << true;
    QTest::newRow("fills: rules, alpha, opacity, clipping") << Drawing([](QPainter &p) {
        QPainterPath star;
        star.addPolygon(QPolygonF({ QPointF(100, 100), QPointF(400, 700), QPointF(700, 100), QPointF(50, 450),
            QPointF(750, 450), QPointF(100, 100) }));
        star.setFillRule(Qt::OddEvenFill);
        p.fillPath(star, QColor(0, 0, 200));
        p.setClipRect(QRect(500, 100, 500, 500));
        p.setClipRegion(QRegion(600, 50, 400, 400, QRegion::Ellipse), Qt::IntersectClip);
        p.fillRect(QRect(0, 0, 1200, 900), QColor(200, 0, 0, 128));
        p.setClipping(false);
        p.setOpacity(0.5);
        p.fillRect(QRect(100, 700, 600, 150), Qt::black);
    }) << true;
    QTest::newRow("pictures: alpha, scaled, mirrored, rotated, cut") << Drawing([](QPainter &p) {
        p.drawImage(QRectF(50, 50, 400, 300), picture());
        p.drawImage(QRectF(500, 50, 200, 300), picture(), QRectF(10, 5, 20, 20));
        p.drawImage(QRectF(1100, 450, -300, 200), picture());
        p.translate(800, 400);
        p.rotate(-20);
        p.drawPixmap(
            QRect(0, 0, 300, 225), QPixmap::fromImage(picture().convertToFormat(QImage::Format_RGB32)));
    }) << true;
    QTest::newRow("texture: tiled from the brush origin, turned") << Drawing([](QPainter &p) {
        p.setBrushOrigin(31, 17);
        p.setPen(Qt::NoPen);
        p.setBrush(QBrush(picture()));
        p.drawEllipse(QRectF(50, 50, 500, 400));
        p.translate(900, 300);
        p.rotate(25);
        p.drawRect(0, 0, 200, 300);
    }) << true;
    QTest::newRow("text: fonts, sizes, turned, decorations") << Drawing([](QPainter &p) {
        QFont serif(QStringLiteral("Times New Roman"), 14);
        p.setFont(serif);
        p.drawText(QPointF(60, 120), QStringLiteral("February 2027 – Mo Tu ½ € Ω"));
        serif.setBold(true);
        serif.setUnderline(true);
        p.setFont(serif);
        p.setPen(QColor(0, 120, 0));
        p.drawText(QRectF(60, 200, 700, 300), Qt::TextWordWrap | Qt::AlignRight,
            QStringLiteral("A bold line that wraps onto the next one"));
        p.translate(1000, 800);
        p.rotate(-90);
        p.setFont(QFont(QStringLiteral("Arial"), 20));
        p.drawText(QPointF(0, 0), QStringLiteral("Turned"));
    }) << true;
    QTest::newRow("gradient: turned down") << Drawing([](QPainter &p) {
        QLinearGradient gradient(0, 0, 500, 0);
        gradient.setColorAt(0, Qt::blue);
        gradient.setColorAt(1, Qt::yellow);
        p.fillRect(QRect(0, 0, 500, 300), gradient);
    }) << false;
    QTest::newRow("font without TrueType outlines: turned down") << Drawing([](QPainter &p) {
        p.setFont(QFont(QStringLiteral("Nimbus Sans"), 12)); // Ghostscript's fonts, CFF or Type 1
        p.drawText(QPointF(50, 100), QStringLiteral("Nimbus"));
    }) << false;
    QTest::newRow("blend mode: turned down") << Drawing([](QPainter &p) {
        p.setCompositionMode(QPainter::CompositionMode_Multiply);
        p.fillRect(QRect(0, 0, 500, 300), Qt::red);
    }) << false;
    QTest::newRow("bitmap: turned down") << Drawing([](QPainter &p) {
        QBitmap bitmap(16, 16);
        bitmap.clear();
        p.drawPixmap(0, 0, bitmap);
    }) << false;
}

void TestPdfWriter::drawingsMatchQtsWriter()
{
    QFETCH(Drawing, drawing);
    QFETCH(bool, rendered);
    const QByteArray own = draw(drawing, false);
    if (!rendered) {
        QVERIFY(own.isEmpty());
        return;
    }
    compareWithQt(own, draw(drawing, true));
}

QTEST_MAIN(TestPdfWriter)
#include "tst_pdfwriter.moc"
