// A page set in a face without outlines (a bitmap font of one pixel size):
// its PDF holds the texts its picture shows, in the same cells, at the
// sizes the page asks for, in an outline face standing in.
#include "calendar/calendarpage.h"
#include "document/calendardocument.h"
#include "document/pageexport.h"
#include "report/outlinefaces.h"

#include "pdfprobe.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kBitmapFamily = QStringLiteral("Datewright Blocky");

// A BDF font with a single 16-pixel strike: every printable ASCII
// character a hollow box.
QByteArray bitmapFont()
{
    QByteArray bdf = "STARTFONT 2.1\nFONT -dw-Blocky-Medium-R-Normal--16-160-75-75-C-80-ISO10646-1\n"
                     "SIZE 16 75 75\nFONTBOUNDINGBOX 8 16 0 -4\nSTARTPROPERTIES 5\n"
                     "FAMILY_NAME \"Datewright Blocky\"\nWEIGHT_NAME \"Medium\"\nSLANT \"R\"\n"
                     "FONT_ASCENT 12\nFONT_DESCENT 4\nENDPROPERTIES\nCHARS 95\n";
    for (int c = 32; c < 127; ++c) {
        bdf += "STARTCHAR c" + QByteArray::number(c) + "\nENCODING " + QByteArray::number(c)
            + "\nSWIDTH 500 0\nDWIDTH 8 0\nBBX 8 16 0 -4\nBITMAP\n";
        for (int row = 0; row < 16; ++row) {
            const bool blank = c == ' ' || row < 3 || row > 13;
            bdf += blank ? "00\n" : row == 3 || row == 13 ? "7E\n" : "42\n";
        }
        bdf += "ENDCHAR\n";
    }
    return bdf + "ENDFONT\n";
}

int darkPixels(const QImage &image, const QRect &area)
{
    int count = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            count += qGray(image.pixel(x, y)) < 128;
    return count;
}

} // namespace

class TestPageFonts : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        const QString path = m_dir.filePath(QStringLiteral("blocky.bdf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bitmapFont()) > 0);
        file.close();
        QVERIFY(QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(path))
                    .contains(kBitmapFamily));
        QVERIFY(!QFontDatabase::isSmoothlyScalable(kBitmapFamily));
    }

    void paperFaces_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("TrueType outlines") << QStringLiteral("DejaVu Sans") << false;
        QTest::newRow("CFF or Type 1 outlines") << QStringLiteral("Nimbus Sans") << false;
        QTest::newRow("bitmap strikes only") << kBitmapFamily << true;
    }

    void paperFaces()
    {
        // On paper a face keeps its own outlines, or an outline face of the
        // size asked for stands in.
        QFETCH(QString, family);
        QFETCH(bool, replaced);
        QFont font(family);
        font.setPixelSize(67);
        font.setBold(true);
        const QFontInfo paper(OutlineFaces::forPaper(font));
        QCOMPARE(paper.family() != QFontInfo(font).family(), replaced);
        QCOMPARE(paper.pixelSize(), 67);
        QVERIFY(paper.bold());
    }

    void pdfShowsWhatThePictureShows()
    {
        CalendarDocument document;
        CalendarPage &page = document.page();
        page.resetToDefaultStyle(QDate(2026, 9, 1));
        page.setCalendarLayout(0);
        CalendarFont title = page.titleFont();
        title.name = kBitmapFamily;
        page.setTitleFont(title);
        CalendarFont headers = page.headersFont();
        headers.name = kBitmapFamily;
        page.setHeadersFont(headers);
        CalendarFont cells = page.cellFont();
        cells.name = kBitmapFamily;
        page.setCellFont(cells);
        page.setCellContents(10, "{\\rtf1{\\fonttbl{\\f0 Datewright Blocky;}}\\f0\\fs24 4567}");

        const QImage picture = PageExport::picture(document, 1.0f);
        QVERIFY(!picture.isNull());
        // Our writer draws such a page itself.
        QVERIFY(!PageExport::pdf(document, PageExport::PdfWriter::OwnOnly).isEmpty());
        const QString pdf = m_dir.filePath(QStringLiteral("page.pdf"));
        QString error;
        QVERIFY2(PageExport::savePdf(document, pdf, &error), qPrintable(error));
        const QList<PdfProbe::Word> words = PdfProbe::wordsOf(pdf);
        QVERIFY(!words.isEmpty());

        // Page pixels at 100% are 96 to the inch; the picture leaves the margins out.
        const auto toPixels = [](const QRectF &points) {
            return QRectF(points.topLeft() * 96.0 / 72, points.size() * 96.0 / 72);
        };
        const CalendarAttributes &a = page.attributes();
        const QPoint margin(int(96 * a.leftMarginInch), int(96 * a.topMarginInch));
        (void)page.recordCellTable(1.0f);
        int days = 0;
        for (const DayCell &cell : page.cellTable()) {
            if (cell.day <= 0)
                continue;
            ++days;
            const QRect box = cell.rect.toQRect();
            const QString number = QString::number(cell.day);
            const auto found = std::find_if(words.cbegin(), words.cend(), [&](const PdfProbe::Word &word) {
                return word.text == number && box.contains(toPixels(word.box).center().toPoint());
            });
            QVERIFY2(found != words.cend(), qPrintable(QStringLiteral("day %1 not in its cell").arg(number)));
            // At its 16 points, not at the font's one pixel size.
            QVERIFY2(found->box.height() >= 16 * 0.9 && found->box.height() <= 16 * 1.6,
                qPrintable(QStringLiteral("day %1 is %2 points high").arg(number).arg(found->box.height())));
            // The picture has its number in the same cell.
            const QRect top(box.topLeft() - margin, QSize(box.width(), 30));
            QVERIFY2(darkPixels(picture, top.adjusted(2, 2, -2, 0)) > 10, qPrintable(number));
        }
        QCOMPARE(days, 30);
        const auto word = [&words](const QString &text) {
            return std::find_if(
                words.cbegin(), words.cend(), [&text](const PdfProbe::Word &w) { return w.text == text; });
        };
        QVERIFY(word(QStringLiteral("September")) != words.cend());
        QVERIFY(word(QStringLiteral("September"))->box.height() >= 26 * 0.9);
        // The cell's own text, in the bitmap face, is set in its place too.
        QVERIFY(word(QStringLiteral("4567")) != words.cend());
    }
};

QTEST_MAIN(TestPageFonts)
#include "tst_pagefonts.moc"
