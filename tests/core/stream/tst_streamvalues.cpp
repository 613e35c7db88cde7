#include "streamtesthelpers.h"

#include "stream/extendedfloat.h"
#include "stream/streamerror.h"

#include <QTest>

#include <cmath>
#include <limits>

// Values of the typed value stream byte by byte, both ways.
class TestStreamValues : public QObject
{
    Q_OBJECT

private slots:
    void integerTakesTheSmallestForm_data();
    void integerTakesTheSmallestForm();
    void stringLengthPicksTheTag();
    void textBeyondCodePageIsWrittenAsUtf8();
    void readerAcceptsUtf8AndUtf16Strings();
    void identifiersAndBooleans();
    void booleanOverIntegerReadsFalseAndConsumesTheTag();
    void wrongTagsFail_data();
    void wrongTagsFail();
    void extendedFloatBytes();
    void floatsRoundTrip_data();
    void floatsRoundTrip();
    void floatReadsAnInteger();
    void binaryAndSets();
    void unknownSetMemberSkipsTheRest();
    void shortStringsAreCut();
    void truncatedDataFailsWithReadError();
    void hugeLengthFailsWithoutReading();
    void skipValueSkipsEveryTag();
    void deepNestingIsRefused();
    void writerBufferFlushesAcrossBoundaries();
    void readerLeavesDeviceAfterLastValue();
    void failedDeviceWriteIsReported();
};

void TestStreamValues::integerTakesTheSmallestForm_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("127") << 127 << bytes({ 2, 0x7F });
    QTest::newRow("-128") << -128 << bytes({ 2, 0x80 });
    QTest::newRow("128") << 128 << bytes({ 3, 0x80, 0x00 });
    QTest::newRow("-129") << -129 << bytes({ 3, 0x7F, 0xFF });
    QTest::newRow("32767") << 32767 << bytes({ 3, 0xFF, 0x7F });
    QTest::newRow("-32768") << -32768 << bytes({ 3, 0x00, 0x80 });
    QTest::newRow("32768") << 32768 << bytes({ 4, 0x00, 0x80, 0x00, 0x00 });
    QTest::newRow("-32769") << -32769 << bytes({ 4, 0xFF, 0x7F, 0xFF, 0xFF });
    QTest::newRow("min") << std::numeric_limits<int>::min() << bytes({ 4, 0, 0, 0, 0x80 });
}

