#include "platform/safefilereader.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFileReader {

namespace {

constexpr qint64 kChunk = 1 << 16;

bool fail(QString *reason, const QString &text)
{
    if (reason)
        *reason = text;
    return false;
}

QString kindReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return systemReason(EISDIR);
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("Is a device, not a file");
    if (S_ISFIFO(mode))
        return QStringLiteral("Is a pipe, not a file");
    if (S_ISSOCK(mode))
        return QStringLiteral("Is a socket, not a file");
    return QStringLiteral("Not a regular file");
}

QString tooLarge(qint64 maxSize)
{
    const qint64 kilobytes = maxSize / 1024;
    const QString size = kilobytes >= 1024 ? QStringLiteral("%1 MB").arg(kilobytes / 1024)
                                           : QStringLiteral("%1 KB").arg(kilobytes);
    return QStringLiteral("File too large (over %1)").arg(size);
}

class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    [[nodiscard]] int fd() const { return m_fd; }

private:
    int m_fd;
};

// One byte past the limit is asked for, so a file that grew beyond it, or
// one whose size the system does not report, is still caught.
bool readUpTo(int fd, qint64 maxSize, qint64 expected, QByteArray *bytes, QString *reason)
{
    QByteArray data;
    data.reserve(qsizetype(std::min(expected, maxSize)));
    char chunk[kChunk];
    for (;;) {
        const qint64 room = maxSize + 1 - data.size();
        if (room <= 0)
            return fail(reason, tooLarge(maxSize));
        const ssize_t got = ::read(fd, chunk, size_t(std::min(room, kChunk)));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fail(reason, systemReason(errno));
        if (got == 0)
            break;
        data.append(chunk, qsizetype(got));
    }
    *bytes = std::move(data);
    return true;
}

} // namespace

QString systemReason(int errorNumber)
{
    if (errorNumber == 0)
        errorNumber = EIO;
    char buffer[256];
    const QString text = QString::fromLocal8Bit(strerror_r(errorNumber, buffer, sizeof buffer));
    if (text.isEmpty() || text.startsWith(QLatin1String("Unknown error")))
        return QStringLiteral("System error %1").arg(errorNumber);
    return text;
}

QString notAFileReason(const QString &fileName)
{
    struct stat info;
    if (::stat(QFile::encodeName(fileName).constData(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    return kindReason(info.st_mode);
}

bool read(const QString &fileName, qint64 maxSize, QByteArray *bytes, QString *reason)
{
    const QByteArray path = QFile::encodeName(fileName);
    struct stat info;
    if (::stat(path.constData(), &info) != 0)
        return fail(reason, systemReason(errno));
    if (!S_ISREG(info.st_mode))
        return fail(reason, kindReason(info.st_mode));
    if (info.st_size > maxSize)
        return fail(reason, tooLarge(maxSize));
    // Opened without waiting and looked at again: a pipe put in the file's
    // place since would otherwise hold the program here.
    const Descriptor file(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0)
        return fail(reason, systemReason(errno));
    if (::fstat(file.fd(), &info) != 0)
        return fail(reason, systemReason(errno));
    if (!S_ISREG(info.st_mode))
        return fail(reason, kindReason(info.st_mode));
    return readUpTo(file.fd(), maxSize, info.st_size, bytes, reason);
}

} // namespace SafeFileReader
