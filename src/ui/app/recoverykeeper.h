#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThread>
#include <QTimer>

class CalendarDocument;

// Keeps a recovery copy of the calendar while it has unsaved changes: every
// interval the copy's bytes are made here, on the GUI thread, and written
// on a worker thread, so typing never waits for the disk. Writes and
// removals run on that one thread in the order asked, so a removal after a
// save is never overtaken by a copy made before it.
class RecoveryKeeper : public QObject
{
    Q_OBJECT

public:
    explicit RecoveryKeeper(CalendarDocument &document, QObject *parent = nullptr);
    ~RecoveryKeeper() override;

    // Seconds between copies; 0 keeps none (and removes this run's copy).
    void setInterval(int seconds);
    [[nodiscard]] int interval() const { return m_intervalSeconds; }
    // The file this run writes its copy to.
    [[nodiscard]] const QString &path() const { return m_path; }

    // A copy of the calendar as it is now, when it has unsaved changes that
    // differ from the last copy; otherwise this run's copy goes. Once it is
    // written, the copy at replaces (another run's) goes too.
    void keepNow(const QString &replaces = QString());
    // This run's copy goes (after a save, on closing without saving).
    void discard();
    // Waits until the worker has done everything asked so far.
    void waitForWorker();

signals:
    // A copy could not be written or removed; the message names the file
    // and the system's reason.
    void failed(const QString &message);

private:
    // A copy's file goes, after the writes asked before it.
    void removeFile(const QString &path);

    CalendarDocument &m_document;
    QString m_path;
    QTimer m_timer;
    QThread m_thread;
    QObject *m_worker; // lives on m_thread
    QByteArray m_lastCalendar; // what the last copy holds; empty when none is kept
    int m_intervalSeconds = 0;
};
