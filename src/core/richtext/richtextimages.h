#pragma once

#include <QImage>
#include <QString>

class QTextDocument;

// Pictures inside a rich text live as image resources of the document,
// named uniquely in the running program so documents can be merged.
namespace RichTextImages {

// Adds the image to the document and returns the name to put in a
// QTextImageFormat.
QString add(QTextDocument &document, const QImage &image);
// The image behind a name; null when the document has none by that name.
[[nodiscard]] QImage image(const QTextDocument &document, const QString &name);

} // namespace RichTextImages
