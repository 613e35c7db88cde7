#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Reads Rich Text Format into a QTextDocument: fonts, sizes, the four
// styles, colours, paragraph alignment, indents and spacing, line breaks,
// tabs, code page 1252 and Unicode characters, and pictures (PNG, JPEG, DIB,
// device bitmaps and metafiles) as image resources of the document.
// Anything else is skipped. Lengths become document pixels at 96 per inch.
namespace RtfReader {

// Replaces the document's contents. Bytes that are not RTF are taken as
// UTF-8 plain text and reported through the return value and the message;
// the document then holds that text.
bool read(const QByteArray &rtf, QTextDocument &document, QString *error = nullptr);

// The visible text without building a document, paragraphs and line
// breaks joined by "\n", trailing line ends dropped; pictures are left out.
[[nodiscard]] QString plainText(const QByteArray &rtf);
// True when the text has a visible character other than white space, or a picture.
[[nodiscard]] bool hasContent(const QByteArray &rtf);

} // namespace RtfReader
