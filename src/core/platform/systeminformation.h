#pragma once

#include <QByteArray>
#include <QString>

// What the configuration report tells about the computer, read from the
// system's own files: /etc/os-release, the kernel (uname), /proc/cpuinfo
// and /proc/meminfo. A value the system does not give stays empty or zero.
struct SystemInformation
{
    QString systemName; // "Debian GNU/Linux 12 (bookworm)"
    int versionMajor = 0; // the kernel release, "6.1.0-18-amd64" gives 6, 1 and 0
    int versionMinor = 0;
    int build = 0;
    QString buildText; // the kernel's version string
    QString architecture; // "x86_64"
    QString processor; // "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz"

    // Bytes; "available" is what can be had without swapping.
    qint64 physicalTotal = 0;
    qint64 physicalAvailable = 0;
    qint64 swapTotal = 0;
    qint64 swapFree = 0;
    // The kernel's commit limit, and what of it is not yet committed.
    qint64 virtualTotal = 0;
    qint64 virtualAvailable = 0;

    // The locale the system starts users with ("en_US.UTF-8"), if it says.
    QString systemLocaleName;

    // Percent of physical memory in use, 0 to 100.
    [[nodiscard]] int memoryLoad() const;

    // This computer, now.
    [[nodiscard]] static SystemInformation current();

    // The parts, from the files' text, so they can be checked anywhere.
    void readOsRelease(const QByteArray &text);
    void readKernelRelease(const QString &release, const QString &version);
    void readCpuInfo(const QByteArray &text);
    void readMemInfo(const QByteArray &text);
    // /etc/default/locale or /etc/locale.conf
    void readLocaleConf(const QByteArray &text);
};
