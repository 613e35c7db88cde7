#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class CalendarDocument;

// A copy of an unsaved calendar kept in "Recovery" in the data folder, so
// that a crash or a power cut loses minutes, not the work. Each running
// program writes one file named after itself; a copy is offered back only
// once the program that wrote it is gone (its PID no longer runs, or runs a
// later process: the start time kept beside the PID tells them apart).
//
// The file is a short text header, then the calendar file's bytes:
//
//   Datewright recovery 1
//   File: <original file name, percent-encoded; empty for a new calendar>
//   Pid: 1234
//   Started: <the process's start time in clock ticks since boot>
//   Written: 2026-12-08T12:30:00Z
//   Size: <bytes of the calendar that follow>
//   <empty line>
//   <calendar bytes>
namespace RecoveryCopy {

struct Header
{
    QString originalFileName; // empty: a calendar never saved
    qint64 pid = 0;
    qint64 startTime = 0; // 0 when the system would not say
    QDateTime written;
};

struct Copy
{
    QString path; // the copy's own file
    Header header;
};

// <data folder>/Recovery
[[nodiscard]] QString folder();
// The file this process writes its copy to.
[[nodiscard]] QString ownPath();
// This process's header for a copy written now.
[[nodiscard]] Header ownHeader(const QString &originalFileName);

// When a process started, in clock ticks since boot (from /proc); 0 when
// unknown.
[[nodiscard]] qint64 processStartTime(qint64 pid);
// Whether the process that wrote a header still runs.
[[nodiscard]] bool writerRunning(const Header &header);

// Header and calendar bytes in the copy's form.
[[nodiscard]] QByteArray encode(const Header &header, const QByteArray &calendar);
// The whole copy of a document as this process writes it now: the part
// made on the GUI thread, before the file is written elsewhere. Empty when
// the calendar cannot be written.
[[nodiscard]] QByteArray snapshot(const CalendarDocument &document);
// False with the reason when the bytes are not a whole copy.
bool decode(const QByteArray &bytes, Header *header, QByteArray *calendar, QString *reason);

// Writes a copy's bytes (from encode) through the safe writer, creating the
// folder first; the message names the file and the system's reason.
bool write(const QString &path, const QByteArray &bytes, QString *error);

// Copies left by programs no longer running, newest first. A copy that
// cannot be read is moved aside (renamed "*.damaged") and a message saying
// so added to damaged; a copy of a running program is left alone.
[[nodiscard]] QList<Copy> abandoned(QStringList *damaged);

// The copy into the document: its original file name set (empty for a new
// calendar) and marked modified. A copy that cannot be read is moved aside
// and error says so; the document then stays as it was.
bool restore(const Copy &copy, CalendarDocument &document, QString *error);

// Moves an unreadable copy aside; the message says where, or why not.
QString moveAside(const QString &path, const QString &reason);

// Removes a copy; a missing one is no failure.
bool remove(const QString &path, QString *error);

} // namespace RecoveryCopy
