#pragma once

// A calendar page showing placed objects of its own, with the selection
// frame's clock in the test's hand and the mouse and keys sent as the
// platform would send them.
#include "objects/vimage.h"
#include "stream/component.h"
#include "surface/calendarpanel32.h"
#include "surface/vhandle.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

struct SurfaceFixture
{
    TComponent objects;
    TCalendarPanel32 panel;
    qint64 clock = 1000;
    QSignalSpy changes { &panel, &TVBasePanel::labelChanged };

    SurfaceFixture()
    {
        panel.setClock([this] { return clock; });
        panel.setPlacedObjects(&objects);
        panel.show();
    }
    ~SurfaceFixture() { panel.setPlacedObjects(nullptr); }

    // Objects named A, B, C... bottom to top, bounds at scale 1.
    TVGraphicControl *add(const QRect &bounds)
    {
        auto *object = new TVImage(&objects);
        object->setParent(&objects);
        object->setName(QString(QChar('A' + int(objects.children().size()) - 1)));
        object->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        panel.HookObjectEvents(object);
        return object;
    }
    TVGraphicControl *named(const QString &name) const
    {
        return dynamic_cast<TVGraphicControl *>(objects.findComponent(name));
    }
    [[nodiscard]] QPoint centreOf(const QString &name) const
    {
        return named(name)->displayRect(panel.scale()).center();
    }
    // The selection by name in selection order, "A,B"; empty for none.
    [[nodiscard]] QString selection() const
    {
        QStringList names;
        for (const TVGraphicControl *object : panel.handle().selection())
            names << object->name();
        return names.join(',');
    }
    [[nodiscard]] QRect bounds(const QString &name) const
    {
        const TVGraphicControl *o = named(name);
        return QRect(o->left(), o->top(), o->width(), o->height());
    }

    void send(QEvent::Type type, const QPoint &at, Qt::MouseButton button, Qt::MouseButtons held,
        Qt::KeyboardModifiers modifiers = {})
    {
        QMouseEvent event(type, at, panel.mapToGlobal(at), button, held, modifiers);
        QCoreApplication::sendEvent(&panel, &event);
    }
    void press(
        const QPoint &at, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        send(QEvent::MouseButtonPress, at, button, button, modifiers);
    }
    void moveHeld(const QPoint &at) { send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void hover(const QPoint &at) { send(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton); }
    void release(const QPoint &at, Qt::KeyboardModifiers modifiers = {})
    {
        send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, modifiers);
    }
    void click(const QPoint &at, Qt::KeyboardModifiers modifiers = {})
    {
        press(at, modifiers);
        clock += 20;
        release(at, modifiers);
    }
    // A press, a pause, a drag in two steps and the release.
    void drag(const QPoint &from, const QPoint &to, int heldMs, Qt::KeyboardModifiers modifiers = {})
    {
        hover(from);
        press(from, modifiers);
        clock += heldMs / 2;
        moveHeld(from);
        clock += heldMs - heldMs / 2;
        moveHeld((from + to) / 2);
        moveHeld(to);
        release(to, modifiers);
    }
};
