#include "report/pdf/pdfpaintdevice.h"

#include "report/pdf/pdfdocument.h"
#include "report/pdf/pdffontset.h"
#include "report/pdf/pdfpaintengine.h"

#include <QDateTime>

#include <climits>
#include <cmath>

PdfPaintDevice::PdfPaintDevice(QSizeF pagePoints, int dotsPerInch)
    : m_pagePoints(pagePoints)
    , m_dotsPerInch(dotsPerInch)
    , m_document(std::make_unique<PdfDocument>())
    , m_fonts(std::make_unique<PdfFontSet>(*m_document))
    , m_pages(m_document->reserve())
    , m_engine(std::make_unique<PdfPaintEngine>(*m_document, *m_fonts, m_pages, pagePoints, dotsPerInch))
{
}

PdfPaintDevice::~PdfPaintDevice() = default;

QPaintEngine *PdfPaintDevice::paintEngine() const
{
    return m_engine.get();
}

int PdfPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return int(std::lround(m_pagePoints.width() * m_dotsPerInch / 72));
    case PdmHeight:
        return int(std::lround(m_pagePoints.height() * m_dotsPerInch / 72));
    case PdmWidthMM:
        return int(std::lround(m_pagePoints.width() * 25.4 / 72));
    case PdmHeightMM:
        return int(std::lround(m_pagePoints.height() * 25.4 / 72));
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return m_dotsPerInch;
    case PdmDevicePixelRatio:
        return 1;
    default:
        return QPaintDevice::metric(metric);
    }
}

QByteArray PdfPaintDevice::finish(const QString &creator)
{
    const QList<int> &pages = m_engine->pageObjects();
    if (!m_engine->rendered() || pages.isEmpty())
        return {};
    m_fonts->write();
    QByteArray kids;
    for (const int page : pages)
        kids.append(PdfDocument::reference(page)).append(' ');
    kids.chop(1);
    m_document->writeObject(
        m_pages, "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(pages.size()) + " >>");
    const int catalog = m_document->reserve();
    m_document->writeObject(catalog, "<< /Type /Catalog /Pages " + PdfDocument::reference(m_pages) + " >>");
    const int info = m_document->reserve();
    const QByteArray name = PdfDocument::literal(creator.toLatin1());
    const QByteArray date
        = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    m_document->writeObject(
        info, "<< /Creator " + name + " /Producer " + name + " /CreationDate (D:" + date + "Z) >>");
    return m_document->finish(catalog, info);
}