void TestStreamValues::integerTakesTheSmallestForm()
{
    QFETCH(int, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(written([&](TWriter &w) { w.writeInteger(value); }), expected);
    QBuffer buffer(&expected);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    QCOMPARE(reader.readInteger(), value);
}

void TestStreamValues::stringLengthPicksTheTag()
{
    const QString s255(255, QLatin1Char('x'));
    const QByteArray short255 = written([&](TWriter &w) { w.writeString(s255); });
    QCOMPARE(short255.size(), 257);
    QCOMPARE(short255.left(2), bytes({ 6, 255 }));

    const QString s256(256, QLatin1Char('y'));
    const QByteArray long256 = written([&](TWriter &w) { w.writeString(s256); });
    QCOMPARE(long256.size(), 261);
    QCOMPARE(long256.left(5), bytes({ 12, 0x00, 0x01, 0x00, 0x00 }));

    // Windows-1252 bytes, not UTF-8.
    QCOMPARE(written([](TWriter &w) { w.writeString(QStringLiteral("März €")); }),
        bytes({ 6, 6, 'M', 0xE4, 'r', 'z', ' ', 0x80 }));

    for (const QByteArray &data : { short255, long256 }) {
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        TReader reader(buffer);
        QCOMPARE(reader.readString().size(), data.size() - (data[0] == 6 ? 2 : 5));
    }
}

void TestStreamValues::textBeyondCodePageIsWrittenAsUtf8()
{
    const QStringList names { QStringLiteral("Březen"), QStringLiteral("Μάρτιος"),
        QStringLiteral("Červenec") };
    for (const QString &name : names) {
        const QByteArray data = written([&](TWriter &w) { w.writeString(name); });
        const QByteArray utf8 = name.toUtf8();
        QCOMPARE(quint8(data[0]), quint8(20));
        QCOMPARE(data.mid(1, 4), bytes({ int(utf8.size()), 0, 0, 0 }));
        QCOMPARE(data.mid(5), utf8);
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        TReader reader(buffer);
        QCOMPARE(reader.readString(), name);
    }
}

void TestStreamValues::readerAcceptsUtf8AndUtf16Strings()
{
    // "Září" as UTF-16 (tag 18, count of code units) and as UTF-8 (tag 20).
    QByteArray data = bytes({ 18, 4, 0, 0, 0, 'Z', 0, 0xE1, 0, 0x159 & 0xFF, 0x01, 0xED, 0 });
    const QByteArray utf8 = QStringLiteral("Září").toUtf8();
    data += bytes({ 20, int(utf8.size()), 0, 0, 0 }) + utf8;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    QCOMPARE(reader.readString(), QStringLiteral("Září"));
    QCOMPARE(reader.readString(), QStringLiteral("Září"));
}

void TestStreamValues::identifiersAndBooleans()
{
    const QByteArray data = written([](TWriter &w) {
        w.writeIdent(QStringLiteral("true"));
        w.writeIdent(QStringLiteral("FALSE"));
        w.writeIdent(QStringLiteral("Nil"));
        w.writeIdent(QStringLiteral("clWhite"));
        w.writeBoolean(true);
        w.writeBoolean(false);
    });
    QCOMPARE(data, bytes({ 9, 8, 13, 7, 7, 'c', 'l', 'W', 'h', 'i', 't', 'e', 9, 8 }));
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    QCOMPARE(reader.readIdent(), QStringLiteral("True"));
    QCOMPARE(reader.readIdent(), QStringLiteral("False"));
    QCOMPARE(reader.readIdent(), QStringLiteral("nil"));
    QCOMPARE(reader.readColor(), quint32(0xFFFFFF));
    QCOMPARE(reader.readBoolean(), true);
    QCOMPARE(reader.readBoolean(), false);
}

void TestStreamValues::booleanOverIntegerReadsFalseAndConsumesTheTag()
{
    QByteArray data = bytes({ 2, 9 });
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    QCOMPARE(reader.readBoolean(), false);
    // The integer's byte is next, read as a tag.
    QCOMPARE(reader.readValue(), vaTrue);
}

void TestStreamValues::wrongTagsFail_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("what");
    QTest::newRow("integer over string") << bytes({ 6, 1, 'a' }) << 0;
    QTest::newRow("integer over end") << bytes({ 0 }) << 0;
    QTest::newRow("string over integer") << bytes({ 2, 1 }) << 1;
    QTest::newRow("string over identifier") << bytes({ 7, 1, 'a' }) << 1;
    QTest::newRow("identifier over integer") << bytes({ 2, 1 }) << 2;
    QTest::newRow("list begin over end") << bytes({ 0 }) << 3;
    QTest::newRow("list end over list") << bytes({ 1 }) << 4;
    QTest::newRow("binary over string") << bytes({ 6, 0 }) << 5;
    QTest::newRow("set over list") << bytes({ 1 }) << 6;
    QTest::newRow("unknown colour name") << bytes({ 7, 5, 'c', 'l', 'F', 'o', 'o' }) << 7;
}

