#include "richtexttesthelpers.h"
#include "testfiles.h"

#include "richtext/rtfreader.h"
#include "richtextprobe.h"

#include <QBuffer>
#include <QTextBlock>
#include <QtTest>

using namespace RichTextTest;

namespace {

QTextCharFormat formatAt(QTextDocument &document, const QString &word)
{
    const QTextCursor found = document.find(word);
    if (found.isNull())
        return {};
    QTextCursor cursor(&document);
    cursor.setPosition(found.selectionStart() + 1);
    return cursor.charFormat();
}

QString family(const QTextCharFormat &format)
{
    return format.fontFamilies().toStringList().value(0);
}

QByteArray hexOf(const QByteArray &bytes)
{
    return bytes.toHex();
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void pandocText()
    {
        QTextDocument document;
        QVERIFY(RtfReader::read(readFile(DW_TEST_DATA "/pandoc-sample.rtf"), document));
        QCOMPARE(document.begin().text(), QStringLiteral("Meeting with Anna at noon."));
        QCOMPARE(document.begin().next().text(),
            QStringLiteral("Caf\u00e9, na\u00efve, 20 \u20ac \u2014 \u201cquoted\u201d and \u0416."));
        QCOMPARE(document.begin().next().next().text(), QStringLiteral("Bold italic and struck text."));
        QCOMPARE(family(formatAt(document, QStringLiteral("Meeting"))), QStringLiteral("Helvetica"));
        QCOMPARE(formatAt(document, QStringLiteral("Meeting")).fontPointSize(), 12.0);
        QCOMPARE(formatAt(document, QStringLiteral("Anna")).fontWeight(), int(QFont::Bold));
        QCOMPARE(formatAt(document, QStringLiteral("Meeting")).fontWeight(), int(QFont::Normal));
        QVERIFY(formatAt(document, QStringLiteral("noon")).fontItalic());
        QVERIFY(!formatAt(document, QStringLiteral("at")).fontItalic());
        const QTextCharFormat both = formatAt(document, QStringLiteral("italic"));
        QVERIFY(both.fontItalic() && both.fontWeight() == QFont::Bold);
        QVERIFY(formatAt(document, QStringLiteral("struck")).fontStrikeOut());
        QCOMPARE(document.begin().blockFormat().bottomMargin(), 12.0); // \sa180
        QCOMPARE(RtfReader::plainText(readFile(DW_TEST_DATA "/pandoc-sample.rtf")),
            document.toPlainText().trimmed());
    }

    void pandocPicture()
    {
        QTextDocument document;
        QVERIFY(RtfReader::read(readFile(DW_TEST_DATA "/pandoc-picture.rtf"), document));
        const QList<QTextImageFormat> found = images(document);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().width(), 160 / 15.0);
        QCOMPARE(found.first().height(), 8.0);
        const QImage image = RichTextImages::image(document, found.first().name());
        QCOMPARE(image.size(), QSize(8, 6));
        QCOMPARE(image.pixel(0, 0) & 0xFFFFFF, 0xC80000u);
        QCOMPARE(image.pixel(7, 5) & 0xFFFFFF, 0xFFFFFFu);
        QCOMPARE(RtfReader::plainText(readFile(DW_TEST_DATA "/pandoc-picture.rtf")),
            QStringLiteral("Holiday  today\nSecond line"));
    }

