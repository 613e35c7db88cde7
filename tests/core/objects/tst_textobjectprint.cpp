// A text label and a SuperText drawn on the screen at 100% and on a PDF page
// at 300 dots per inch by the same routine land in the same place: each
// frame within a printer pixel of the screen's frame brought to 300 dpi.
// Ghostscript turns the PDF into pixels (scripts/install-deps.sh installs it).
#include "objects/vplabel.h"
#include "objects/vsupertext.h"

#include "inkprobe.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace InkProbe;

namespace {

constexpr int kDpi = 300;
constexpr double kFactor = kDpi / 96.0;
const QSize kPage(400, 260); // page pixels at 96 per inch

CalendarFont font(int points, bool bold)
{
    CalendarFont f;
    f.name = QStringLiteral("Arial");
    f.size = points;
    f.bold = bold;
    f.color = 0xFF0000; // blue
    return f;
}

void placeObjects(TVPLabel &label, TVSuperText &text)
{
    label.setFont(font(20, false));
    label.setCaption(QStringLiteral("Label text"));
    label.setTransparent(false);
    label.setBorderStyle(bsSingle);
    label.setDirectionShadow(sdDownRight);
    label.setDepthShadow(2);
    label.setBounds(41, 30, 200, 40);
    label.layOut();
    text.setFont(font(40, true));
    text.setCaption(QStringLiteral("Super"));
    text.setControlTransparent(false);
    text.setBorderStyle(bsSingle);
    text.setSurfaceType(stGradientFill);
    text.setShadowDepth(3);
    text.setBounds(43, 110, 301, 90);
    text.layOut();
}

QImage onScreen(const TVPLabel &label, const TVSuperText &text)
{
    QImage image = whiteImage(kPage.width(), kPage.height());
    QPainter painter(&image);
    label.paint(painter, 1.0f);
    text.paint(painter, 1.0f);
    return image;
}

bool writePdf(const QString &fileName, const TVPLabel &label, const TVSuperText &text)
{
    QPdfWriter writer(fileName);
    writer.setResolution(kDpi);
    writer.setPageLayout(
        QPageLayout(QPageSize(QSizeF(kPage.width() / 96.0, kPage.height() / 96.0), QPageSize::Inch),
            QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    label.paint(painter, float(kFactor));
    text.paint(painter, float(kFactor));
    return painter.end();
}

QImage rasterize(const QString &pdf, const QString &png, QString *error)
{
    const QString gs = QStandardPaths::findExecutable(QStringLiteral("gs"));
    if (gs.isEmpty()) {
        *error = QStringLiteral("gs (ghostscript) is not installed");
        return {};
    }
    QProcess process;
    process.start(gs,
        { "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=png16m", QStringLiteral("-r%1").arg(kDpi),
            "-dTextAlphaBits=4", "-dGraphicsAlphaBits=4", "-o", png, pdf });
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        *error = QString::fromLocal8Bit(process.readAllStandardError());
        return {};
    }
    return QImage(png).convertToFormat(QImage::Format_RGB32);
}

// The frame of the object that lies around a point: the dark box near it.
QRect frameAround(const QImage &image, const QRect &searchArea)
{
    return box(image, dark, searchArea);
}

// Ink that is neither page nor frame: the letters (and their shadow).
bool letters(QRgb p)
{
    return !dark(p) && qMin(qRed(p), qMin(qGreen(p), qBlue(p))) < 200;
}

QRectF toPrinter(const QRect &screenPixels)
{
    return QRectF(screenPixels.left() * kFactor, screenPixels.top() * kFactor,
        (screenPixels.width()) * kFactor, (screenPixels.height()) * kFactor);
}

QString misfit(const QRect &printed, const QRectF &expected, double tolerance)
{
    // The pixels a box covers more than half of: from round(left) to round(right) - 1.
    const QRect covered(QPoint(int(std::lround(expected.left())), int(std::lround(expected.top()))),
        QPoint(int(std::lround(expected.right())) - 1, int(std::lround(expected.bottom())) - 1));
    const bool fits = qAbs(printed.left() - covered.left()) <= tolerance
        && qAbs(printed.top() - covered.top()) <= tolerance
        && qAbs(printed.right() - covered.right()) <= tolerance
        && qAbs(printed.bottom() - covered.bottom()) <= tolerance;
    if (fits)
        return {};
    return QStringLiteral("printed (%1,%2)-(%3,%4), expected (%5,%6)-(%7,%8)")
        .arg(printed.left())
        .arg(printed.top())
        .arg(printed.right())
        .arg(printed.bottom())
        .arg(covered.left())
        .arg(covered.top())
        .arg(covered.right())
        .arg(covered.bottom());
}

} // namespace

class TestTextObjectPrint : public QObject
{
    Q_OBJECT

private slots:
    void screenAndPdfAgree();
};

void TestTextObjectPrint::screenAndPdfAgree()
{
    TVPLabel label;
    TVSuperText text;
    placeObjects(label, text);
    const QImage screen = onScreen(label, text);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("objects.pdf"));
    QVERIFY(writePdf(pdf, label, text));
    QString error;
    const QImage printed = rasterize(pdf, dir.filePath(QStringLiteral("objects.png")), &error);
    QVERIFY2(!printed.isNull(), qPrintable(error));
    // DW_KEEP_PRINT=folder keeps both pictures for a look.
    if (const QString keep = qEnvironmentVariable("DW_KEEP_PRINT"); !keep.isEmpty()) {
        screen.save(keep + QStringLiteral("/objects-screen.png"));
        printed.save(keep + QStringLiteral("/objects-printed.png"));
    }
    QCOMPARE(printed.size(),
        QSize(int(std::lround(kPage.width() * kFactor)), int(std::lround(kPage.height() * kFactor))));

    const QList<QRect> areas { QRect(0, 0, kPage.width(), 100), QRect(0, 100, kPage.width(), 160) };
    for (const QRect &area : areas) {
        const QRect screenFrame = frameAround(screen, area);
        QVERIFY(!screenFrame.isNull());
        const QRect printedFrame = frameAround(printed, toPrinter(area).toRect());
        // The frames: within one printer pixel.
        const QString frameMisfit = misfit(printedFrame, toPrinter(screenFrame), 1);
        QVERIFY2(frameMisfit.isEmpty(), qPrintable(QStringLiteral("frame: ") + frameMisfit));
        // The letters: the screen rasterizes them on its own coarser grid,
        // so their ink may differ by what one screen pixel covers.
        const QRect inside = screenFrame.adjusted(2, 2, -2, -2);
        const QRect screenInk = box(screen, letters, inside);
        const QRect printedInk = box(printed, letters, toPrinter(inside).toRect());
        QVERIFY(!screenInk.isNull() && !printedInk.isNull());
        const QString inkMisfit = misfit(printedInk, toPrinter(screenInk), kFactor + 1);
        QVERIFY2(inkMisfit.isEmpty(), qPrintable(QStringLiteral("letters: ") + inkMisfit));
    }
}

QTEST_MAIN(TestTextObjectPrint)
#include "tst_textobjectprint.moc"
