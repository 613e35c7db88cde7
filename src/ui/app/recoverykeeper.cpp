#include "app/recoverykeeper.h"

#include "document/calendardocument.h"
#include "document/recoverycopy.h"

#include <algorithm>

RecoveryKeeper::RecoveryKeeper(CalendarDocument &document, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_path(RecoveryCopy::ownPath())
    , m_worker(new QObject)
{
    m_thread.setObjectName(QStringLiteral("RecoveryCopies"));
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start(QThread::LowPriority);
    connect(&m_timer, &QTimer::timeout, this, [this] { keepNow(); });
    // A copy that was not written is tried again at the next interval, even
    // with nothing new; an older copy on disk still goes with discard().
    connect(this, &RecoveryKeeper::failed, this, [this] { m_lastCalendar = QByteArray(""); });
}

RecoveryKeeper::~RecoveryKeeper()
{
    // What was asked is done before the thread ends: a removal must not be lost.
    waitForWorker();
    m_thread.quit();
    m_thread.wait();
}

void RecoveryKeeper::setInterval(int seconds)
{
    seconds = std::max(0, seconds);
    if (seconds == m_intervalSeconds)
        return; // the copy's clock keeps running
    m_intervalSeconds = seconds;
    if (m_intervalSeconds == 0) {
        m_timer.stop();
        discard();
        return;
    }
    m_timer.start(m_intervalSeconds * 1000);
}

void RecoveryKeeper::keepNow(const QString &replaces)
{
    if (!m_document.isModified()) {
        discard();
        return;
    }
    // The bytes are made here, where the document lives; only the disk
    // work goes to the worker.
    const QByteArray calendar = m_document.fileBytes();
    if (calendar.isEmpty() || calendar == m_lastCalendar)
        return;
    m_lastCalendar = calendar;
    const QByteArray bytes = RecoveryCopy::encode(RecoveryCopy::ownHeader(m_document.fileName()), calendar);
    QMetaObject::invokeMethod(
        m_worker,
        [this, path = m_path, bytes, replaces] {
            QString error;
            if (!RecoveryCopy::write(path, bytes, &error))
                emit failed(error);
            else if (!replaces.isEmpty() && !RecoveryCopy::remove(replaces, &error))
                emit failed(error);
        },
        Qt::QueuedConnection);
}

void RecoveryKeeper::discard()
{
    if (m_lastCalendar.isNull())
        return;
    m_lastCalendar = QByteArray();
    removeFile(m_path);
}

void RecoveryKeeper::removeFile(const QString &path)
{
    QMetaObject::invokeMethod(
        m_worker,
        [this, path] {
            QString error;
            if (!RecoveryCopy::remove(path, &error))
                emit failed(error);
        },
        Qt::QueuedConnection);
}

void RecoveryKeeper::waitForWorker()
{
    QMetaObject::invokeMethod(
        m_worker, [] {}, Qt::BlockingQueuedConnection);
}
