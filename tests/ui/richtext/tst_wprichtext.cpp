// The cell editor: exchanging text with storages at any zoom, the page
// width, current attributes by index, and the operations appending text uses.
#include "richtext/richtextimages.h"
#include "richtext/richtextrenderer.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"
#include "richtext/wprichtext.h"
#include "richtext/wprtfstorage.h"
#include "richtextprobe.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextLayout>
#include <QTextTable>
#include <QtTest>

namespace {

const QByteArray kSample
    = "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}{\\colortbl;\\red255\\green0\\blue0;}"
      "\\pard\\qc\\li300 \\f0\\fs20 Ten {\\f1\\fs32\\b\\cf1 sixteen}\\par\\pard\\qr right}";

// The writer's form of a text, for comparing texts by content.
QByteArray normalized(const QByteArray &rtf)
{
    QTextDocument document;
    RtfReader::read(rtf, document);
    return RtfWriter::write(document);
}

} // namespace

class TestWPRichText : public QObject
{
    Q_OBJECT

private slots:
    void startsHiddenWithItsLook()
    {
        TWPRichText editor;
        QVERIFY(editor.isHidden());
        QCOMPARE(editor.zoom(), 100);
        QVERIFY(editor.tabChangesFocus());
        QCOMPARE(editor.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(editor.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(editor.palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(editor.document()->defaultFont().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(editor.document()->defaultFont().pointSizeF(), 8.0);
    }

    void storageRoundTripAtEveryZoom_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::newRow("100") << 100;
        QTest::newRow("60") << 60;
        QTest::newRow("99") << 99;
        QTest::newRow("37") << 37;
    }

    void storageRoundTripAtEveryZoom()
    {
        QFETCH(int, zoom);
        TWPRichText editor;
        editor.setZoom(zoom);
        TWPRtfStorage storage;
        storage.setRtf(kSample);
        editor.copyFrom(storage);
        // Shown at the zoom...
        QTextCursor cursor = editor.document()->find(QStringLiteral("sixteen"));
        QCOMPARE(cursor.charFormat().fontPointSize(), 16.0 * zoom / 100);
        // ...and stored at 100%.
        TWPRtfStorage back;
        editor.copyTo(back);
        QCOMPARE(back.rtf(), normalized(kSample));
        editor.setZoom(50);
        editor.setZoom(100);
        QCOMPARE(editor.rtf(), normalized(kSample));
    }

    void pageWidthWrapsAtTheZoom()
    {
        TWPRichText editor;
        editor.setPageSizeTwips(1440, 720);
        QCOMPARE(editor.lineWrapMode(), QTextEdit::FixedPixelWidth);
        QCOMPARE(editor.lineWrapColumnOrWidth(), 96);
        editor.setZoom(50);
        QCOMPARE(editor.lineWrapColumnOrWidth(), 48);
        QCOMPARE(editor.pageWidthTwips(), 1440);
        QCOMPARE(editor.pageHeightTwips(), 720);
    }

    void tabStopsAndTablesAtTheZoom()
    {
        // A dotted right stop at 2 inches, then a table of two 3-inch columns.
        const QByteArray rtf = "{\\rtf1\\tldot\\tqr\\tx2880 a\\tab b\\par\\pard"
                               "\\trowd\\cellx4320\\cellx8640 x\\cell y\\cell\\row}";
        TWPRichText editor;
        editor.setPageSizeTwips(2880, 1440);
        editor.setZoom(50);
        editor.setRtf(rtf);
        QCOMPARE(editor.document()->begin().blockFormat().tabPositions().value(0).position, 96.0);
        const auto table = [&editor] {
            return qobject_cast<QTextTable *>(editor.document()->rootFrame()->childFrames().value(0));
        };
        QVERIFY(table());
        // 288 pixels of table in a 96-pixel page shown at 50%: squeezed as the page draws it.
        QCOMPARE(table()->format().columnWidthConstraints().value(0).type(), QTextLength::PercentageLength);
        QCOMPARE(editor.rtf(), normalized(rtf));
        editor.setPageSizeTwips(12000, 1440);
        QCOMPARE(table()->format().columnWidthConstraints().value(0),
            QTextLength(QTextLength::FixedLength, 144.0));
        QCOMPARE(editor.rtf(), normalized(rtf));
    }

    // Without stops of its own a text tabs every \\deftab twips, or RTF's
    // half inch: in the editor at its zoom as on the page, so lines break in
    // the same places, and the distance is written back.
    void defaultTabStopsFollowTheText_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QByteArray>("deftab");
        QTest::addColumn<qreal>("stop"); // pixels at 100%
        QTest::newRow("100%, half inch") << 100 << QByteArray() << 48.0;
        QTest::newRow("60%, half inch") << 60 << QByteArray() << 48.0;
        QTest::newRow("50%, quarter inch") << 50 << QByteArray("\\deftab360") << 24.0;
    }

    void defaultTabStopsFollowTheText()
    {
        QFETCH(int, zoom);
        QFETCH(QByteArray, deftab);
        QFETCH(qreal, stop);
        const QByteArray rtf = "{\\rtf1" + deftab + "\\f0\\fs20 a\\tab b\\tab c}";
        const auto tabbedTo = [](const QTextDocument &document) {
            const QTextBlock block = document.begin();
            document.documentLayout()->blockBoundingRect(block); // lays the block out
            const QTextLine line = block.layout()->lineAt(0);
            return QPointF(line.cursorToX(2), line.cursorToX(4));
        };
        QTextDocument page;
        RichTextRenderer::prepare(page);
        RtfReader::read(rtf, page);
        page.setTextWidth(288);
        QCOMPARE(tabbedTo(page), QPointF(stop, 2 * stop));
        TWPRichText editor;
        editor.setPageSizeTwips(4320, 1440);
        editor.setRtf("{\\rtf1\\deftab1440 before}"); // nothing of it may stay
        editor.setZoom(zoom);
        editor.setRtf(rtf);
        const QPointF shown = tabbedTo(*editor.document());
        QVERIFY2(
            (shown - QPointF(stop, 2 * stop) * zoom / 100.0).manhattanLength() < 0.1, // layout rounds to 1/64
            qPrintable(QStringLiteral("%1, %2").arg(shown.x()).arg(shown.y())));
        editor.setZoom(100);
        QCOMPARE(tabbedTo(*editor.document()), QPointF(stop, 2 * stop));
        QCOMPARE(editor.rtf().contains("\\deftab"), !deftab.isEmpty());
        QVERIFY(editor.rtf().contains(deftab));
    }

    void pastedRtfKeepsTabStopsAndTables()
    {
        // As a word processor offers it: RTF beside a plainer HTML form.
        auto *data = new QMimeData;
        data->setHtml(QStringLiteral("<p>Seeds Price</p>"));
        data->setData(QStringLiteral("text/rtf"),
            "{\\rtf1\\tldot\\tqr\\tx2880 Seeds\\tab 2.50\\par\\pard"
            "\\trowd\\cellx4320\\cellx8640 x\\cell y\\cell\\row}");
        QApplication::clipboard()->setMimeData(data);
        TWPRichText editor;
        editor.setPageSizeTwips(2880, 1440);
        editor.setZoom(50);
        QVERIFY(editor.canPaste());
        editor.paste();
        const QByteArray rtf = editor.rtf();
        QVERIFY2(
            rtf.contains("\\tldot\\tqr\\tx2880") && rtf.contains("\\cellx4320\\cellx8640"), rtf.constData());
        // Not RTF under an RTF name: the other forms are used.
        auto *other = new QMimeData;
        other->setData(QStringLiteral("text/richtext"), "<bold>plain</bold>");
        other->setText(QStringLiteral("plain words"));
        QApplication::clipboard()->setMimeData(other);
        editor.paste();
        QVERIFY(editor.toPlainText().endsWith(QLatin1String("plain words")));
    }

    void fontTableLookup()
    {
        TWPRichText editor;
        const int count = int(editor.fontTable().size());
        const int index = editor.fontIndexOf(QStringLiteral("No Such Face Anywhere"));
        QCOMPARE(index, count);
        QCOMPARE(editor.fontIndexOf(QStringLiteral("no such face ANYWHERE")), index);
        QCOMPARE(editor.fontTable().value(index), QStringLiteral("No Such Face Anywhere"));
    }

    void colorTable()
    {
        QCOMPARE(TWPRichText::colorTable().size(), 16);
        QCOMPARE(TWPRichText::colorIndexOf(Qt::black), 0);
        QCOMPARE(TWPRichText::colorIndexOf(Qt::red), 9);
        QCOMPARE(TWPRichText::colorIndexOf(Qt::white), 15);
        QCOMPARE(TWPRichText::colorIndexOf(QColor(1, 2, 3)), -1);
    }

    void attributesRoundTripAtAZoom()
    {
        TWPRichText editor;
        editor.setZoom(60);
        CharAttributes attributes;
        attributes.fontIndex = editor.fontIndexOf(QStringLiteral("Arial"));
        attributes.size = 12;
        attributes.styles = TWPRichText::Bold | TWPRichText::Underline | TWPRichText::StrikeOut;
        attributes.colorIndex = 12;
        editor.setCurrentAttributes(attributes);
        QVERIFY(editor.currentAttributes() == attributes);
        QVERIFY(editor.document()->isEmpty()); // setting attributes alone changes no text
        editor.insertPlainText(QStringLiteral("typed"));
        QTextDocument stored;
        RtfReader::read(editor.rtf(), stored);
        QTextCursor cursor(&stored);
        cursor.setPosition(1);
        QCOMPARE(cursor.charFormat().fontPointSize(), 12.0);
        QCOMPARE(cursor.charFormat().foreground().color(), QColor(Qt::blue));
        QVERIFY(cursor.charFormat().fontStrikeOut());
    }

    void appendingEvents()
    {
        // Load, read the attributes, go to the end, new paragraph, insert, new paragraph.
        TWPRichText editor;
        editor.setZoom(70);
        editor.setRtf(kSample);
        const CharAttributes attributes = editor.currentAttributes();
        QCOMPARE(editor.fontTable().value(attributes.fontIndex), QStringLiteral("Arial"));
        QCOMPARE(attributes.size, 10.0);
        editor.moveToEnd();
        QVERIFY(!editor.isEmptyText());
        editor.newParagraph();
        editor.insertTextWithAttributes(QStringLiteral("Holiday"), attributes);
        editor.newParagraph();
        editor.reformat();
        QTextDocument stored;
        RtfReader::read(editor.rtf(), stored);
        QCOMPARE(stored.blockCount(), 4);
        QCOMPARE(stored.begin().next().next().text(), QStringLiteral("Holiday"));
        QCOMPARE(stored.begin().next().next().next().text(), QString());
        QTextCursor cursor = stored.find(QStringLiteral("Holiday"));
        QCOMPARE(cursor.charFormat().fontPointSize(), 10.0);
    }

    void emptyText()
    {
        TWPRichText editor;
        QVERIFY(editor.isEmptyText());
        editor.setRtf("{\\rtf1 \\tab  \\par \\line }");
        QVERIFY(editor.isEmptyText());
        editor.insertPicture(QImage(4, 4, QImage::Format_RGB32));
        QVERIFY(!editor.isEmptyText());
    }

    void picturesAtTheZoom()
    {
        TWPRichText editor;
        editor.setZoom(50);
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(Qt::green);
        editor.insertPicture(picture);
        const QList<QTextImageFormat> shown = images(*editor.document());
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().width(), 10.0);
        const QByteArray rtf = editor.rtf();
        QVERIFY(rtf.contains("\\picwgoal300\\pichgoal150"));
        QTextDocument stored;
        RtfReader::read(rtf, stored);
        const QList<QTextImageFormat> back = images(stored);
        QCOMPARE(back.size(), 1);
        QCOMPARE(RichTextImages::image(stored, back.first().name()).pixel(5, 5), QColor(Qt::green).rgb());
    }

    void pastedPictureBecomesInline()
    {
        TWPRichText editor;
        auto *data = new QMimeData;
        QImage picture(6, 6, QImage::Format_RGB32);
        picture.fill(Qt::red);
        data->setImageData(picture);
        QApplication::clipboard()->setMimeData(data);
        editor.paste();
        QCOMPARE(images(*editor.document()).size(), 1);
    }

    void backgroundAndCaret()
    {
        TWPRichText editor;
        editor.setBackgroundColor(QColor(255, 255, 200));
        QCOMPARE(editor.backgroundColor(), QColor(255, 255, 200));
        editor.setRtf("{\\rtf1 some text}");
        editor.moveToEnd();
        editor.focusAtStart();
        QCOMPARE(editor.textCursor().position(), 0);
    }

    void rendersWhatItHolds()
    {
        TWPRichText editor;
        editor.setZoom(50);
        editor.setRtf("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\fs40\\cf1 WWWW}");
        QImage canvas(200, 60, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        {
            QPainter painter(&canvas);
            editor.renderTo(painter, QRect(0, 0, 200, 60));
        }
        int red = 0;
        int rightmost = 0;
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                const QColor c = canvas.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 100) {
                    ++red;
                    rightmost = std::max(rightmost, x);
                }
            }
        }
        QVERIFY(red > 20);
        QVERIFY2(rightmost < 100, "20 pt text at 50% stays narrow");
    }
};

QTEST_MAIN(TestWPRichText)
#include "tst_wprichtext.moc"
