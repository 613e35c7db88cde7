#include "clisupport.h"

#include "calendar/calendarfile.h"
#include "calendar/stylesheetfile.h"
#include "objects/placedobjectclasses.h"
#include "pageoptions.h"
#include "platform/safefilereader.h"

#include <QBuffer>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

namespace CliSupport {

int fail(const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 1;
}

int outputFailed()
{
    return fail(QStringLiteral("Unable to write the output: %1").arg(SafeFileReader::systemReason(errno)));
}

int printOutput(const QByteArray &text)
{
    if (std::fwrite(text.constData(), 1, size_t(text.size()), stdout) == size_t(text.size())
        && std::fflush(stdout) == 0)
        return 0;
    return outputFailed();
}

void warnIfDamaged(const CliDocument &document, const QString &source)
{
    if (document.damaged)
        std::fprintf(stderr, "%s\n", qPrintable(CalendarFile::damagedMessage(source, document.objectsRead)));
    if (document.extrasRefused) {
        const QString message = document.kind == QLatin1String("style")
            ? StyleSheetFile::extrasRefusedMessage(source)
            : CalendarFile::extrasRefusedMessage(source);
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

bool prepareNewPage(const QCommandLineParser &parser, CalendarPage &page, QString *error)
{
    page.resetToDefaultStyle();
    return PageOptions::apply(parser, page, error);
}

bool isStyleSheetName(const QString &fileName)
{
    return fileName.toUpper().endsWith(QLatin1String(".DWS"));
}

QString unableToOpen(const QString &fileName, bool styleSheet)
{
    return QStringLiteral("Unable to open ") + fileName
        + QStringLiteral(". Possibly corrupted, possibly not a ")
        + (styleSheet ? QStringLiteral("Calendar Style file") : QStringLiteral("Calendar file"));
}

bool readSource(const QString &fileName, bool styleSheet, QByteArray *bytes, QString *error)
{
    QString reason;
    if (SafeFileReader::read(
            fileName, styleSheet ? StyleSheetFile::kMaxFileSize : CalendarFile::kMaxFileSize, bytes, &reason))
        return true;
    // A file that is there but is no file to read (a pipe, a device, a
    // folder, far too large) is refused with the reason.
    *error = QFileInfo::exists(fileName) ? QStringLiteral("Unable to open %1: %2").arg(fileName, reason)
                                         : unableToOpen(fileName, styleSheet);
    return false;
}

bool prepareDocument(
    const QCommandLineParser &parser, const QString &source, CliDocument &document, QString *error)
{
    registerPlacedObjectClasses();
    document.calendar.page().resetToDefaultStyle();
    if (!source.isEmpty()) {
        const bool style = isStyleSheetName(source);
        QByteArray bytes;
        if (!readSource(source, style, &bytes, error))
            return false;
        QString reason;
        QBuffer file(&bytes);
        file.open(QIODevice::ReadOnly);
        CalendarFile::ReadReport report;
        const bool read = style ? StyleSheetFile::read(
                              file, document.calendar.page(), &reason, &report.version, &report.extrasRefused)
                                : CalendarFile::read(file, document.calendar.page(),
                                    &document.calendar.objects(), &reason, nullptr, &report);
        if (!read) {
            *error = unableToOpen(source, style);
            return false;
        }
        document.kind = style ? QStringLiteral("style") : QStringLiteral("calendar");
        document.version = report.version;
        document.damaged = report.damaged;
        document.objectsRead = report.objectsRead;
        document.extrasRefused = report.extrasRefused;
    }
    return PageOptions::apply(parser, document.calendar.page(), error);
}

} // namespace CliSupport
