#include "document/recoverycopy.h"

#include "calendar/calendarfile.h"
#include "document/calendardocument.h"
#include "platform/datafolder.h"
#include "platform/safefilereader.h"
#include "platform/safefilewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#include <signal.h>
#include <unistd.h>

namespace RecoveryCopy {

namespace {

const QByteArray kMagic = QByteArrayLiteral("Datewright recovery 1");
const QString kSuffix = QStringLiteral(".dwr");
// The header is a few lines; anything beyond the calendar's own limit and
// this is no copy of ours.
constexpr qint64 kHeaderLimit = 64 * 1024;

bool fail(QString *reason, const QString &text)
{
    if (reason)
        *reason = text;
    return false;
}

// "Key: value" lines up to the empty one; false at anything else.
bool headerField(const QByteArray &line, const QByteArray &key, QByteArray *value)
{
    const QByteArray prefix = key + QByteArrayLiteral(": ");
    if (!line.startsWith(prefix))
        return false;
    *value = line.mid(prefix.size());
    return true;
}

} // namespace

QString folder()
{
    return QDir(DataFolder::path()).filePath(QStringLiteral("Recovery"));
}

QString ownPath()
{
    const qint64 pid = ::getpid();
    return QDir(folder()).filePath(
        QStringLiteral("%1-%2%3").arg(pid).arg(processStartTime(pid)).arg(kSuffix));
}

Header ownHeader(const QString &originalFileName)
{
    Header header;
    header.originalFileName = originalFileName;
    header.pid = ::getpid();
    header.startTime = processStartTime(header.pid);
    header.written = QDateTime::currentDateTimeUtc();
    return header;
}

qint64 processStartTime(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.readAll();
    // The command name in parentheses may hold spaces; the fields after
    // its closing one start with the third, so the start time (22nd) is the
    // 20th of them.
    const int close = line.lastIndexOf(')');
    if (close < 0)
        return 0;
    const QList<QByteArray> fields = line.mid(close + 1).simplified().split(' ');
    return fields.size() > 19 ? fields.at(19).toLongLong() : 0;
}

bool writerRunning(const Header &header)
{
    if (header.pid <= 0)
        return false;
    const bool signalable = ::kill(static_cast<pid_t>(header.pid), 0) == 0 || errno == EPERM;
    if (!signalable || !QFileInfo::exists(QStringLiteral("/proc/%1").arg(header.pid)))
        return false;
    // The PID may have been given to a later process since.
    const qint64 started = processStartTime(header.pid);
    return header.startTime == 0 || started == 0 || started == header.startTime;
}

QByteArray encode(const Header &header, const QByteArray &calendar)
{
    QByteArray bytes;
    bytes.reserve(calendar.size() + 256);
    bytes += kMagic + '\n';
    bytes += "File: " + header.originalFileName.toUtf8().toPercentEncoding("/ ") + '\n';
    bytes += "Pid: " + QByteArray::number(header.pid) + '\n';
    bytes += "Started: " + QByteArray::number(header.startTime) + '\n';
    bytes += "Written: " + header.written.toUTC().toString(Qt::ISODate).toLatin1() + '\n';
    bytes += "Size: " + QByteArray::number(calendar.size()) + "\n\n";
    bytes += calendar;
    return bytes;
}

QByteArray snapshot(const CalendarDocument &document)
{
    const QByteArray calendar = document.fileBytes();
    if (calendar.isEmpty())
        return {};
    return encode(ownHeader(document.fileName()), calendar);
}

bool decode(const QByteArray &bytes, Header *header, QByteArray *calendar, QString *reason)
{
    const int end = bytes.indexOf("\n\n");
    if (end < 0 || end > kHeaderLimit)
        return fail(reason, QStringLiteral("the header is incomplete"));
    const QList<QByteArray> lines = bytes.left(end).split('\n');
    QByteArray file, pid, started, written, size;
    if (lines.size() != 6 || lines.at(0) != kMagic || !headerField(lines.at(1), "File", &file)
        || !headerField(lines.at(2), "Pid", &pid) || !headerField(lines.at(3), "Started", &started)
        || !headerField(lines.at(4), "Written", &written) || !headerField(lines.at(5), "Size", &size))
        return fail(reason, QStringLiteral("not a recovery copy"));
    bool numbers[3] = {};
    Header found;
    found.originalFileName = QString::fromUtf8(QByteArray::fromPercentEncoding(file));
    found.pid = pid.toLongLong(&numbers[0]);
    found.startTime = started.toLongLong(&numbers[1]);
    found.written = QDateTime::fromString(QString::fromLatin1(written), Qt::ISODate);
    const qint64 expected = size.toLongLong(&numbers[2]);
    if (!numbers[0] || !numbers[1] || !numbers[2] || !found.written.isValid() || expected < 0)
        return fail(reason, QStringLiteral("the header is damaged"));
    const qint64 present = bytes.size() - (end + 2);
    if (present != expected)
        return fail(
            reason, QStringLiteral("it holds %1 of the calendar's %2 bytes").arg(present).arg(expected));
    if (header)
        *header = found;
    if (calendar)
        *calendar = bytes.mid(end + 2);
    return true;
}

bool write(const QString &path, const QByteArray &bytes, QString *error)
{
    const QString where = QFileInfo(path).absolutePath();
    QString reason;
    if (!QDir().mkpath(where))
        reason = QStringLiteral("Unable to create the folder %1").arg(QDir::toNativeSeparators(where));
    else if (SafeFileWriter::write(path, bytes, &reason))
        return true;
    return fail(error,
        QStringLiteral("Unable to write the recovery copy %1: %2")
            .arg(QDir::toNativeSeparators(path), reason));
}

namespace {

// The copy's header and calendar, the calendar tried in full; false with
// the reason when any of it cannot be read.
bool readCopy(const QString &path, Header *header, QByteArray *calendar, QString *reason)
{
    QByteArray bytes;
    if (!SafeFileReader::read(path, CalendarFile::kMaxFileSize + kHeaderLimit, &bytes, reason))
        return false;
    if (!decode(bytes, header, calendar, reason))
        return false;
    CalendarDocument scratch;
    CalendarFile::ReadReport report;
    QString error;
    if (!scratch.openBytes(*calendar, header->originalFileName, &error, &report))
        return fail(reason, QStringLiteral("the calendar in it cannot be read"));
    if (report.damaged)
        return fail(reason, QStringLiteral("the calendar in it is cut short"));
    return true;
}

} // namespace

QString moveAside(const QString &path, const QString &reason)
{
    const QString name = QDir::toNativeSeparators(path);
    QString aside = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".%1.damaged").arg(n);
    QFile file(path);
    if (!file.rename(aside))
        return QStringLiteral("The recovery copy %1 cannot be read (%2) and could not be moved aside: %3")
            .arg(name, reason, file.errorString());
    return QStringLiteral("The recovery copy %1 cannot be read (%2); it was kept as %3.")
        .arg(name, reason, QDir::toNativeSeparators(aside));
}

