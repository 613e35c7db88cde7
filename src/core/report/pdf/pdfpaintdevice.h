#pragma once

#include <QByteArray>
#include <QPaintDevice>
#include <QSizeF>
#include <QString>

#include <memory>

class PdfDocument;
class PdfFontSet;
class PdfPaintEngine;

// A PDF to paint on, at a resolution of its own; each painter begun on it
// draws one page. Smaller and
// quicker to write than Qt's PDF writer makes it, as fonts go in with just
// the glyphs the page uses and nothing is computed for glyphs it does not.
class PdfPaintDevice : public QPaintDevice
{
public:
    PdfPaintDevice(QSizeF pagePoints, int dotsPerInch);
    ~PdfPaintDevice() override;

    QPaintEngine *paintEngine() const override;
    // The file, once the painter has ended; empty when the page used
    // something this writer does not render (see PdfPaintEngine).
    [[nodiscard]] QByteArray finish(const QString &creator);

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSizeF m_pagePoints;
    int m_dotsPerInch;
    std::unique_ptr<PdfDocument> m_document;
    std::unique_ptr<PdfFontSet> m_fonts;
    int m_pages;
    std::unique_ptr<PdfPaintEngine> m_engine;
};
