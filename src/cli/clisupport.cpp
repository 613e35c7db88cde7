#include "clisupport.h"

#include "calendarpage.h"
#include "pageoptions.h"

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

} // namespace CliSupport
