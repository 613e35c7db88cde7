#include "report/papertarget.h"

#include <QPainter>

namespace PaperTarget {

bool isPaper(const QPainter &painter)
{
    const QPaintEngine *engine = painter.paintEngine();
    return engine && (engine->type() == QPaintEngine::Pdf || engine->type() == kPdfWriterEngine);
}

} // namespace PaperTarget
