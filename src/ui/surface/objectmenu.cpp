#include "surface/objectmenu.h"

#include "surface/commandpictures.h"
#include "surface/surfaceclipboard.h"
#include "surface/vbasepanel.h"
#include "surface/vhandle.h"
#include "widgets/commondialogs.h"

#include "objects/vgraphiccontrol.h"
#include "objects/vlabelobjectfiler.h"

#include <QMenu>

ObjectMenu::ObjectMenu(TVBasePanel *surface)
    : QObject(surface)
    , m_surface(surface)
{
}

QMenu *ObjectMenu::build(TVGraphicControl &object)
{
    auto *menu = new QMenu(m_surface);
    menu->setObjectName(QStringLiteral("ObjectMenu"));
    addCommon(*menu, &object);
    if (m_kindEntries)
        m_kindEntries(*menu, object);
    // The kinds' own entries are named after they ran, before the history
    // takes the step.
    connect(menu, &QMenu::triggered, m_surface,
        [surface = m_surface](QAction *action) { surface->nameNextChange(action->text()); });
    return menu;
}

void ObjectMenu::popup(TVGraphicControl &object, const QPoint &globalAt)
{
    QMenu *menu = build(object);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalAt);
}

void ObjectMenu::addCommon(QMenu &menu, const QPointer<TVGraphicControl> &object)
{
    // Each entry checks the object is still there: a queued event may run
    // after another command freed it.
    const auto add = [&](const char *caption, std::function<void(TVGraphicControl &)> act) {
        QAction *action = menu.addAction(QString::fromLatin1(caption));
        CommandPictures::apply(action);
        connect(action, &QAction::triggered, this, [this, object, act, name = action->text()] {
            m_surface->nameNextChange(name);
            if (object)
                act(*object);
        });
        return action;
    };
    TVBasePanel *s = m_surface;
    add("Bring To Front", [s](TVGraphicControl &o) {
        o.bringToFront();
        s->NotifyChanged();
        s->update();
    });
    add("Send To Back", [s](TVGraphicControl &o) {
        o.sendToBack();
        s->handle().ClearSelection();
        s->NotifyChanged();
    });
    add("Cut", [this](TVGraphicControl &o) { objectCommand(o, Command::Cut); });
    add("Copy", [this](TVGraphicControl &o) { objectCommand(o, Command::Copy); });
    add("Delete", [this](TVGraphicControl &o) { objectCommand(o, Command::Delete); });
    add("Clone", [this](TVGraphicControl &o) { clone(o); });
    menu.addSeparator();
    QAction *locked = add("Locked", [](TVGraphicControl &o) { o.setLocked(!o.locked()); });
    locked->setCheckable(true);
    locked->setChecked(object->locked());
    add("Unselectable", [](TVGraphicControl &o) { o.setUnselectable(true); });
    menu.addSeparator();
    add("Center Vertically", [s](TVGraphicControl &o) { s->centerObject(o, Qt::Vertical); });
    add("Center Horizontally", [s](TVGraphicControl &o) { s->centerObject(o, Qt::Horizontal); });
}

void ObjectMenu::objectCommand(TVGraphicControl &object, Command command)
{
    TVHandle &handle = m_surface->handle();
    SurfaceClipboard &clipboard = m_surface->clipboard();
    if (handle.IndexOfSelected(&object) >= 0) {
        if (command == Command::Cut)
            clipboard.cut();
        else if (command == Command::Copy)
            clipboard.copy();
        else
            m_surface->deleteSelection();
        return;
    }
    if (command != Command::Delete && !clipboard.copyObjects({ &object }))
        return;
    if (command != Command::Copy) {
        delete &object;
        m_surface->NotifyChanged();
        m_surface->update();
    }
}

void ObjectMenu::clone(TVGraphicControl &object)
{
    QString error;
    TVGraphicControl *copy = TVLabelObjectFiler::cloneObject(object, &error);
    if (!copy) {
        CommonDialogs::ShowInformation(m_surface, error);
        return;
    }
    TVHandle &handle = m_surface->handle();
    if (handle.IndexOfSelected(&object) >= 0) {
        handle.RemoveFromSelection(&object);
        handle.AddToSelection(copy);
        handle.releaseCapture();
    }
    m_surface->HookAllObjects();
    m_surface->update();
}
