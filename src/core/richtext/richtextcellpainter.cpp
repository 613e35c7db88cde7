#include "richtext/richtextcellpainter.h"

#include "richtext/richtextlimits.h"
#include "richtext/richtextrenderer.h"
#include "richtext/wprtfstorage.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTextDocument>

namespace {

// A page has 42 cells; room for a few pages' worth of distinct texts.
constexpr int kCachedTexts = 256;

// Pictures only where copying pixels looks the same as drawing: raster
// devices without scaling or rotation. Printers and PDF get the text drawn.
bool rasterTarget(const QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    if (!device)
        return false;
    const int type = device->devType();
    return (type == QInternal::Image || type == QInternal::Widget || type == QInternal::Pixmap)
        && painter.worldTransform().type() <= QTransform::TxTranslate;
}

} // namespace

RichTextCellPainter::RichTextCellPainter() = default;
RichTextCellPainter::~RichTextCellPainter() = default;

bool RichTextCellPainter::paint(
    QPainter &painter, const TWPRtfStorage &storage, const QRect &target, int zoomPercent) const
{
    if (storage.isEmpty() || target.isEmpty() || zoomPercent <= 0)
        return false;
    Entry &entry = entryFor(storage.rtf(), QSizeF(target.size()) * (100.0 / zoomPercent));
    QTextDocument &document = entry.text.document();
    if (!rasterTarget(painter))
        return RichTextRenderer::draw(painter, document, target, zoomPercent) || entry.text.cut();
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QSize pixels = (QSizeF(target.size()) * ratio).toSize();
    if (entry.picture.size() != pixels || entry.pictureZoom != zoomPercent
        || !qFuzzyCompare(entry.picture.devicePixelRatio(), ratio)) {
        entry.picture = QImage(pixels, QImage::Format_RGB32);
        entry.picture.setDevicePixelRatio(ratio);
        entry.picture.fill(Qt::white);
        QPainter picturePainter(&entry.picture);
        entry.overflows = RichTextRenderer::draw(picturePainter, document,
                              QRectF(QPointF(0, 0), QSizeF(target.size())), zoomPercent)
            || entry.text.cut();
        entry.pictureZoom = zoomPercent;
    }
    painter.drawImage(target.topLeft(), entry.picture);
    return entry.overflows;
}

RichTextCellPainter::Entry &RichTextCellPainter::entryFor(const QByteArray &rtf, const QSizeF &area) const
{
    auto found = m_entries.constFind(rtf);
    if (found == m_entries.constEnd()) {
        if (m_entries.size() >= kCachedTexts)
            m_entries.clear();
        found = m_entries.insert(rtf, std::make_shared<Entry>());
    }
    Entry &entry = **found;
    // Only what can show is laid out; a larger cell may read the text again.
    if (entry.text.update(rtf, area))
        entry.pictureZoom = 0;
    return entry;
}
