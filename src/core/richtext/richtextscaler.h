#pragma once

class QTextDocument;

// Multiplies every length of a rich text (font sizes, picture sizes,
// indents, paragraph spacing, tab stops and table column widths; the
// document's default font is the caller's) by a factor: how an editor shows a text at
// a zoom while keeping it editable.
namespace RichTextScaler {

void scale(QTextDocument &document, double factor);

} // namespace RichTextScaler
