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
    static const QString kObservances = QStringLiteral(" observances");
    const QDir dir(folder);
    const QFileInfoList files = dir.entryInfoList(QDir::Files);
    for (const QFileInfo &file : files) {
        const QString name = file.completeBaseName();
        if (file.suffix().compare(QLatin1String("ics"), Qt::CaseInsensitive) != 0
            || name.endsWith(kObservances, Qt::CaseInsensitive))
            continue;
        const QFileInfo observances(dir.filePath(name + kObservances + QStringLiteral(".ics")));
        found.append({ name, file.filePath(), observances.isFile() ? observances.filePath() : QString() });
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(found.begin(), found.end(),
        [&](const Country &a, const Country &b) { return collator.compare(a.name, b.name) < 0; });
    return found;
}

} // namespace HolidayCalendars
