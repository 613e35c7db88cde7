#include "richtexttesthelpers.h"

#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QtTest>

using namespace RichTextTest;

class TestRtfRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void writerReaderWriterIsStable()
    {
        QTextDocument original;
        buildSample(original);
        const QByteArray first = RtfWriter::write(original);
        QVERIFY(first.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QTextDocument read;
        QVERIFY(RtfReader::read(first, read));
        const QByteArray second = RtfWriter::write(read);
        QCOMPARE(QString::fromLatin1(second), QString::fromLatin1(first));
    }

    void unusualTextSurvives()
    {
        QTextDocument original;
        QTextCursor cursor(&original);
        const QString text
            = QStringLiteral("smile \U0001F600, \u00a0nbsp, \u2011 {braces} \\ back\tslash \u0152\u0416");
        cursor.insertText(text, charFormat(QStringLiteral("Odd {Face}; Name"), 11));
        const QByteArray rtf = RtfWriter::write(original);
        for (const char c : rtf)
            QVERIFY2(uchar(c) < 0x80, "the writer writes 7-bit text");
        QTextDocument read;
        QVERIFY(RtfReader::read(rtf, read));
        QCOMPARE(read.begin().text(), text);
        QTextCursor at(&read);
        at.setPosition(1);
        QCOMPARE(at.charFormat().fontFamilies().toStringList().value(0), QStringLiteral("Odd {Face} Name"));
        QCOMPARE(RtfWriter::write(read), rtf);
    }

    void formattingSurvives()
    {
        QTextDocument original;
        buildSample(original);
        QTextDocument read;
        QVERIFY(RtfReader::read(RtfWriter::write(original), read));
        QCOMPARE(read.blockCount(), 3);
        QCOMPARE(read.toPlainText(), original.toPlainText());
        for (QTextBlock a = original.begin(), b = read.begin(); a.isValid(); a = a.next(), b = b.next()) {
            QCOMPARE(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                a.blockFormat().alignment() & Qt::AlignHorizontal_Mask);
            QCOMPARE(b.text(), a.text());
            for (int i = 0; i < a.length() - 1; ++i) {
                QTextCursor ca(&original);
                ca.setPosition(a.position() + i + 1);
                QTextCursor cb(&read);
                cb.setPosition(b.position() + i + 1);
                const QTextCharFormat fa = ca.charFormat();
                const QTextCharFormat fb = cb.charFormat();
                const QString at = QStringLiteral("block %1 char %2").arg(a.blockNumber()).arg(i);
                if (!fa.isImageFormat()) {
                    QVERIFY2(fa.fontFamilies() == fb.fontFamilies(), qPrintable(at));
                    QVERIFY2(qFuzzyCompare(fa.fontPointSize(), fb.fontPointSize()), qPrintable(at));
                    QVERIFY2(fa.fontWeight() == fb.fontWeight(), qPrintable(at));
                    QVERIFY2(fa.fontItalic() == fb.fontItalic(), qPrintable(at));
                    QVERIFY2(fa.fontUnderline() == fb.fontUnderline(), qPrintable(at));
                    QVERIFY2(fa.fontStrikeOut() == fb.fontStrikeOut(), qPrintable(at));
                    QVERIFY2(fa.foreground().color().rgb() == fb.foreground().color().rgb(), qPrintable(at));
                } else {
                    QVERIFY2(fb.isImageFormat(), qPrintable(at));
                    const QTextImageFormat ia = fa.toImageFormat();
                    const QTextImageFormat ib = fb.toImageFormat();
                    QCOMPARE(ib.width(), ia.width());
                    QCOMPARE(ib.height(), ia.height());
                    QCOMPARE(RichTextImages::image(read, ib.name()).convertToFormat(QImage::Format_RGB32),
                        testPicture());
                }
            }
        }
    }
};

QTEST_MAIN(TestRtfRoundTrip)
#include "tst_rtfroundtrip.moc"
