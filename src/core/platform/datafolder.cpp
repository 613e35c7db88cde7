#include "datafolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

namespace DataFolder {

QString path()
{
    const QString fromEnvironment = qEnvironmentVariable("DATEWRIGHT_HOME");
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(fromEnvironment);
    const QString standard = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (!standard.isEmpty())
        return standard;
    return QDir::homePath() + QStringLiteral("/.local/share/datewright");
}

QString bundledResourcesPath()
{
    for (const char *candidate : {DATEWRIGHT_INSTALLED_RESOURCES, DATEWRIGHT_SOURCE_RESOURCES}) {
        const QString folder = QString::fromUtf8(candidate);
        if (QFileInfo(folder).isDir())
            return folder;
    }
    return {};
}

bool ensureInitialized(QString *error)
{
    const QString target = path();
    if (!QDir().mkpath(target)) {
        if (error)
            *error = QStringLiteral("Unable to create the data folder %1").arg(QDir::toNativeSeparators(target));
        return false;
    }
    const QString source = bundledResourcesPath();
    if (source.isEmpty())
        return true;
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    const QDir sourceDir(source);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = sourceDir.relativeFilePath(file);
        if (relative.startsWith(QLatin1String("samples/")) || !findCaseInsensitive(target, relative).isEmpty())
            continue;
        const QString destination = target + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(destination).absolutePath());
        // Copied files keep the read-only bits of an installed tree; make them ours.
        if (QFile::copy(file, destination))
            QFile(destination).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                              | QFile::ReadOther);
    }
    return true;
}

QString findCaseInsensitive(const QString &folder, const QString &relativePath)
{
    QString current = folder;
    const QStringList parts = QDir::fromNativeSeparators(relativePath).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QString exact = current + QLatin1Char('/') + part;
        if (QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        const QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        auto match = std::find_if(entries.begin(), entries.end(), [&](const QString &entry) {
            return entry.compare(part, Qt::CaseInsensitive) == 0;
        });
        if (match == entries.end())
            return {};
        current += QLatin1Char('/') + *match;
    }
    return parts.isEmpty() ? QString() : current;
}

} // namespace DataFolder
