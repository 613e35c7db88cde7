#include "richtextcellpainter.h"

#include "richtextrenderer.h"
#include "rtfreader.h"
#include "wprtfstorage.h"

#include <QTextDocument>

namespace {

// A page has 42 cells; room for a few pages' worth of distinct texts.
constexpr int kCachedTexts = 256;

} // namespace

RichTextCellPainter::RichTextCellPainter() = default;
RichTextCellPainter::~RichTextCellPainter() = default;

void RichTextCellPainter::paint(QPainter &painter, const TWPRtfStorage &storage, const QRect &target,
                                int zoomPercent) const
{
    if (storage.isEmpty())
        return;
    RichTextRenderer::draw(painter, documentFor(storage.rtf()), target, zoomPercent);
}

QTextDocument &RichTextCellPainter::documentFor(const QByteArray &rtf) const
{
    auto found = m_documents.constFind(rtf);
    if (found != m_documents.constEnd())
        return **found;
    if (m_documents.size() >= kCachedTexts)
        m_documents.clear();
    auto document = std::make_shared<QTextDocument>();
    document->setUndoRedoEnabled(false);
    RichTextRenderer::prepare(*document);
    RtfReader::read(rtf, *document);
    m_documents.insert(rtf, document);
    return *document;
}
