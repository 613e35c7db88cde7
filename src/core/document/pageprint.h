#pragma once

#include <QImage>

class CalendarDocument;
class QPainter;

// The page with its placed objects as it goes on paper: a printer's page, a
// PDF page, or a picture at a printing resolution. Boxes are worked out in
// device pixels as the screen works them out in its own, texts are set by
// the print rules, and each object draws itself at the device's resolution.
namespace PagePrint {

// The resolution PDF pages are drawn at: lines one dot wide stay visible.
constexpr int kPdfDotsPerInch = 300;

// Onto a painter whose device has dotsPerInch, from its top-left corner.
void paint(QPainter &painter, const CalendarDocument &document, double dotsPerInch);
// The whole sheet as a picture at dotsPerInch; null when too large to make.
[[nodiscard]] QImage picture(const CalendarDocument &document, int dotsPerInch);

} // namespace PagePrint
