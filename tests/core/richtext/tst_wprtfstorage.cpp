// The day-cell storage: its emptiness follows every change of its text, and
// it exchanges whole texts with documents.
#include "richtext/rtfwriter.h"
#include "richtext/wprtfstorage.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

class TestWPRtfStorage : public QObject
{
    Q_OBJECT

private slots:
    void emptinessFollowsTheText()
    {
        TWPRtfStorage storage;
        QVERIFY(storage.isEmpty());
        storage.setRtf("{\\rtf1 note}");
        QVERIFY(!storage.isEmpty());
        storage.setRtf("{\\rtf1 \\par }");
        QVERIFY(storage.isEmpty());
        storage.setRtf("{\\rtf1 again}");
        QVERIFY(!storage.isEmpty());
        storage.clear();
        QVERIFY(storage.isEmpty());
        QVERIFY(storage.rtf().isEmpty());

        TWPRtfStorage full;
        full.setRtf("{\\rtf1 full}");
        QVERIFY(!full.isEmpty());
        storage.copyFrom(full);
        QVERIFY(!storage.isEmpty());
        QCOMPARE(storage.rtf(), full.rtf());
        TWPRtfStorage blank;
        storage.copyFrom(blank);
        QVERIFY(storage.isEmpty());
    }

    void plainText()
    {
        TWPRtfStorage storage;
        storage.setRtf("{\\rtf1 one\\par two\\line three\\par\\par}");
        QCOMPARE(storage.plainText(), QStringLiteral("one\ntwo\nthree"));
        storage.setRtf("not rich text");
        QCOMPARE(storage.plainText(), QStringLiteral("not rich text"));
    }

    void exchangesWithDocuments()
    {
        QTextDocument document;
        QTextCursor cursor(&document);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        cursor.insertText(QStringLiteral("Bold words"), bold);
        TWPRtfStorage storage;
        storage.copyFrom(document);
        QCOMPARE(storage.rtf(), RtfWriter::write(document));
        QVERIFY(!storage.isEmpty());
        QTextDocument back;
        back.setPlainText(QStringLiteral("replaced"));
        storage.copyTo(back);
        QCOMPARE(back.toPlainText(), QStringLiteral("Bold words"));
        QTextCursor at(&back);
        at.setPosition(2);
        QCOMPARE(at.charFormat().fontWeight(), int(QFont::Bold));
    }
};

QTEST_MAIN(TestWPRtfStorage)
#include "tst_wprtfstorage.moc"
