#pragma once

class QPainter;
class QTextDocument;

// Qt lays tab stops out but draws no leaders; a tab that reaches a stop
// with a dot leader gets its gap filled with dots here, in the tab's own
// font and colour, on the painter in the laid-out document's units.
namespace RichTextLeaders {

void draw(QPainter &painter, const QTextDocument &document);

} // namespace RichTextLeaders
