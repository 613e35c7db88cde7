#include "events/holidaycalendars.h"

#include "platform/datafolder.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace HolidayCalendars {

QList<Country> countries(const QString &dataFolder)
{
    QList<Country> found;
    const QString folder = DataFolder::findCaseInsensitive(dataFolder, QStringLiteral("Holidays"));
    if (folder.isEmpty())
        return found;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files);
    for (const QFileInfo &file : files) {
        if (file.suffix().compare(QLatin1String("ics"), Qt::CaseInsensitive) == 0)
            found.append({ file.completeBaseName(), file.filePath() });
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(found.begin(), found.end(),
        [&](const Country &a, const Country &b) { return collator.compare(a.name, b.name) < 0; });
    return found;
}

} // namespace HolidayCalendars
