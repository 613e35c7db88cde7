#pragma once

#include <QIcon>
#include <QStringList>

class QAction;

// The program's pictures for buttons, menus and windows. A picture is named
// by the desktop's standard icon name where one exists ("zoom-in",
// "document-print"), so it follows the user's icon theme; names beginning
// with "datewright-" are pictures only this program has. Every name has a
// drawing of ours, compiled into the program as SVG, that stands in
// wherever the theme has no such icon.
namespace Pictures {

// The theme's icon of that name, else ours.
[[nodiscard]] QIcon icon(const QString &name);
// Our own drawing, whatever the theme holds; null for an unknown name.
[[nodiscard]] QIcon ownIcon(const QString &name);
// The names of all our drawings.
[[nodiscard]] QStringList ownNames();
// The program's icon, drawn for small sizes apart so it stays clear there.
[[nodiscard]] QIcon applicationIcon();
// Gives the action the picture of that name.
void set(QAction *action, const QString &name);

} // namespace Pictures
