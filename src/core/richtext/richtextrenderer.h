#pragma once

#include "base/pageresolution.h"

#include <QRectF>

class QPainter;
class QPaintDevice;
class QTextDocument;

// Lays a rich text out as a page and paints it at a zoom. Text is laid out
// at 96 pixels per inch whatever the target, so a cell wraps the same on
// the screen, in an exported picture and on paper.
namespace RichTextRenderer {

// The device text is measured on: 96 pixels per inch.
[[nodiscard]] QPaintDevice *layoutDevice();
// RTF's default tab stops, every half inch, at 96 pixels per inch. Reading a
// text sets them, or its own distance (\deftab).
constexpr qreal kDefaultTabStop = kScreenPpi / 2;
// No margin around the text and layout at 96 pixels per inch.
void prepare(QTextDocument &document);
// How far down a laid-out text can be shown without cutting a line: the top
// of the first line that does not end within height (in layout units), or
// height when every line fits.
struct LineFit
{
    qreal height = 0;
    bool overflows = false;
};
[[nodiscard]] LineFit fitWholeLines(const QTextDocument &document, qreal height);
// Lays the text out to a page of target.width() / zoom and paints it from
// target's top-left, scaled by zoom, down to the last whole line that fits
// the target. Returns true when some of the text did not fit.
bool draw(QPainter &painter, QTextDocument &document, const QRectF &target, int zoomPercent);

} // namespace RichTextRenderer