void TestStreamValues::wrongTagsFail()
{
    QFETCH(QByteArray, data);
    QFETCH(int, what);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    try {
        switch (what) {
        case 0:
            (void)reader.readInteger();
            break;
        case 1:
            (void)reader.readString();
            break;
        case 2:
            (void)reader.readIdent();
            break;
        case 3:
            reader.readListBegin();
            break;
        case 4:
            reader.readListEnd();
            break;
        case 5:
            (void)reader.readBinary();
            break;
        case 6:
            (void)reader.readSet({});
            break;
        case 7:
            (void)reader.readColor();
            break;
        }
        QFAIL("no failure");
    } catch (const StreamError &e) {
        QCOMPARE(e.message(), QStringLiteral("Invalid property value"));
    }
}

void TestStreamValues::extendedFloatBytes()
{
    QCOMPARE(
        written([](TWriter &w) { w.writeFloat(1.0); }), bytes({ 5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F }));
    QCOMPARE(
        written([](TWriter &w) { w.writeFloat(-2.5); }), bytes({ 5, 0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0 }));
    QCOMPARE(written([](TWriter &w) { w.writeFloat(0.0); }), bytes({ 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 }));
}

void TestStreamValues::floatsRoundTrip_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("0.1") << 0.1;
    QTest::newRow("negative") << -12345.678;
    QTest::newRow("huge") << 1.7e308;
    QTest::newRow("tiny") << 2.2250738585072014e-308;
    QTest::newRow("subnormal") << 4.9406564584124654e-324;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
}

void TestStreamValues::floatsRoundTrip()
{
    QFETCH(double, value);
    QByteArray data = written([&](TWriter &w) { w.writeFloat(value); });
    QCOMPARE(data.size(), 11);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    QCOMPARE(reader.readFloat(), value);
    QVERIFY(std::isnan(ExtendedFloat::toDouble(ExtendedFloat::fromDouble(std::nan("")))));
}

void TestStreamValues::floatReadsAnInteger()
{
    QByteArray data = bytes({ 3, 0xE8, 0x03 });
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    QCOMPARE(reader.readFloat(), 1000.0);
}

void TestStreamValues::binaryAndSets()
{
    const QStringList styles { QStringLiteral("fsBold"), QStringLiteral("fsItalic"),
        QStringLiteral("fsUnderline") };
    QByteArray data = written([&](TWriter &w) {
        w.writeBinary(QByteArray("\x01\x02\x03", 3));
        w.writeSet({ QStringLiteral("fsBold"), QStringLiteral("fsUnderline") });
        w.writeSet({});
    });
    QCOMPARE(data,
        bytes({ 10, 3, 0, 0, 0, 1, 2, 3, 11, 6, 'f', 's', 'B', 'o', 'l', 'd', 11, 'f', 's', 'U', 'n', 'd',
            'e', 'r', 'l', 'i', 'n', 'e', 0, 11, 0 }));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    QCOMPARE(reader.readBinary(), QByteArray("\x01\x02\x03", 3));
    QCOMPARE(reader.readSet(styles), quint32(5));
    QCOMPARE(reader.readSet(styles), quint32(0));
}

void TestStreamValues::unknownSetMemberSkipsTheRest()
{
    QByteArray data = bytes({ 11, 1, 'a', 1, 'x', 1, 'b', 0, 2, 7 });
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    try {
        (void)reader.readSet({ QStringLiteral("a"), QStringLiteral("b") });
        QFAIL("unknown member accepted");
    } catch (const StreamError &e) {
        QCOMPARE(e.message(), QStringLiteral("Invalid property value"));
    }
    QCOMPARE(reader.readInteger(), 7);
}

void TestStreamValues::shortStringsAreCut()
{
    const QByteArray data = written([](TWriter &w) { w.writeStr(QString(300, QLatin1Char('n'))); });
    QCOMPARE(data.size(), 256);
    QCOMPARE(quint8(data[0]), quint8(255));
}