    void libreOfficeText()
    {
        QTextDocument document;
        QVERIFY(RtfReader::read(readFile(DW_TEST_DATA "/libreoffice-formatted.rtf"), document));
        QStringList texts;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
            texts << block.text().remove(QChar::ObjectReplacementCharacter);
        QCOMPARE(texts.mid(0, 4),
            QStringList({ QStringLiteral("Dentist at 9:30"), QStringLiteral("Anna's birthday"),
                QStringLiteral("Pay rent & bills — café €"), QStringLiteral("Holiday  here") }));
        QTextBlock block = document.begin();
        QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(block.next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(block.next().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(block.blockFormat().bottomMargin(), 140 / 15.0);

        const QTextCharFormat dentist = formatAt(document, QStringLiteral("Dentist"));
        QCOMPARE(family(dentist), QStringLiteral("Arial"));
        QCOMPARE(dentist.fontPointSize(), 12.0);
        QCOMPARE(dentist.fontWeight(), int(QFont::Normal));
        QCOMPARE(formatAt(document, QStringLiteral("9:30")).fontWeight(), int(QFont::Bold));
        const QTextCharFormat anna = formatAt(document, QStringLiteral("Anna"));
        QCOMPARE(family(anna), QStringLiteral("Times New Roman"));
        QCOMPARE(anna.fontPointSize(), 18.0);
        QVERIFY(anna.fontItalic());
        QCOMPARE(anna.foreground().color(), QColor(255, 0, 0));
        const QTextCharFormat rent = formatAt(document, QStringLiteral("rent"));
        QCOMPARE(family(rent), QStringLiteral("Courier New"));
        QVERIFY(rent.fontUnderline());
        QCOMPARE(rent.foreground().color(), QColor(0, 0, 255));
        QVERIFY(formatAt(document, QStringLiteral("bills")).fontStrikeOut());
        QVERIFY(!formatAt(document, QStringLiteral("caf")).fontStrikeOut());

        // The PNG of \shppict is shown, its metafile stand-in is not.
        const QList<QTextImageFormat> found = images(document);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().width(), 16.0);
        QCOMPARE(found.first().height(), 12.0);
        QCOMPARE(RichTextImages::image(document, found.first().name()).size(), QSize(8, 6));
    }

    void metafilePictures()
    {
        // A plain WMF (\\wmetafile8) and an EMF in \\shppict, as LibreOffice writes them.
        QTextDocument document;
        QVERIFY(RtfReader::read(readFile(DW_TEST_DATA "/libreoffice-metafiles.rtf"), document));
        QCOMPARE(document.begin().text().remove(QChar::ObjectReplacementCharacter),
            QStringLiteral("Metafile  and enhanced  end"));
        const QList<QTextImageFormat> found = images(document);
        QCOMPARE(found.size(), 2);
        for (const QTextImageFormat &format : found) {
            QVERIFY2(std::abs(format.width() - 48) < 3 && std::abs(format.height() - 48) < 3,
                qPrintable(QStringLiteral("%1 x %2").arg(format.width()).arg(format.height())));
            const QImage image = RichTextImages::image(document, format.name());
            QVERIFY(!image.isNull());
            int painted = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    painted += qAlpha(image.pixel(x, y)) > 0;
            }
            QVERIFY2(painted > image.width() * image.height() / 10, "the metafile was played");
        }
    }

