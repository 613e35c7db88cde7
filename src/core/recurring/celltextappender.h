#pragma once

#include <QString>
#include <QStringList>

class TWPRtfStorage;
struct CalendarFont;

// Appends an event to a day cell's formatted text as a paragraph of its own,
// below whatever the cell already holds.
namespace CellTextAppender {

// The text takes the character format the cell's text starts with; an empty
// cell gets the default editor font. The cell ends in an empty paragraph,
// which the next appended text fills.
void appendParagraph(TWPRtfStorage &storage, const QString &text, const CalendarFont &defaultFont);
// The same for several texts in order, reading and writing the cell once;
// the result is byte for byte that of appending them one at a time.
void appendParagraphs(TWPRtfStorage &storage, const QStringList &texts, const CalendarFont &defaultFont);

} // namespace CellTextAppender
