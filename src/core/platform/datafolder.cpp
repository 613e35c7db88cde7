#include "platform/datafolder.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

#include <algorithm>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

namespace DataFolder {

namespace {

// Read from where the program lies, never copied: samples, help pages, the
// drawing sources the border pictures are made from, and the program's own
// pictures (compiled into it).
bool staysWithProgram(const QString &relative)
{
    for (const char *folder :
        { "samples/", "help/", "borders-src/", "clipart-src/", "icons-src/", "icons/" }) {
        if (relative.startsWith(QLatin1String(folder)))
            return true;
    }
    return relative.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

// Paths from the program's Windows days may use backslashes.
QStringList pathParts(const QString &relativePath)
{
    QString path = relativePath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

// The entry of a folder whose name matches ignoring case, as spelt on disk.
QString existingName(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + QLatin1Char('/') + name))
        return name;
    const QStringList entries
        = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    auto match = std::find_if(entries.begin(), entries.end(),
        [&](const QString &entry) { return entry.compare(name, Qt::CaseInsensitive) == 0; });
    return match == entries.end() ? QString() : *match;
}

struct FolderEntry
{
    QString name;
    bool isFolder = false;
};

// A folder's entries straight from the directory, without the stat and sort
// a QDir listing does for each one: this runs at every start.
std::vector<FolderEntry> entriesOf(const QString &folder, bool withHidden)
{
    std::vector<FolderEntry> entries;
    const QByteArray path = QFile::encodeName(folder);
    DIR *dir = ::opendir(path.constData());
    if (!dir)
        return entries;
    while (const dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (name[0] == '.' && (!withHidden || name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            struct stat info;
            isFolder = ::stat((path + '/' + name).constData(), &info) == 0 && S_ISDIR(info.st_mode);
        }
        entries.push_back({ QFile::decodeName(name), isFolder });
    }
    ::closedir(dir);
    return entries;
}

// Copies what the data folder lacks, one folder at a time: each folder on
// either side is listed once, so a start with everything in place costs a
// few directory reads rather than a look-up per shipped file.
void copyMissing(const QString &source, const QString &target, const QString &relative)
{
    QHash<QString, QString> present;
    for (const FolderEntry &entry : entriesOf(target, true))
        present.insert(entry.name.toLower(), entry.name);
    for (const FolderEntry &entry : entriesOf(source, false)) {
        const QString onDisk = present.value(entry.name.toLower());
        const QString from = source + QLatin1Char('/') + entry.name;
        const QString destination = target + QLatin1Char('/') + (onDisk.isEmpty() ? entry.name : onDisk);
        if (entry.isFolder) {
            const QString folder = relative + entry.name + QLatin1Char('/');
            if (!staysWithProgram(folder))
                copyMissing(from, destination, folder);
            continue;
        }
        if (!onDisk.isEmpty() || staysWithProgram(relative + entry.name))
            continue;
        QDir().mkpath(target);
        // Copied files keep the read-only bits of an installed tree; make them ours.
        if (QFile::copy(from, destination))
            QFile(destination)
                .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

} // namespace

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
    for (const char *candidate : { DATEWRIGHT_INSTALLED_RESOURCES, DATEWRIGHT_SOURCE_RESOURCES }) {
        const QString folder = QString::fromUtf8(candidate);
        if (QFileInfo(folder).isDir())
            return folder;
    }
    return {};
}

bool ensureInitialized(QString *error)
{
    return ensureInitialized(bundledResourcesPath(), error);
}

bool ensureInitialized(const QString &source, QString *error)
{
    const QString target = path();
    if (!QDir().mkpath(target)) {
        if (error)
            *error
                = QStringLiteral("Unable to create the data folder %1").arg(QDir::toNativeSeparators(target));
        return false;
    }
    // Where the user puts more icon libraries for the icon tool.
    if (findCaseInsensitive(target, QStringLiteral("BonusIcons")).isEmpty())
        QDir(target).mkdir(QStringLiteral("BonusIcons"));
    if (!source.isEmpty())
        copyMissing(source, target, QString());
    return true;
}

QString findCaseInsensitive(const QString &folder, const QString &relativePath)
{
    QString current = folder;
    const QStringList parts = pathParts(relativePath);
    for (const QString &part : parts) {
        const QString name = existingName(current, part);
        if (name.isEmpty())
            return {};
        current += QLatin1Char('/') + name;
    }
    return parts.isEmpty() ? QString() : current;
}

} // namespace DataFolder
