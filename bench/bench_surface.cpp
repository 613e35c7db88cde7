// The design surface with 50 selected objects on a month page at 100%: one
// drag step (the feedback moves and is repainted) and the repaint after the
// release. Run by hand with -median N.
#include "objects/vimage.h"
#include "stream/component.h"
#include "surface/calendarpanel32.h"
#include "surface/vhandle.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

class BenchSurface : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void dragStep();
    void releaseRepaint();

private:
    void send(QEvent::Type type, const QPoint &at, Qt::MouseButton button, Qt::MouseButtons held);

    std::unique_ptr<TComponent> m_objects;
    std::unique_ptr<TCalendarPanel32> m_panel;
    qint64 m_clock = 1000;
};

void BenchSurface::init()
{
    m_objects = std::make_unique<TComponent>();
    m_panel = std::make_unique<TCalendarPanel32>();
    m_panel->page().resetToDefaultStyle();
    m_panel->page().setCalendarLayout(0);
    m_panel->setClock([this] { return m_clock; });
    for (int i = 0; i < 50; ++i) {
        auto *object = new TVImage(m_objects.get());
        object->setParent(m_objects.get());
        object->setBounds(40 + (i % 10) * 70, 200 + (i / 10) * 90, 60, 80);
    }
    m_panel->setPlacedObjects(m_objects.get());
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
    for (TVGraphicControl *object : m_panel->objects())
        m_panel->handle().AddToSelection(object);
    m_panel->handle().releaseCapture();
    m_panel->repaint();
}

void BenchSurface::cleanup()
{
    m_panel->setPlacedObjects(nullptr);
    m_panel.reset();
    m_objects.reset();
}

void BenchSurface::send(QEvent::Type type, const QPoint &at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, m_panel->mapToGlobal(at), button, held, {});
    QCoreApplication::sendEvent(m_panel.get(), &event);
}

void BenchSurface::dragStep()
{
    const QPoint start(70, 240);
    send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    m_clock += 500;
    int step = 0;
    QBENCHMARK
    {
        ++step;
        send(QEvent::MouseMove, start + QPoint(step % 40, step % 30), Qt::NoButton, Qt::LeftButton);
        m_panel->repaint();
    }
    send(QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
}

void BenchSurface::releaseRepaint()
{
    const QPoint start(70, 240);
    int step = 0;
    QBENCHMARK
    {
        const QPoint by((++step % 2) ? 5 : -5, 0);
        send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        m_clock += 500;
        send(QEvent::MouseMove, start + by, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, start + by, Qt::LeftButton, Qt::NoButton);
        m_panel->repaint();
    }
}

QTEST_MAIN(BenchSurface)
#include "bench_surface.moc"
