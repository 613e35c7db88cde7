#include "clisupport.h"

#include "calendar/calendarfile.h"
#include "calendar/stylesheetfile.h"
#include "objects/placedobjectclasses.h"
#include "pageoptions.h"
#include "platform/safefilereader.h"

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

void warnIfDamaged(const CalendarFile::ReadReport &report, const QString &source)
{
    if (report.damaged)
        std::fprintf(stderr, "%s\n", qPrintable(CalendarFile::damagedMessage(source, report.objectsRead)));
    if (report.extrasRefused) {
        const QString message = CalendarDocument::isStyleSheetName(source)
            ? StyleSheetFile::extrasRefusedMessage(source)
            : CalendarFile::extrasRefusedMessage(source);
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

bool prepareDocument(const QCommandLineParser &parser, const QString &source, CalendarDocument &document,
    CalendarFile::ReadReport *report, QString *error)
{
    registerPlacedObjectClasses();
    document.page().resetToDefaultStyle();
    CalendarFile::ReadReport found;
    found.version = CalendarFile::kVersion; // a new calendar's
    if (!source.isEmpty()) {
        const bool opened = CalendarDocument::isStyleSheetName(source)
            ? document.applyStyleSheet(source, error, &found)
            : document.open(source, error, &found);
        if (!opened)
            return false;
    }
    if (report)
        *report = found;
    return PageOptions::apply(parser, document, error);
}

} // namespace CliSupport
