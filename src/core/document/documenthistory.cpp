#include "document/documenthistory.h"

#include "calendar/calendarfile.h"
#include "calendar/calendarpage.h"

#include <QBuffer>
#include <QDateTime>
#include <QUndoCommand>

class HistoryStep : public QUndoCommand
{
public:
    HistoryStep(DocumentHistory &history, const QString &caption, QByteArray before, QByteArray after,
        DocumentHistory::Burst burst, qint64 time)
        : QUndoCommand(caption)
        , m_history(history)
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_burst(burst)
        , m_time(time)
    {
    }

    void undo() override { m_history.restore(m_before); }
    void redo() override
    {
        // Pushed after the change was made: the first redo has nothing to do.
        if (m_done)
            m_history.restore(m_after);
        m_done = true;
    }
    int id() const override { return m_burst == DocumentHistory::NoBurst ? -1 : int(m_burst); }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const HistoryStep *>(other);
        if (next->m_time - m_time > 1000)
            return false;
        m_after = next->m_after;
        m_time = next->m_time;
        return true;
    }

private:
    DocumentHistory &m_history;
    QByteArray m_before;
    QByteArray m_after;
    DocumentHistory::Burst m_burst;
    qint64 m_time;
    bool m_done = false;
};

DocumentHistory::DocumentHistory(
    CalendarPage &page, TComponent &objects, MonthCells *otherMonths, QObject *parent)
    : QObject(parent)
    , m_page(page)
    , m_objects(objects)
    , m_otherMonths(otherMonths)
    , m_clock([] { return QDateTime::currentMSecsSinceEpoch(); })
{
    m_stack.setUndoLimit(kStepLimit);
}

DocumentHistory::~DocumentHistory()
{
    // Steps restore into the page and objects: none may run once they go.
    m_stack.clear();
}

void DocumentHistory::reset()
{
    m_stack.clear();
    m_current = snapshot();
    m_stack.setClean();
}

bool DocumentHistory::record(const QString &caption, Burst burst)
{
    QByteArray now = snapshot();
    if (now.isEmpty() || now == m_current)
        return false;
    // The new step shares its bytes with m_current: one copy per step.
    QByteArray before = m_current;
    m_current = now;
    m_stack.push(new HistoryStep(*this, caption, std::move(before), std::move(now), burst, m_clock()));
    return true;
}

QByteArray DocumentHistory::snapshot() const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!CalendarFile::write(buffer, m_page, &m_objects, &error, m_otherMonths))
        return {};
    return buffer.data();
}

void DocumentHistory::restore(const QByteArray &state)
{
    QByteArray bytes = state;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    emit aboutToRestore();
    QString error;
    // The bytes were written by this program a moment ago; reading them
    // cannot meet anything the writer did not produce.
    CalendarFile::ReadReport report;
    CalendarFile::read(buffer, m_page, &m_objects, &error, &m_objects, &report, true);
    if (m_otherMonths)
        *m_otherMonths = report.otherMonths;
    m_current = state;
    emit restored();
}
