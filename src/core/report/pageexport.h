#pragma once

#include <QImage>
#include <QString>

class CalendarPage;
class TComponent;

// Writing the page out as a picture or a PDF. Every failure comes back as the
// message the user sees; an existing file is replaced only by a complete one.
namespace PageExport {

enum class Format { Png, Bmp, Jpeg, Pdf };

// Format by the file's extension (case-insensitive); false when unknown.
bool formatFromFileName(const QString &fileName, Format *format);

// The page at a zoom with its placed objects (the children of objects, which
// may be null) and its margins cut off, as the picture export makes it.
[[nodiscard]] QImage picture(const CalendarPage &page, const TComponent *objects, float zoom);

bool saveImage(const QImage &image, const QString &fileName, Format format, QString *error);
// The whole page with its placed objects on a sheet of its paper size, as
// printed (the print drawing, in vectors).
bool savePdf(const CalendarPage &page, const TComponent *objects, const QString &fileName, QString *error);

} // namespace PageExport
