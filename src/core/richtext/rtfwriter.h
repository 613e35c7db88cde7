#pragma once

#include <QByteArray>

class QTextDocument;

// Writes a QTextDocument as Rich Text Format ("{\rtf1\ansi\ansicpg1252...")
// with a font and a colour table, every run's face, size, styles and
// colours, each paragraph's alignment, indents and spacing, and pictures as
// PNG. The output is plain 7-bit text and reads back through RtfReader into
// the same document, so writing again gives the same bytes.
namespace RtfWriter {

[[nodiscard]] QByteArray write(const QTextDocument &document);

} // namespace RtfWriter