QList<Copy> abandoned(QStringList *damaged)
{
    QList<Copy> copies;
    const QDir dir(folder());
    const QStringList names = dir.entryList({ QLatin1Char('*') + kSuffix }, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        Copy copy;
        copy.path = dir.filePath(name);
        QString reason;
        QByteArray bytes;
        // The header first: a running program's copy may be half replaced
        // and is none of our business anyway.
        if (SafeFileReader::read(copy.path, CalendarFile::kMaxFileSize + kHeaderLimit, &bytes, &reason)
            && decode(bytes, &copy.header, nullptr, &reason) && writerRunning(copy.header))
            continue;
        QByteArray calendar;
        if (reason.isEmpty() && readCopy(copy.path, &copy.header, &calendar, &reason)) {
            copies << copy;
            continue;
        }
        const QString message = moveAside(copy.path, reason);
        if (damaged)
            *damaged << message;
    }
    std::stable_sort(copies.begin(), copies.end(),
        [](const Copy &a, const Copy &b) { return a.header.written > b.header.written; });
    return copies;
}

bool restore(const Copy &copy, CalendarDocument &document, QString *error)
{
    // Tried in full first, so a bad copy leaves the shown calendar alone.
    Header header;
    QByteArray calendar;
    QString reason;
    if (!readCopy(copy.path, &header, &calendar, &reason))
        return fail(error, moveAside(copy.path, reason));
    if (!document.openBytes(calendar, header.originalFileName, &reason))
        return fail(error, moveAside(copy.path, reason));
    document.setModified(true);
    return true;
}

bool remove(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.exists() || file.remove())
        return true;
    return fail(error,
        QStringLiteral("Unable to remove the recovery copy %1: %2")
            .arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace RecoveryCopy
