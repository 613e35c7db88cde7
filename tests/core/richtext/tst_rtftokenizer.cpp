#include "richtext/rtftokenizer.h"

#include <QtTest>

namespace {

QByteArray printable(std::string_view bytes)
{
    QByteArray out;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += byte >= 0x20 && byte < 0x7f ? QByteArray(1, c) : "\\x" + QByteArray::number(byte, 16);
    }
    return out;
}

QByteArray describe(const RtfToken &t)
{
    switch (t.kind) {
    case RtfToken::Kind::GroupOpen:
        return "{";
    case RtfToken::Kind::GroupClose:
        return "}";
    case RtfToken::Kind::ControlWord:
        return "\\" + printable(t.text) + (t.hasParam ? QByteArray::number(t.param) : QByteArray());
    case RtfToken::Kind::ControlSymbol:
        return "\\" + printable(std::string_view(&t.symbol, 1))
            + (t.hasParam ? QByteArray::number(t.param, 16) : QByteArray());
    case RtfToken::Kind::Text:
        return "text(" + printable(t.text) + ")";
    case RtfToken::Kind::Binary:
        return "bin(" + printable(t.text) + ")";
    case RtfToken::Kind::End:
        break;
    }
    return "end";
}

QList<QByteArray> tokenize(const QByteArray &bytes)
{
    RtfTokenizer tokens(bytes);
    QList<QByteArray> out;
    for (RtfToken t = tokens.next(); t.kind != RtfToken::Kind::End; t = tokens.next())
        out.append(describe(t));
    return out;
}

} // namespace

class TestRtfTokenizer : public QObject
{
    Q_OBJECT

private slots:
    void tokens_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("expected"); // tokens separated by " | "
        QTest::newRow("nested groups")
            << QByteArray("{{\\b{x}}}") << QByteArray("{ | { | \\b | { | text(x) | } | } | }");
        QTest::newRow("numbers, one space eaten")
            << QByteArray("\\li-720\\fi360  x") << QByteArray("\\li-720 | \\fi360 | text( x)");
        QTest::newRow("hyphen without digits is text") << QByteArray("\\b-x") << QByteArray("\\b | text(-x)");
        QTest::newRow("int limits") << QByteArray("\\fs2147483647 \\fs-2147483647")
                                    << QByteArray("\\fs2147483647 | \\fs-2147483647");
        QTest::newRow("numbers past int saturate")
            << QByteArray("\\fs2147483648 \\fs-2147483648 \\u99999999999999999999")
            << QByteArray("\\fs2147483647 | \\fs-2147483647 | \\u2147483647");
        QTest::newRow("long word cut")
            << QByteArray("\\") + QByteArray(40, 'a') + "7" << QByteArray("\\") + QByteArray(32, 'a') + "7";
        QTest::newRow("hex escapes") << QByteArray("\\'e9\\'4z\\'zz")
                                     << QByteArray("\\'e9 | \\' | text(z) | \\' | text(zz)");
        QTest::newRow("escape cut short") << QByteArray("a\\'4") << QByteArray("text(a)");
        QTest::newRow("backslash at the end") << QByteArray("a\\") << QByteArray("text(a)");
        QTest::newRow("symbols") << QByteArray("\\~\\{\\}\\\\\\*\\\r")
                                 << QByteArray("\\~ | \\{ | \\} | \\\\ | \\* | \\\\xd");
        QTest::newRow("line ends are not text") << QByteArray("a\r\nb\n") << QByteArray("text(a) | text(b)");
        QTest::newRow("binary hides braces and backslashes")
            << QByteArray("\\bin4 {}\\\nx}") << QByteArray("bin({}\\\\xa) | text(x) | }");
        QTest::newRow("binary of any byte") << QByteArray("\\bin2 \0\xff", 8) << QByteArray("bin(\\x0\\xff)");
        QTest::newRow("binary past the end") << QByteArray("\\bin999999999 ab") << QByteArray("bin(ab)");
        QTest::newRow("binary count past int")
            << QByteArray("\\bin99999999999999 ab") << QByteArray("bin(ab)");
        QTest::newRow("negative binary count") << QByteArray("\\bin-5 ab") << QByteArray("bin() | text(ab)");
        QTest::newRow("binary without a count") << QByteArray("\\bin ab") << QByteArray("bin() | text(ab)");
    }

    void tokens()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, expected);
        QCOMPARE(tokenize(input).join(" | "), expected);
    }

    // Every cut of a dense sample ends, and no token reaches past the data.
    void everyTruncationEnds()
    {
        const QByteArray sample("{\\rtf1{\\*\\x-5 a}\\'e9\\u-4064?\\bin3 {}\\{\\pict\\bin999 ab}\r\n\\par}");
        for (qsizetype length = 0; length <= sample.size(); ++length) {
            const QByteArray cut = sample.left(length);
            RtfTokenizer tokens(cut);
            int count = 0;
            for (RtfToken t = tokens.next(); t.kind != RtfToken::Kind::End; t = tokens.next()) {
                QVERIFY2(++count <= length, cut.constData());
                QVERIFY(t.text.empty()
                    || (t.text.data() >= cut.constData() && t.text.data() + t.text.size() <= cut.constEnd()));
            }
            QCOMPARE(tokens.next().kind, RtfToken::Kind::End);
        }
    }
};

QTEST_GUILESS_MAIN(TestRtfTokenizer)
#include "tst_rtftokenizer.moc"
