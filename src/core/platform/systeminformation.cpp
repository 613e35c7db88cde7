#include "platform/systeminformation.h"

#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>

#include <sys/utsname.h>

#include <algorithm>

namespace {

QByteArray readSystemFile(const QString &path)
{
    QFile file(path);
    // Files under /proc report no size: read until the end.
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString unquoted(QString value)
{
    value = value.trimmed();
    if (value.size() >= 2 && (value.startsWith(QLatin1Char('"')) || value.startsWith(QLatin1Char('\'')))
        && value.endsWith(value.front()))
        value = value.mid(1, value.size() - 2);
    return value;
}

// The value of KEY=value in a file of shell assignments; empty when missing.
QString shellValue(const QByteArray &text, const QByteArray &wanted)
{
    for (const QByteArray &line : text.split('\n')) {
        const int equals = line.indexOf('=');
        if (equals <= 0 || line.trimmed().startsWith('#'))
            continue;
        if (line.left(equals).trimmed() == wanted)
            return unquoted(QString::fromUtf8(line.mid(equals + 1)));
    }
    return {};
}

} // namespace

int SystemInformation::memoryLoad() const
{
    if (physicalTotal <= 0)
        return 0;
    const qint64 used = std::clamp<qint64>(physicalTotal - physicalAvailable, 0, physicalTotal);
    return int((used * 100 + physicalTotal / 2) / physicalTotal);
}

SystemInformation SystemInformation::current()
{
    SystemInformation info;
    QByteArray osRelease = readSystemFile(QStringLiteral("/etc/os-release"));
    if (osRelease.isEmpty())
        osRelease = readSystemFile(QStringLiteral("/usr/lib/os-release"));
    info.readOsRelease(osRelease);
    if (info.systemName.isEmpty())
        info.systemName = QSysInfo::prettyProductName();
    utsname names {};
    if (uname(&names) == 0)
        info.readKernelRelease(QString::fromLocal8Bit(names.release), QString::fromLocal8Bit(names.version));
    info.architecture = QSysInfo::currentCpuArchitecture();
    info.readCpuInfo(readSystemFile(QStringLiteral("/proc/cpuinfo")));
    info.readMemInfo(readSystemFile(QStringLiteral("/proc/meminfo")));
    for (const char *path : { "/etc/default/locale", "/etc/locale.conf" }) {
        info.readLocaleConf(readSystemFile(QString::fromLatin1(path)));
        if (!info.systemLocaleName.isEmpty())
            break;
    }
    return info;
}

void SystemInformation::readOsRelease(const QByteArray &text)
{
    const QString pretty = shellValue(text, "PRETTY_NAME");
    systemName = pretty.isEmpty() ? shellValue(text, "NAME") : pretty;
}

void SystemInformation::readLocaleConf(const QByteArray &text)
{
    systemLocaleName = shellValue(text, "LANG");
}

void SystemInformation::readKernelRelease(const QString &release, const QString &version)
{
    static const QRegularExpression numbers(QStringLiteral("^(\\d+)(?:\\.(\\d+))?(?:\\.(\\d+))?"));
    const QRegularExpressionMatch match = numbers.match(release);
    versionMajor = match.captured(1).toInt();
    versionMinor = match.captured(2).toInt();
    build = match.captured(3).toInt();
    buildText = version.trimmed();
}

void SystemInformation::readCpuInfo(const QByteArray &text)
{
    // x86 names the model; other processors name it otherwise, or not at all.
    for (const char *key : { "model name", "Model", "cpu model", "cpu" }) {
        for (const QByteArray &line : text.split('\n')) {
            const int colon = line.indexOf(':');
            if (colon > 0 && line.left(colon).trimmed() == key) {
                processor = QString::fromUtf8(line.mid(colon + 1)).trimmed();
                return;
            }
        }
    }
}

void SystemInformation::readMemInfo(const QByteArray &text)
{
    qint64 memFree = -1, memAvailable = -1, committed = -1;
    for (const QByteArray &line : text.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray key = line.left(colon).trimmed();
        const QList<QByteArray> fields = line.mid(colon + 1).simplified().split(' ');
        bool ok = false;
        qint64 value = fields.value(0).toLongLong(&ok);
        if (!ok || value < 0)
            continue;
        if (fields.value(1) == "kB")
            value *= 1024;
        if (key == "MemTotal")
            physicalTotal = value;
        else if (key == "MemFree")
            memFree = value;
        else if (key == "MemAvailable")
            memAvailable = value;
        else if (key == "SwapTotal")
            swapTotal = value;
        else if (key == "SwapFree")
            swapFree = value;
        else if (key == "CommitLimit")
            virtualTotal = value;
        else if (key == "Committed_AS")
            committed = value;
    }
    // Kernels before 3.14 do not estimate what is available.
    physicalAvailable = std::max<qint64>(memAvailable >= 0 ? memAvailable : memFree, 0);
    virtualAvailable = committed >= 0 ? std::max<qint64>(virtualTotal - committed, 0) : 0;
}
