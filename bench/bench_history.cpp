// Undo and redo of a move of 200 labels on a month page: the history alone
// (the calendar read back from the step's bytes) and the whole path the
// program takes (the surface re-hooks the new objects and repaints at 100%).
// Each iteration undoes and redoes, so one undo is half the figure. Run by
// hand with -median N.
#include "document/calendardocument.h"
#include "objects/placedobjectclasses.h"
#include "objects/vplabel.h"
#include "surface/calendarpanel32.h"

#include <QApplication>
#include <QtTest>

class BenchHistory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerPlacedObjectClasses(); }
    void init();
    void cleanup();
    void historyUndoRedo();
    void surfaceUndoRedo();

private:
    std::unique_ptr<CalendarDocument> m_document;
};

void BenchHistory::init()
{
    m_document = std::make_unique<CalendarDocument>();
    CalendarPage &page = m_document->page();
    page.resetToDefaultStyle();
    page.setCalendarLayout(0);
    TComponent &objects = m_document->objects();
    for (int i = 0; i < 200; ++i) {
        auto *label = new TVPLabel(&objects);
        label->setParent(&objects);
        label->setName(QStringLiteral("Component%1").arg(i));
        label->setCaption(QStringLiteral("Label %1").arg(i));
        label->setBounds(20 + (i % 20) * 38, 120 + (i / 20) * 60, 36, 24);
    }
    m_document->history().reset();
    for (TComponent *child : objects.children()) {
        auto *label = static_cast<TVPLabel *>(child);
        label->setBounds(label->left() + 5, label->top() + 5, label->width(), label->height());
    }
    QVERIFY(m_document->history().record(QStringLiteral("Move")));
}

void BenchHistory::cleanup()
{
    m_document.reset();
}

void BenchHistory::historyUndoRedo()
{
    QUndoStack &stack = m_document->history().stack();
    QBENCHMARK
    {
        stack.undo();
        stack.redo();
    }
    QCOMPARE(m_document->objects().children().size(), size_t(200));
}

void BenchHistory::surfaceUndoRedo()
{
    TCalendarPanel32 panel(nullptr, m_document.get());
    panel.setPlacedObjects(&m_document->objects());
    connect(&m_document->history(), &DocumentHistory::restored, &panel, [&panel] {
        panel.HookAllObjects();
        panel.repaint();
    });
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.repaint();
    QUndoStack &stack = m_document->history().stack();
    QBENCHMARK
    {
        stack.undo();
        stack.redo();
    }
    QCOMPARE(panel.objects().size(), 200);
    panel.setPlacedObjects(nullptr);
}

QTEST_MAIN(BenchHistory)
#include "bench_history.moc"
