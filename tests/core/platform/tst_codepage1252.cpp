// Windows-1252 both ways, including the bytes Latin-1 gets wrong.
#include "platform/codepage1252.h"

#include <QtTest>

class TestCodePage1252 : public QObject
{
    Q_OBJECT

private slots:
    void decodesTheHighControlRangeAsWindowsDoes()
    {
        QCOMPARE(CodePage1252::toUnicode(QByteArray("\x80\x85\x93\x94\x9F")), QStringLiteral("€…“”Ÿ"));
        // Unassigned bytes decode to the C1 control of the same number.
        QCOMPARE(CodePage1252::toUnicode(static_cast<unsigned char>(0x81)), QChar(0x81));
        QCOMPARE(CodePage1252::toUnicode(QByteArray("Caf\xE9")), QStringLiteral("Café"));
    }

    void everyByteSurvivesARoundTrip()
    {
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte)
            all.append(static_cast<char>(byte));
        const QString text = CodePage1252::toUnicode(all);
        QVERIFY(CodePage1252::canEncode(text));
        QCOMPARE(CodePage1252::fromUnicode(text), all);
    }

    void refusesCharactersOutsideTheCodePage()
    {
        QVERIFY(CodePage1252::canEncode(QStringLiteral("Décembre – Œuvre €")));
        QVERIFY(!CodePage1252::canEncode(QStringLiteral("Prosinec č")));
        QVERIFY(!CodePage1252::canEncode(QStringLiteral("Δεκέμβριος")));
        QCOMPARE(CodePage1252::fromUnicode(QStringLiteral("aΩb")), QByteArray("a?b"));
        unsigned char byte = 0;
        QVERIFY(!CodePage1252::encode(QChar(0x0100), &byte));
        QVERIFY(CodePage1252::encode(QChar(0x2122), &byte));
        QCOMPARE(byte, 0x99);
    }
};

QTEST_APPLESS_MAIN(TestCodePage1252)
#include "tst_codepage1252.moc"
