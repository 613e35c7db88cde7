#include "richtext/richtextrenderer.h"

#include "base/pageresolution.h"
#include "richtext/richtextleaders.h"
#include "richtext/richtexttables.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace RichTextRenderer {

QPaintDevice *layoutDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(kScreenPpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}

void prepare(QTextDocument &document)
{
    document.setDocumentMargin(0);
    document.documentLayout()->setPaintDevice(layoutDevice());
    // A word longer than the line breaks where the line ends, as in the cell
    // editor, rather than running out of the cell.
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(option);
}

namespace {

// Rounding in the layout may let a line end a hair below a cell that holds it.
constexpr qreal kFitTolerance = 0.5;

// The top of the first line in the block that ends below height, or -1.
qreal firstCutLine(const QTextBlock &block, const QRectF &box, qreal height)
{
    const QTextLayout *lines = block.layout();
    if (!lines)
        return -1;
    const qreal origin = box.top() - lines->boundingRect().top();
    for (int i = 0; i < lines->lineCount(); ++i) {
        const QTextLine line = lines->lineAt(i);
        if (origin + line.y() + line.height() > height + kFitTolerance)
            return std::max<qreal>(0, origin + line.y());
    }
    return -1;
}

} // namespace

LineFit fitWholeLines(const QTextDocument &document, qreal height)
{
    // Blocks inside tables sit beside each other, so every block is asked,
    // not only those after the first that overflows.
    LineFit fit { height, false };
    const QAbstractTextDocumentLayout *layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QRectF box = layout->blockBoundingRect(block);
        if (box.bottom() <= height + kFitTolerance)
            continue;
        const qreal cut = firstCutLine(block, box, height);
        if (cut >= 0) {
            fit.height = std::min(fit.height, cut);
            fit.overflows = true;
        }
    }
    return fit;
}

bool draw(QPainter &painter, QTextDocument &document, const QRectF &target, int zoomPercent)
{
    if (zoomPercent <= 0 || target.width() <= 0 || target.height() <= 0)
        return false;
    const qreal zoom = zoomPercent / 100.0;
    const qreal width = target.width() / zoom;
    // Tables are fitted again when the width or the text changed since.
    static const char *const kFittedRevision = "dwFittedRevision";
    const QVariant fitted = document.property(kFittedRevision);
    if (!qFuzzyCompare(document.textWidth(), width) || !fitted.isValid()
        || fitted.toInt() != document.revision()) {
        document.setTextWidth(width);
        RichTextTables::fitToWidth(document, width);
        document.setProperty(kFittedRevision, document.revision());
    }
    const LineFit fit = fitWholeLines(document, target.height() / zoom);
    if (fit.height <= 0)
        return fit.overflows;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(zoom, zoom);
    const QRectF page(0, 0, width, fit.height);
    painter.setClipRect(page, Qt::IntersectClip);
    document.drawContents(&painter, page);
    RichTextLeaders::draw(painter, document);
    painter.restore();
    return fit.overflows;
}

} // namespace RichTextRenderer
