#include "document/pageexport.h"

#include "document/calendardocument.h"
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
// usual things, quicker and smaller. A page ours turns down goes to Qt's.
static QByteArray qtPdf(const CalendarDocument &document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(kPdfCreator);
    writer.setResolution(PagePrint::kPdfDotsPerInch);
    writer.setPageLayout(pdfPageLayout(document.page()));
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    // Pictures keep every pixel, as ours keeps them: clip art's hard edges
    // would blur as JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    PagePrint::paint(painter, document, writer.resolution());
    painter.end();
    return buffer.data();
}

QByteArray pdf(const CalendarDocument &document, PdfWriter use)
{
    if (use == PdfWriter::Qt)
        return qtPdf(document);
    PdfPaintDevice device(
        pdfPageLayout(document.page()).fullRect(QPageLayout::Point).size(), PagePrint::kPdfDotsPerInch);
    QPainter painter;
    if (!painter.begin(&device))
        return {};
    PagePrint::paint(painter, document, PagePrint::kPdfDotsPerInch);
    painter.end();
    const QByteArray bytes = device.finish(kPdfCreator);
    if (!bytes.isEmpty() || use == PdfWriter::OwnOnly)
        return bytes;
    return qtPdf(document);
}

bool savePdf(const CalendarDocument &document, const QString &fileName, QString *error)
{
    const QByteArray bytes = pdf(document);
    if (bytes.isEmpty())
        return fail(error, QStringLiteral("Unable to write %1: the PDF could not be started").arg(fileName));
    return ImageSaver::writeFile(fileName, bytes, error);
}

} // namespace PageExport