    void plainText_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("extra closing brace ends the text") << QByteArray("{\\rtf1 abc}} def") << "abc";
        QTest::newRow("missing closing brace") << QByteArray("{\\rtf1 abc {\\b def") << "abc def";
        QTest::newRow("closing brace first") << QByteArray("{\\rtf1}abc") << "";
        QTest::newRow("huge numbers") << QByteArray("{\\rtf1\\fs99999999999999999999 a\\u99999999999?b"
                                                    "\\li-99999999999 c\\uc99999999999 d\\cf99999999 e}")
                                      << "abcde";
        QTest::newRow("huge negative unicode") << QByteArray("{\\rtf1 \\u-99999999999?x}") << "x";
        QTest::newRow("truncated hex, one digit") << QByteArray("{\\rtf1 x\\'4") << "x";
        QTest::newRow("truncated hex, none") << QByteArray("{\\rtf1 x\\'") << "x";
        QTest::newRow("hex that is not hex") << QByteArray("{\\rtf1 x\\'zz y}") << "xzz y";
        QTest::newRow("lone backslash at the end") << QByteArray("{\\rtf1 x\\") << "x";
        QTest::newRow("binary with braces") << QByteArray("{\\rtf1 a{\\bin3 }{x}b}") << "ab";
        QTest::newRow("binary past the end") << QByteArray("{\\rtf1 a\\bin999999999 xyz") << "a";
        QTest::newRow("unicode with two fallback bytes")
            << QByteArray("{\\rtf1\\uc2 A\\u8364\\'80\\'80B}") << "A\u20acB";
        QTest::newRow("negative unicode") << QByteArray("{\\rtf1 \\u-4064?}") << QString(QChar(0xF020));
        QTest::newRow("fallback ends with the group") << QByteArray("{\\rtf1 {\\uc3\\u233}xy}") << "\u00e9xy";
        QTest::newRow("starred unknown destination") << QByteArray("{\\rtf1 a{\\*\\foo hidden}b}") << "ab";
        QTest::newRow("field shows its result")
            << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}") << "link";
        QTest::newRow("tables and info skipped") << QByteArray(
            "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}{\\info{\\title T}}"
            "{\\stylesheet{\\s0 Normal;}}x}") << "x";
        QTest::newRow("hidden text") << QByteArray("{\\rtf1 a{\\v secret}b}") << "ab";
        QTest::newRow("breaks and tabs")
            << QByteArray("{\\rtf1 a\\tab b\\line c\\par d\\~e\\emdash}") << "a\tb\nc\nd\u00a0e\u2014";
        QTest::newRow("code page 1252") << QByteArray("{\\rtf1\\ansi caf\\'e9 \\'80}") << "caf\u00e9 \u20ac";
        QTest::newRow("escaped characters") << QByteArray("{\\rtf1 \\\\\\{\\}}") << "\\{}";
        QTest::newRow("line ends in the source are not text") << QByteArray("{\\rtf1 a\r\nb}") << "ab";
        QTest::newRow("trailing paragraphs dropped") << QByteArray("{\\rtf1 a\\par\\par}") << "a";
        QTest::newRow("not rtf is plain text") << QByteArray("plain words") << "plain words";
    }

    void plainText()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QCOMPARE(RtfReader::plainText(rtf), text);
        QTextDocument document;
        RtfReader::read(rtf, document);
        QString shown = document.toPlainText();
        while (shown.endsWith(QLatin1Char('\n')))
            shown.chop(1);
        QCOMPARE(shown, QString(text).replace(QChar(0x00A0), QLatin1Char(' ')));
    }

    void endlessNesting()
    {
        const QByteArray open(100000, '{');
        const QByteArray close(100000, '}');
        QCOMPARE(RtfReader::plainText("{\\rtf1 a" + open + "deep" + close + "b}"), QStringLiteral("ab"));
        QCOMPARE(RtfReader::plainText("{\\rtf1 a" + open + "deep"), QStringLiteral("a"));
        // Within the limit every level is read.
        const QByteArray some(100, '{');
        const QByteArray someClose(100, '}');
        QCOMPARE(
            RtfReader::plainText("{\\rtf1 a" + some + "deep" + someClose + "b}"), QStringLiteral("adeepb"));
        QTextDocument document;
        RtfReader::read("{\\rtf1 a" + open + "\\bin2 }}deep" + close + "b}", document);
        QCOMPARE(document.toPlainText(), QStringLiteral("ab"));
    }

    void notRtf()
    {
        QTextDocument document;
        QString error;
        QVERIFY(!RtfReader::read("just text", document, &error));
        QCOMPARE(error, QStringLiteral("The text is not in Rich Text Format"));
        QCOMPARE(document.toPlainText(), QStringLiteral("just text"));
        QVERIFY(RtfReader::read(QByteArray(), document));
        QVERIFY(document.isEmpty());
    }

    void content_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<bool>("content");
        QTest::newRow("nothing") << QByteArray() << false;
        QTest::newRow("empty frame") << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard\\par}")
                                     << false;
        QTest::newRow("blanks and tabs") << QByteArray("{\\rtf1 \\tab  \\line \\par }") << false;
        QTest::newRow("hidden only") << QByteArray("{\\rtf1 {\\v x}}") << false;
        QTest::newRow("a letter") << QByteArray("{\\rtf1 \\par x}") << true;
        QTest::newRow("a picture") << QByteArray("{\\rtf1 {\\pict\\pngblip 89504e47}}") << true;
        QTest::newRow("plain text") << QByteArray("x") << true;
    }

    void content()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(bool, content);
        QCOMPARE(RtfReader::hasContent(rtf), content);
    }

    void characterFormatting()
    {
        const QByteArray rtf
            = "{\\rtf1\\ansi\\deff1{\\fonttbl\\f0\\froman Times New Roman;\\f1\\fswiss\\fcharset0 Arial;"
              "{\\f2{\\*\\panose 020b0604}Courier New;}}"
              "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
              "\\fs20 deffont {\\f2\\fs28\\cf1\\ul under\\ulnone nounder} back "
              "{\\f0\\b\\i\\strike\\cb2 styled\\plain plain} {\\highlight1 marked}"
              " {\\super up}{\\sub down}}";
        QTextDocument document;
        QVERIFY(RtfReader::read(rtf, document));
        QCOMPARE(family(formatAt(document, QStringLiteral("deffont"))), QStringLiteral("Arial"));
        QCOMPARE(formatAt(document, QStringLiteral("deffont")).fontPointSize(), 10.0);
        const QTextCharFormat under = formatAt(document, QStringLiteral("under"));
        QCOMPARE(family(under), QStringLiteral("Courier New"));
        QCOMPARE(under.fontPointSize(), 14.0);
        QVERIFY(under.fontUnderline());
        QCOMPARE(under.foreground().color(), QColor(255, 0, 0));
        QVERIFY(!formatAt(document, QStringLiteral("nounder")).fontUnderline());
        const QTextCharFormat back = formatAt(document, QStringLiteral("back"));
        QCOMPARE(family(back), QStringLiteral("Arial"));
        QCOMPARE(back.fontPointSize(), 10.0);
        QCOMPARE(back.foreground().style(), Qt::NoBrush); // automatic colour
        const QTextCharFormat styled = formatAt(document, QStringLiteral("styled"));
        QCOMPARE(family(styled), QStringLiteral("Times New Roman"));
        QVERIFY(styled.fontWeight() == QFont::Bold && styled.fontItalic() && styled.fontStrikeOut());
        QCOMPARE(styled.background().color(), QColor(0, 0, 255));
        const QTextCharFormat plain = formatAt(document, QStringLiteral("plain"));
        QVERIFY(plain.fontWeight() == QFont::Normal && !plain.fontItalic());
        QCOMPARE(plain.fontPointSize(), 12.0); // \plain returns to \fs24
        QCOMPARE(family(plain), QStringLiteral("Arial"));
        QCOMPARE(formatAt(document, QStringLiteral("marked")).background().color(), QColor(255, 0, 0));
        QCOMPARE(
            formatAt(document, QStringLiteral("up")).verticalAlignment(), QTextCharFormat::AlignSuperScript);
        QCOMPARE(
            formatAt(document, QStringLiteral("down")).verticalAlignment(), QTextCharFormat::AlignSubScript);
    }

    void paragraphFormatting()
    {
        const QByteArray rtf = "{\\rtf1 \\qc\\li720\\ri360\\fi-180\\sb120\\sa240 centred\\par "
                               "right but reset\\pard\\qr\\par"
                               "{\\pard\\qj justified\\par}"
                               "\\pard left}";
        QTextDocument document;
        QVERIFY(RtfReader::read(rtf, document));
        QCOMPARE(document.blockCount(), 4);
        QTextBlock block = document.begin();
        QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(block.blockFormat().leftMargin(), 48.0);
        QCOMPARE(block.blockFormat().rightMargin(), 24.0);
        QCOMPARE(block.blockFormat().textIndent(), -12.0);
        QCOMPARE(block.blockFormat().topMargin(), 8.0);
        QCOMPARE(block.blockFormat().bottomMargin(), 16.0);
        block = block.next();
        QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(block.blockFormat().leftMargin(), 0.0);
        block = block.next();
        QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
        block = block.next();
        QCOMPARE(block.text(), QStringLiteral("left"));
        QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    }

    void bitmapPictures()
    {
        const QImage source = testPicture();
        QByteArray bmp;
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(source.save(&buffer, "BMP"));
        const QByteArray dib = bmp.mid(14);
        QByteArray jpeg;
        QBuffer jpegBuffer(&jpeg);
        jpegBuffer.open(QIODevice::WriteOnly);
        QVERIFY(source.save(&jpegBuffer, "JPEG", 100));
        // A 16 x 2 monochrome device bitmap: left half black (bits clear).
        const QByteArray mono = QByteArray::fromHex("00ff00ff");
        const QByteArray rtf = "{\\rtf1 a{\\pict\\dibitmap0\\picw12\\pich8\\picscalex200\\picscaley50 "
            + hexOf(dib) + "}b{\\pict\\jpegblip\\picwgoal300\\pichgoal150 " + hexOf(jpeg)
            + "}c{\\pict\\wbitmap0\\picw16\\pich2\\wbmbitspixel1\\wbmplanes1\\wbmwidthbytes2 " + hexOf(mono)
            + "}d{\\pict\\pngblip 89504e470d0a1a0a0000}e{\\pict\\macpict 0011}f}";
        QTextDocument document;
        QVERIFY(RtfReader::read(rtf, document));
        const QList<QTextImageFormat> found = images(document);
        QCOMPARE(found.size(), 3); // the broken PNG and the Mac picture are skipped
        QCOMPARE(document.toPlainText().remove(QChar::ObjectReplacementCharacter), QStringLiteral("abcdef"));
        QCOMPARE(RichTextImages::image(document, found.at(0).name()).convertToFormat(QImage::Format_RGB32),
            source);
        QCOMPARE(found.at(0).width(), 24.0);
        QCOMPARE(found.at(0).height(), 4.0);
        QCOMPARE(RichTextImages::image(document, found.at(1).name()).size(), source.size());
        QCOMPARE(found.at(1).width(), 20.0);
        QCOMPARE(found.at(1).height(), 10.0);
        const QImage monoImage = RichTextImages::image(document, found.at(2).name());
        QCOMPARE(monoImage.size(), QSize(16, 2));
        QCOMPARE(monoImage.pixel(0, 0) & 0xFFFFFF, 0u);
        QCOMPARE(monoImage.pixel(8, 0) & 0xFFFFFF, 0xFFFFFFu);
    }

    void brokenDeviceBitmaps_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::newRow("too few bytes")
            << QByteArray("{\\rtf1{\\pict\\wbitmap0\\picw64\\pich64\\wbmbitspixel1 00ff}}");
        QTest::newRow("huge size") << QByteArray(
            "{\\rtf1{\\pict\\wbitmap0\\picw2000000000\\pich2000000000 00}}");
        QTest::newRow("odd depth") << QByteArray(
            "{\\rtf1{\\pict\\wbitmap0\\picw2\\pich2\\wbmbitspixel7 00000000}}");
        QTest::newRow("short stride")
            << QByteArray("{\\rtf1{\\pict\\wbitmap0\\picw64\\pich1\\wbmwidthbytes1 00}}");
        QTest::newRow("dib header only") << QByteArray("{\\rtf1{\\pict\\dibitmap0 28000000}}");
        QTest::newRow("dib header lies")
            << QByteArray("{\\rtf1{\\pict\\dibitmap0 ffffff7f0000000000000000}}");
    }

    void brokenDeviceBitmaps()
    {
        QFETCH(QByteArray, rtf);
        QTextDocument document;
        QVERIFY(RtfReader::read(rtf, document));
        QVERIFY(images(document).isEmpty());
    }
};

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
