#include "richtext/richtextcellpainter.h"

#include "richtext/richtextrenderer.h"
#include "richtext/rtfreader.h"
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
    if (storage.isEmpty() || target.isEmpty())
        return false;
    Entry &entry = entryFor(storage.rtf());
    if (!rasterTarget(painter))
        return RichTextRenderer::draw(painter, *entry.document, target, zoomPercent);
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QSize pixels = (QSizeF(target.size()) * ratio).toSize();
    if (entry.picture.size() != pixels || entry.pictureZoom != zoomPercent
        || !qFuzzyCompare(entry.picture.devicePixelRatio(), ratio)) {
        entry.picture = QImage(pixels, QImage::Format_RGB32);
        entry.picture.setDevicePixelRatio(ratio);
        entry.picture.fill(Qt::white);
        QPainter picturePainter(&entry.picture);
        entry.overflows = RichTextRenderer::draw(
            picturePainter, *entry.document, QRectF(QPointF(0, 0), QSizeF(target.size())), zoomPercent);
        entry.pictureZoom = zoomPercent;
    }
    painter.drawImage(target.topLeft(), entry.picture);
    return entry.overflows;
}

RichTextCellPainter::Entry &RichTextCellPainter::entryFor(const QByteArray &rtf) const
{
    auto found = m_entries.constFind(rtf);
    if (found != m_entries.constEnd())
        return **found;
    if (m_entries.size() >= kCachedTexts)
        m_entries.clear();
    auto entry = std::make_shared<Entry>();
    entry->document = std::make_unique<QTextDocument>();
    entry->document->setUndoRedoEnabled(false);
    RichTextRenderer::prepare(*entry->document);
    RtfReader::read(rtf, *entry->document);
    m_entries.insert(rtf, entry);
    return *entry;
}
