#pragma once

// A small file system of a test's own that it fills to the last byte, or
// makes read-only, to see what saving does on a full or read-only disk. Mounting needs root with
// CAP_SYS_ADMIN; where that is not allowed, mounted() is false and only the
// cases that need a full disk are skipped.
//
//   FullDisk disk(64);
//   if (!disk.mounted()) QSKIP("...");
//   writeFile(disk.path("old.dwf"), "old");   // before filling
//   disk.fill();
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

class FullDisk
{
public:
    explicit FullDisk(int kilobytes)
    {
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0777";
        m_mounted = m_dir.isValid()
            && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                   options.constData())
                == 0;
    }
    ~FullDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    [[nodiscard]] bool mounted() const { return m_mounted; }
    [[nodiscard]] QString path(const QString &name = {}) const
    {
        return name.isEmpty() ? m_dir.path() : m_dir.filePath(name);
    }

    // Takes every byte still free; what was written before stays.
    void fill() const
    {
        const int fd = ::open(QFile::encodeName(path(QStringLiteral(".filler"))).constData(),
            O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0)
            return;
        const QByteArray block(4096, 'f');
        while (::write(fd, block.constData(), size_t(block.size())) > 0 || errno == EINTR) { }
        // The last partial block, byte by byte.
        while (::write(fd, block.constData(), 1) > 0 || errno == EINTR) { }
        ::close(fd);
    }

    // Nothing can be written any more, not even by root.
    [[nodiscard]] bool makeReadOnly() const
    {
        return ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs",
                   MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr)
            == 0;
    }

    // The names in the file system apart from the filler.
    [[nodiscard]] QStringList entries() const
    {
        return QDir(path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
