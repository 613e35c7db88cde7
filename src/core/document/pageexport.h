#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>

class CalendarDocument;
class MonthRun;

// Writing the page out as a picture or a PDF. Every failure comes back as the
// message the user sees; an existing file is replaced only by a complete one.
namespace PageExport {

enum class Format { Png, Bmp, Jpeg, Pdf };

// Format by the file's extension (case-insensitive); false when unknown.
bool formatFromFileName(const QString &fileName, Format *format);

// The page at a zoom with its placed objects and its margins cut off, as the
// picture export makes it.
[[nodiscard]] QImage picture(const CalendarDocument &document, float zoom);

bool saveImage(const QImage &image, const QString &fileName, Format format, QString *error);

// Which writer makes a PDF: our own where it renders the page, else Qt's;
// or only one of them (to compare them).
enum class PdfWriter { Best, OwnOnly, Qt };
// The PDF file of the page; empty when it could not be made (or, with
// OwnOnly, when our writer turns the page down).
[[nodiscard]] QByteArray pdf(const CalendarDocument &document, PdfWriter use = PdfWriter::Best);
// The whole page with its placed objects on a sheet of its paper size, as
// printed (the print drawing, in vectors).
bool savePdf(const CalendarDocument &document, const QString &fileName, QString *error);

// Hears how many pages are done; false stops the file.
using Progress = std::function<bool(int pagesDone)>;
// Every page of a run of months in one PDF, in order, each drawn as a single
// page is.
[[nodiscard]] QByteArray pdf(MonthRun &run, PdfWriter use = PdfWriter::Best, const Progress &progress = {});
// Stopped by progress, nothing is written and error is left empty.
bool savePdf(MonthRun &run, const QString &fileName, QString *error, const Progress &progress = {});

} // namespace PageExport
