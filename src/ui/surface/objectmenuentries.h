#pragma once

#include <QStringList>

#include <functional>

class QAction;
class QMenu;
class TVBasePanel;
class TVGraphicControl;

// The pieces the kinds' own object-menu entries are made of. Every change
// made from a menu ends the same way (settle): the object stores the size
// its layout gives it, so frame and hit tests agree with the drawing, and
// the page hears of the change.
namespace ObjectMenuEntries {

using Change = std::function<void()>;

// changed: tell the page (a cancelled dialog changed nothing, unless the
// layout moved the object's bounds, which reports itself).
void settle(TVBasePanel &panel, TVGraphicControl &object, bool changed = true);

// An entry whose command changes the object, then settles it.
QAction *addChange(
    QMenu &menu, TVBasePanel &panel, TVGraphicControl &object, const QString &text, Change change);
// The same, checkable, carrying the given check mark.
QAction *addToggle(QMenu &menu, TVBasePanel &panel, TVGraphicControl &object, const QString &text,
    bool checked, Change toggle, bool enabled = true);
// A submenu of exclusive entries, the current one checked; choosing one
// runs choose with its index, then settles the object.
QMenu *addChoices(QMenu &menu, TVBasePanel &panel, TVGraphicControl &object, const QString &title,
    const QStringList &entries, int current, std::function<void(int)> choose);
// An entry that opens something (a dialog that settles on its own).
QAction *addCommand(QMenu &menu, const QString &text, Change command);

} // namespace ObjectMenuEntries
