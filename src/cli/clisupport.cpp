#include "clisupport.h"

#include "calendar/calendarfile.h"
#include "objects/placedobjectclasses.h"
#include "pageoptions.h"
#include "calendar/stylesheetfile.h"

#include <QBuffer>
#include <QFile>

#include <cstdio>

namespace CliSupport {

int fail(const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 1;
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

bool prepareDocument(
    const QCommandLineParser &parser, const QString &source, CliDocument &document, QString *error)
{
    registerPlacedObjectClasses();
    document.page.resetToDefaultStyle();
    if (!source.isEmpty()) {
        const bool style = isStyleSheetName(source);
        QFile file(source);
        QString reason;
        int version = 0;
        const bool read = file.open(QIODevice::ReadOnly)
            && (style
                    ? StyleSheetFile::read(file, document.page, &reason, &version)
                    : CalendarFile::read(file, document.page, &document.objects, &reason, nullptr, &version));
        if (!read) {
            *error = unableToOpen(source, style);
            return false;
        }
        document.kind = style ? QStringLiteral("style") : QStringLiteral("calendar");
        document.version = version;
    }
    return PageOptions::apply(parser, document.page, error);
}

} // namespace CliSupport
