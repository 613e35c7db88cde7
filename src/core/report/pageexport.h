#pragma once

#include <QImage>
#include <QString>

class CalendarPage;

// Writing the page out as a picture or a PDF. Every failure comes back as the
// message the user sees; an existing file is replaced only by a complete one.
namespace PageExport {

enum class Format { Png, Bmp, Jpeg, Pdf };

// Format by the file's extension (case-insensitive); false when unknown.
bool formatFromFileName(const QString &fileName, Format *format);

// The page at a zoom with its margins cut off, as the picture export makes it.
[[nodiscard]] QImage picture(CalendarPage &page, float zoom);

bool saveImage(const QImage &image, const QString &fileName, Format format, QString *error);
// The whole page on a sheet of its paper size, drawn as vectors.
bool savePdf(const CalendarPage &page, const QString &fileName, QString *error);

} // namespace PageExport
