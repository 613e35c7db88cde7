#include "platform/safefilewriter.h"

#include "platform/safefilereader.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace SafeFileWriter {

namespace {

bool fail(QString *reason, const QString &text)
{
    if (reason)
        *reason = text;
    return false;
}

// Qt's text for the last failure, unless it has none worth showing.
QString deviceReason(const QIODevice &device, const QString &fallback)
{
    const QString text = device.errorString();
    if (text.isEmpty() || text == QLatin1String("Unknown error"))
        return fallback;
    return text;
}

bool syncToDisk(QFileDevice &file, QString *reason)
{
    while (::fsync(file.handle()) != 0) {
        if (errno != EINTR)
            return fail(reason, SafeFileReader::systemReason(errno));
    }
    return true;
}

// The rename lives in the folder's entry; until the folder reaches the disk
// too, a power cut may bring the old file back. The new file is in place
// either way, so a folder that cannot be synced is no failure to report.
void syncFolderOf(const QString &fileName)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(fileName).absolutePath());
    const int handle = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return;
    while (::fsync(handle) != 0 && errno == EINTR) { }
    ::close(handle);
}

} // namespace

bool writeAll(QIODevice &device, const QByteArray &bytes, QString *reason)
{
    const qint64 written = device.write(bytes);
    if (written != bytes.size()) {
        const QString shortWrite = written < 0
            ? SafeFileReader::systemReason(EIO)
            : QStringLiteral("Only %1 of %2 bytes were written").arg(written).arg(bytes.size());
        return fail(reason, deviceReason(device, shortWrite));
    }
    auto *file = qobject_cast<QFileDevice *>(&device);
    if (!file)
        return true;
    // The bytes may still sit in Qt's buffer: only the flush reaches the
    // disk, and a full disk shows there.
    if (!file->flush() || file->error() != QFileDevice::NoError)
        return fail(reason, deviceReason(device, SafeFileReader::systemReason(EIO)));
    return true;
}

bool write(const QString &fileName, const QByteArray &bytes, QString *reason)
{
    // A device or a pipe would have its node replaced by a regular file,
    // and the temporary file would land beside it (in /dev).
    const QString notAFile = SafeFileReader::notAFileReason(fileName);
    if (!notAFile.isEmpty())
        return fail(reason, notAFile);
    // QSaveFile refuses a file it may not write in words of its own; the
    // system says why ("Permission denied", "Read-only file system").
    const QByteArray path = QFile::encodeName(fileName);
    if (::access(path.constData(), F_OK) == 0 && ::access(path.constData(), W_OK) != 0)
        return fail(reason, SafeFileReader::systemReason(errno));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(reason, deviceReason(file, SafeFileReader::systemReason(EIO)));
    // A temporary file that fails any step is removed with `file`.
    if (!writeAll(file, bytes, reason) || !syncToDisk(file, reason)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return fail(reason, deviceReason(file, SafeFileReader::systemReason(EIO)));
    syncFolderOf(fileName);
    return true;
}

} // namespace SafeFileWriter
