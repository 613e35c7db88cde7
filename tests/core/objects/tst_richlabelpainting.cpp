// A rich-text label on screen: its text drawn exactly as a day cell of the
// same width draws the same RTF, laid out as a page of its size at 100% at
// every zoom, over its background colour or the page, inside its border.
#include "objects/vprichbaselabel.h"

#include "richtext/richtextcellpainter.h"

#include "../calendar/imageprobe.h"
#include "inkprobe.h"

#include <QPainter>
#include <QTest>

namespace {

using InkProbe::kGrey;

const QByteArray kMixed = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}"
                          "{\\colortbl;\\red200\\green0\\blue0;}"
                          "\\f0\\fs20 Plain \\b bold\\b0  \\cf1\\i red italic\\i0\\cf0\\par"
                          "\\qc\\f1\\fs28 Centred\\par}";
const QByteArray kLong = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 "
                         "A long line of words that has to wrap several times inside the label\\par}";

std::unique_ptr<TVPRichBaseLabel> label(const QByteArray &rtf, const QRect &bounds)
{
    auto object = std::make_unique<TVPRichBaseLabel>();
    TWPRtfStorage text;
    text.setRtf(rtf);
    object->setRTFText(text);
    object->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    return object;
}

// Bands of rows holding ink: one per line of text.
int textLines(const QImage &image)
{
    int lines = 0;
    bool inLine = false;
    for (int y = 0; y < image.height(); ++y) {
        const bool ink = ImageProbe::inkIn(image, QRect(0, y, image.width(), 1)) > 0;
        lines += ink && !inLine ? 1 : 0;
        inLine = ink;
    }
    return lines;
}

} // namespace

class TestRichLabelPainting : public QObject
{
    Q_OBJECT

private slots:
    void sameAsDayCell_data();
    void sameAsDayCell();
    void pageKeepsItsWidthAtHalfZoom();
    void backgroundAndBorder_data();
    void backgroundAndBorder();
};

void TestRichLabelPainting::sameAsDayCell_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<float>("scale");
    QTest::newRow("mixed at 100%") << kMixed << 1.0f;
    QTest::newRow("mixed at 50%") << kMixed << 0.5f;
    QTest::newRow("long at 100%") << kLong << 1.0f;
    QTest::newRow("long at 150%") << kLong << 1.5f;
}

void TestRichLabelPainting::sameAsDayCell()
{
    QFETCH(QByteArray, rtf);
    QFETCH(float, scale);
    auto object = label(rtf, QRect(7, 5, 160, 90));
    object->setBorderStyle(bsNone);
    const QImage drawn = InkProbe::drawn(*object, QSize(270, 160), scale, ImageProbe::kWhite);

    QImage cell(drawn.size(), QImage::Format_RGB32);
    cell.fill(Qt::white);
    {
        QPainter painter(&cell);
        RichTextCellPainter().paint(painter, object->rtfText(), object->displayRect(scale), int(scale * 100));
    }
    QVERIFY(ImageProbe::inkIn(drawn, drawn.rect()) > 50);
    QVERIFY2(drawn == cell,
        qPrintable(QStringLiteral("label %1, cell %2")
                       .arg(ImageProbe::keepImage(drawn), ImageProbe::keepImage(cell))));
}

void TestRichLabelPainting::pageKeepsItsWidthAtHalfZoom()
{
    // Placed at 50%, 100 pixels on screen are a page 200 pixels wide.
    auto object = label(kLong, QRect(0, 0, 200, 120));
    object->setBorderStyle(bsNone);
    object->applyScale(0.5f);
    QCOMPARE(object->width(), 100);
    const QImage half = InkProbe::drawn(*object, QSize(100, 60), 0.5f, ImageProbe::kWhite);
    const QImage full = InkProbe::drawn(*object, QSize(200, 120), 1.0f, ImageProbe::kWhite);
    QVERIFY(textLines(full) >= 3);
    QCOMPARE(textLines(half), textLines(full));
}

void TestRichLabelPainting::backgroundAndBorder_data()
{
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<int>("border");
    QTest::addColumn<uint>("inside"); // an empty spot inside the label
    QTest::addColumn<uint>("edge"); // the label's top-left pixel
    QTest::newRow("transparent, framed") << true << int(bsSingle) << uint(kGrey) << uint(ImageProbe::kBlack);
    QTest::newRow("transparent, bare") << true << int(bsNone) << uint(kGrey) << uint(kGrey);
    QTest::newRow("coloured, framed") << false << int(bsSingle) << 0xFF00C0C0u << uint(ImageProbe::kBlack);
    QTest::newRow("coloured, bare") << false << int(bsNone) << 0xFF00C0C0u << 0xFF00C0C0u;
}

void TestRichLabelPainting::backgroundAndBorder()
{
    QFETCH(bool, transparent);
    QFETCH(int, border);
    QFETCH(uint, inside);
    QFETCH(uint, edge);
    auto object = label(kMixed, QRect(10, 10, 190, 80));
    object->setTransparent(transparent);
    object->setBGColor(0xC0C000); // TColor, low byte red
    object->setBorderStyle(TBorderStyle(border));
    const QImage image = InkProbe::drawn(*object, QSize(220, 110), 1.0f, kGrey);
    EXPECT_PIXEL(image, 10, 10, edge, "top left");
    EXPECT_PIXEL(image, 199, 89, edge, "bottom right");
    EXPECT_PIXEL(image, 190, 80, inside, "empty inside");
    EXPECT_PIXEL(image, 200, 90, kGrey, "outside");
}

QTEST_MAIN(TestRichLabelPainting)
#include "tst_richlabelpainting.moc"
