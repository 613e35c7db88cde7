// datewright-cli info: the page described as one JSON object.
#include "clicommand.h"
#include "clisupport.h"
#include "infojson.h"

#include "calendarpage.h"

#include <QJsonDocument>

#include <cstdio>

namespace {

constexpr int kFileVersion = 4;

int runInfo(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return CliSupport::fail(
            QStringLiteral("Reading calendar files (%1) is not supported by this version").arg(arguments.first()));
    CalendarPage page;
    QString error;
    if (!CliSupport::prepareNewPage(parser, page, &error))
        return CliSupport::fail(error);
    const QJsonDocument document(InfoJson::describe(page, QStringLiteral("calendar"), kFileVersion));
    std::fputs(document.toJson(QJsonDocument::Indented).constData(), stdout);
    return 0;
}

const CliCommandRegistration registration({QStringLiteral("info"), QStringLiteral("info [options]"), nullptr,
                                           runInfo});

} // namespace
