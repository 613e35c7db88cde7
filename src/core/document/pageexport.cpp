#include "document/pageexport.h"

#include "base/pageresolution.h"
#include "document/calendardocument.h"
#include "document/monthrun.h"
#include "document/pageprint.h"
#include "pictures/imagesaver.h"
#include "pictures/pngencoder.h"
#include "report/pdf/pdfpaintdevice.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>
#include <memory>

namespace PageExport {

static constexpr int kJpegQuality = 80;
static const QString kPdfCreator = QStringLiteral("Datewright");

bool formatFromFileName(const QString &fileName, Format *format)
{
    const QString suffix = QFileInfo(fileName).suffix().toUpper();
    if (suffix == QLatin1String("PNG"))
        *format = Format::Png;
    else if (suffix == QLatin1String("BMP"))
        *format = Format::Bmp;
    else if (suffix == QLatin1String("JPG") || suffix == QLatin1String("JPEG"))
        *format = Format::Jpeg;
    else if (suffix == QLatin1String("PDF"))
        *format = Format::Pdf;
    else
        return false;
    return true;
}

QImage picture(const CalendarDocument &document, float zoom)
{
    const QImage full = document.renderImage(zoom);
    const CalendarAttributes &a = document.page().attributes();
    const int left = int(kScreenPpi * a.leftMarginInch * zoom);
    const int top = int(kScreenPpi * a.topMarginInch * zoom);
    const int right = full.width() - int(kScreenPpi * a.rightMarginInch * zoom);
    const int bottom = full.height() - int(kScreenPpi * a.bottomMarginInch * zoom);
    const QSize size(right - left - 1, bottom - top - 1);
    if (size.width() < 1 || size.height() < 1)
        return {};
    // The area between the margins is squeezed into a picture one pixel
    // smaller. Smoothly, so the one row and column that go are blended into
    // their neighbours instead of dropping a grid line or a row of text.
    return full.copy(left, top, right - left, bottom - top)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

static bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

bool saveImage(const QImage &image, const QString &fileName, Format format, QString *error)
{
    if (image.isNull())
        return fail(error, QStringLiteral("The margins leave nothing of the page to save"));
    // Pages are opaque: PNG goes through our quicker encoder.
    if (format == Format::Png) {
        const QByteArray png = PngEncoder::encode(image, int(std::lround(image.dotsPerMeterX() * 0.0254)));
        if (png.isEmpty())
            return fail(
                error, QStringLiteral("Unable to write %1: the picture could not be encoded").arg(fileName));
        return ImageSaver::writeFile(fileName, png, error);
    }
    if (format == Format::Jpeg)
        return ImageSaver::save(
            image.convertToFormat(QImage::Format_RGB32), fileName, "jpeg", error, kJpegQuality);
    return ImageSaver::save(image, fileName, "bmp", error);
}

static QPageLayout pdfPageLayout(const CalendarPage &page)
{
    const QPageSize paper(page.paperSize() == PaperSize::A4 ? QPageSize::A4 : QPageSize::Letter);
    return QPageLayout(paper,
        page.layout().orientation == coLandscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF());
}

// Qt's writer renders everything a page may hold; ours (PdfPaintDevice) the
// usual things, quicker and smaller. A file ours turns down goes to Qt's.
// pageAt makes each page in turn; progress, when given, hears of each page
// done and may stop the file (which then comes back empty).
using PageMaker = std::function<const CalendarDocument &(int index)>;

static QByteArray qtPdf(int count, const PageMaker &pageAt, const Progress &progress)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(kPdfCreator);
    writer.setResolution(PagePrint::kPdfDotsPerInch);
    QPainter painter;
    for (int index = 0; index < count; ++index) {
        const CalendarDocument &page = pageAt(index);
        if (index == 0) {
            writer.setPageLayout(pdfPageLayout(page.page()));
            if (!painter.begin(&writer))
                return {};
            // Pictures keep every pixel, as ours keeps them: clip art's hard
            // edges would blur as JPEG.
            painter.setRenderHint(QPainter::LosslessImageRendering);
        } else {
            writer.newPage();
        }
        PagePrint::paint(painter, page, writer.resolution());
        if (progress && !progress(index + 1))
            return {};
    }
    painter.end();
    return buffer.data();
}

static QByteArray pdfOf(int count, const PageMaker &pageAt, PdfWriter use, const Progress &progress)
{
    if (use == PdfWriter::Qt)
        return qtPdf(count, pageAt, progress);
    std::unique_ptr<PdfPaintDevice> device;
    for (int index = 0; index < count; ++index) {
        const CalendarDocument &page = pageAt(index);
        if (!device)
            device = std::make_unique<PdfPaintDevice>(
                pdfPageLayout(page.page()).fullRect(QPageLayout::Point).size(), PagePrint::kPdfDotsPerInch);
        QPainter painter;
        if (!painter.begin(device.get()))
            return {};
        PagePrint::paint(painter, page, PagePrint::kPdfDotsPerInch);
        painter.end();
        if (progress && !progress(index + 1))
            return {};
    }
    const QByteArray bytes = device ? device->finish(kPdfCreator) : QByteArray();
    if (!bytes.isEmpty() || use == PdfWriter::OwnOnly)
        return bytes;
    return qtPdf(count, pageAt, progress);
}

QByteArray pdf(const CalendarDocument &document, PdfWriter use)
{
    return pdfOf(1, [&document](int) -> const CalendarDocument & { return document; }, use, {});
}

QByteArray pdf(MonthRun &run, PdfWriter use, const Progress &progress)
{
    return pdfOf(
        run.count(), [&run](int index) -> const CalendarDocument & { return run.page(index); }, use,
        progress);
}

static bool writePdf(const QByteArray &bytes, const QString &fileName, QString *error)
{
    if (bytes.isEmpty())
        return fail(error, QStringLiteral("Unable to write %1: the PDF could not be started").arg(fileName));
    return ImageSaver::writeFile(fileName, bytes, error);
}

bool savePdf(MonthRun &run, const QString &fileName, QString *error, const Progress &progress)
{
    bool stopped = false;
    const QByteArray bytes = pdf(run, PdfWriter::Best, [&](int done) {
        stopped = progress && !progress(done);
        return !stopped;
    });
    if (stopped)
        return fail(error, QString());
    return writePdf(bytes, fileName, error);
}

bool savePdf(const CalendarDocument &document, const QString &fileName, QString *error)
{
    return writePdf(pdf(document), fileName, error);
}

} // namespace PageExport