void TestStreamValues::truncatedDataFailsWithReadError()
{
    const QByteArray whole = written([](TWriter &w) {
        w.writeInteger(100000);
        w.writeString(QStringLiteral("abc"));
        w.writeBinary(QByteArray(5, 'z'));
        w.writeFloat(3.5);
    });
    for (int length = 0; length < whole.size(); ++length) {
        QByteArray part = whole.left(length);
        QBuffer buffer(&part);
        buffer.open(QIODevice::ReadOnly);
        TReader reader(buffer);
        try {
            (void)reader.readInteger();
            (void)reader.readString();
            (void)reader.readBinary();
            (void)reader.readFloat();
            QFAIL("read past the end");
        } catch (const StreamError &e) {
            QCOMPARE(e.message(), QStringLiteral("Stream read error"));
        }
    }
}

void TestStreamValues::hugeLengthFailsWithoutReading()
{
    QByteArray data = bytes({ 10, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2 });
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    QVERIFY_THROWS_EXCEPTION(StreamError, (void)reader.readBinary());
}

void TestStreamValues::skipValueSkipsEveryTag()
{
    QByteArray data = written([](TWriter &w) {
        w.writeListBegin();
        w.writeInteger(5);
        w.writeInteger(500);
        w.writeInteger(500000);
        w.writeFloat(1.25);
        w.writeString(QStringLiteral("s"));
        w.writeString(QString(300, QLatin1Char('L')));
        w.writeString(QStringLiteral("Ελλάδα"));
        w.writeIdent(QStringLiteral("x"));
        w.writeBoolean(true);
        w.writeIdent(QStringLiteral("nil"));
        w.writeBinary("bin");
        w.writeSet({ QStringLiteral("a") });
        w.writeListEnd();
    });
    // A collection with one indexed item and one plain item, and a UTF-16 string.
    data += bytes({ 14, 2, 0, 1, 1, 'P', 2, 1, 0, 1, 0, 0, 18, 1, 0, 0, 0, 'W', 0 });
    data += bytes({ 2, 42 });
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    reader.skipValue();
    reader.skipValue();
    reader.skipValue();
    QCOMPARE(reader.readInteger(), 42);
}

void TestStreamValues::deepNestingIsRefused()
{
    QByteArray data(100000, char(vaList));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    try {
        reader.skipValue();
        QFAIL("nesting accepted");
    } catch (const StreamError &e) {
        QCOMPARE(e.message(), QStringLiteral("Invalid stream format"));
    }
}

void TestStreamValues::writerBufferFlushesAcrossBoundaries()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TWriter writer(buffer);
    writer.writeBinary(QByteArray(995, 'a'));
    QCOMPARE(buffer.size(), qint64(0)); // 1000 bytes still fit the buffer
    writer.writeInteger(1);
    QCOMPARE(buffer.size(), qint64(1000));
    writer.writeBinary(QByteArray(2500, 'b'));
    writer.flush();
    QCOMPARE(buffer.size(), qint64(1002 + 5 + 2500));
    QCOMPARE(buffer.data().mid(1002 + 5), QByteArray(2500, 'b'));
}

void TestStreamValues::readerLeavesDeviceAfterLastValue()
{
    QByteArray data = written([](TWriter &w) {
        w.writeInteger(7);
        w.writeString(QString(1500, QLatin1Char('q')));
        w.writeInteger(8);
    });
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    {
        TReader reader(buffer);
        QCOMPARE(reader.readInteger(), 7);
    }
    QCOMPARE(buffer.pos(), qint64(2));
    {
        TReader reader(buffer);
        QCOMPARE(reader.readString().size(), 1500);
    }
    QCOMPARE(buffer.pos(), qint64(data.size() - 2));
    TReader reader(buffer);
    QCOMPARE(reader.readInteger(), 8);
}

void TestStreamValues::failedDeviceWriteIsReported()
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadOnly);
    TWriter writer(buffer);
    writer.writeInteger(1);
    QVERIFY_THROWS_EXCEPTION(StreamError, writer.flush());
}

QTEST_GUILESS_MAIN(TestStreamValues)
#include "tst_streamvalues.moc"
