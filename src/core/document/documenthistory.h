#pragma once

#include "calendar/monthcells.h"

#include <QByteArray>
#include <QObject>
#include <QUndoStack>

#include <functional>

class CalendarPage;
class TComponent;

// Undo and redo for one calendar. A step keeps the calendar as it was after
// the change, in the calendar file's own form, and the step below it the
// state it started from; so no step holds a pointer to an object, and
// undoing a step whose objects a later step deleted brings them back from
// their records. Consecutive steps of the same burst (arrow-key moves)
// within a second of each other become one.
//
//   history.reset();                        // after New or Open
//   object.setLeft(x);                      // any change, then:
//   history.record(QStringLiteral("Move"));
//   history.stack().undo();                 // page and objects as before
class DocumentHistory : public QObject
{
    Q_OBJECT

public:
    static constexpr int kStepLimit = 200;
    // Steps recorded with this key merge while they come within a second.
    enum Burst { NoBurst = 0, KeyMoves = 1 };
    using Clock = std::function<qint64()>;

    // objects: owner and parent of the placed objects; otherMonths, when
    // given, the cell texts of other months, which steps keep too.
    DocumentHistory(CalendarPage &page, TComponent &objects, MonthCells *otherMonths = nullptr,
        QObject *parent = nullptr);
    ~DocumentHistory() override;

    [[nodiscard]] QUndoStack &stack() { return m_stack; }
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // The calendar as it is now becomes the start; every step is dropped.
    void reset();
    // One step named caption for what changed since the last record or
    // reset; false, recording nothing, when nothing changed.
    bool record(const QString &caption, Burst burst = NoBurst);
    // The calendar as it is now is the one on disk.
    void markSaved() { m_stack.setClean(); }

signals:
    // Undo or redo is about to replace every placed object: let go of them.
    void aboutToRestore();
    // Undo or redo replaced the page's attributes, its cells and every
    // placed object: the objects are new and nothing may hold the old ones.
    void restored();

private:
    friend class HistoryStep;
    [[nodiscard]] QByteArray snapshot() const;
    void restore(const QByteArray &state);

    CalendarPage &m_page;
    TComponent &m_objects;
    MonthCells *m_otherMonths;
    QUndoStack m_stack;
    QByteArray m_current;
    Clock m_clock;
};
