#pragma once

class QAction;

// The object and surface menus share their commands' captions; this gives
// each command the same picture in every menu it appears in.
namespace CommandPictures {

// Sets the picture that belongs to the action's caption, if it has one.
void apply(QAction *action);

} // namespace CommandPictures
