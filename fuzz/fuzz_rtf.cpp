// Feeds arbitrary bytes to the RTF reader: into a document, written back
// and read again, cut to a small cell and drawn there, and through the
// plain-text path the page uses.
#include "fuzzsetup.h"
#include "richtext/richtextlimits.h"
#include "richtext/richtextrenderer.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

namespace {

// Larger inputs find nothing smaller ones do not, only more slowly; every
// seed is smaller.
constexpr size_t kMaxInput = 8 * 1024;
constexpr QSizeF kCell(64, 48);
constexpr int kZoom = 60;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startOffscreenApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > kMaxInput)
        return -1;
    // One canvas for every input; each draw fills it anew.
    static QImage canvas(kCell.toSize(), QImage::Format_RGB32);
    static QPainter painter(&canvas);
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)RtfReader::plainText(bytes);
    (void)RtfReader::hasContent(bytes);
    // Read and written without a layout, which would lay the text out
    // after every edit; laid out once, as the cell painter does, after the
    // cut.
    QTextDocument document;
    document.setUndoRedoEnabled(false);
    RtfReader::read(bytes, document);
    const QByteArray written = RtfWriter::write(document);
    QTextDocument again;
    again.setUndoRedoEnabled(false);
    RtfReader::read(written, again);
    RichTextLimits::cutToArea(document, kCell * (100.0 / kZoom));
    RichTextLimits::breakLongRuns(document);
    RichTextRenderer::prepare(document);
    canvas.fill(Qt::white);
    RichTextRenderer::draw(painter, document, QRectF(QPointF(0, 0), kCell), kZoom);
    return 0;
}
