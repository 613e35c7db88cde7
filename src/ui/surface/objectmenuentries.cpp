#include "surface/objectmenuentries.h"

#include "surface/commandpictures.h"
#include "surface/vbasepanel.h"

#include "objects/vgraphiccontrol.h"

#include <QActionGroup>
#include <QMenu>
#include <QPointer>

namespace ObjectMenuEntries {

void settle(TVBasePanel &panel, TVGraphicControl &object, bool changed)
{
    object.layOut();
    if (changed)
        panel.NotifyChanged();
    panel.update();
}

namespace {

// The menu may outlive the surface when a queued event closes the page.
Change settling(TVBasePanel &panel, TVGraphicControl &object, const QString &name, Change change)
{
    QPointer<TVBasePanel> surface(&panel);
    return [surface, &object, name, change = std::move(change)] {
        if (!surface)
            return;
        surface->nameNextChange(name);
        change();
        settle(*surface, object);
    };
}

} // namespace

QAction *addChange(
    QMenu &menu, TVBasePanel &panel, TVGraphicControl &object, const QString &text, Change change)
{
    return addCommand(menu, text, settling(panel, object, text, std::move(change)));
}

QAction *addToggle(QMenu &menu, TVBasePanel &panel, TVGraphicControl &object, const QString &text,
    bool checked, Change toggle, bool enabled)
{
    QAction *action = addChange(menu, panel, object, text, std::move(toggle));
    action->setCheckable(true);
    action->setChecked(checked);
    action->setEnabled(enabled);
    return action;
}

QMenu *addChoices(QMenu &menu, TVBasePanel &panel, TVGraphicControl &object, const QString &title,
    const QStringList &entries, int current, std::function<void(int)> choose)
{
    QMenu *sub = menu.addMenu(title);
    auto *group = new QActionGroup(sub);
    for (int i = 0; i < entries.size(); ++i) {
        QAction *action = addChange(*sub, panel, object, entries[i], [choose, i] { choose(i); });
        action->setCheckable(true);
        action->setChecked(i == current);
        group->addAction(action);
    }
    return sub;
}

QAction *addCommand(QMenu &menu, const QString &text, Change command)
{
    QAction *action = menu.addAction(text);
    CommandPictures::apply(action);
    QObject::connect(action, &QAction::triggered, &menu, std::move(command));
    return action;
}

} // namespace ObjectMenuEntries
