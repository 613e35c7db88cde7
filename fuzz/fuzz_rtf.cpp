// Feeds arbitrary bytes to the RTF reader: into a document, laid out and
// written back, and through the plain-text path the page uses.
#include "fuzzsetup.h"
#include "richtext/richtextrenderer.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startOffscreenApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)RtfReader::plainText(bytes);
    (void)RtfReader::hasContent(bytes);
    QTextDocument document;
    RichTextRenderer::prepare(document);
    RtfReader::read(bytes, document);
    const QByteArray written = RtfWriter::write(document);
    QTextDocument again;
    RtfReader::read(written, again);
    QImage canvas(64, 48, QImage::Format_RGB32);
    QPainter painter(&canvas);
    RichTextRenderer::draw(painter, document, QRectF(0, 0, 64, 48), 60);
    return 0;
}
