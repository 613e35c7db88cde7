#pragma once

class IniFile;
class QWidget;

// Where windows appear: centred over the main window or the screen, and at
// the rectangle they had last time (kept per screen resolution in DW.ini,
// in a section named after the window's class).
namespace FormPlacement {

// The main window, over which other windows centre; set once at start.
void setMainWindow(QWidget *mainWindow);
[[nodiscard]] QWidget *mainWindow();

// The main window itself centres on the screen; any other window centres on
// the screen while the main window is maximized, else over the main window.
void CenterForm(QWidget *form);

// Restores the stored rectangle (fitted onto the screen) or centres the
// window when none is stored, maximizes it when it was, and stores the
// result at once so the section always exists. False when DW.ini cannot be
// written (the ini file's error() says why).
bool RestoreWindowPlacement(QWidget *form, IniFile &ini);
bool SaveWindowPlacement(const QWidget *form, IniFile &ini);

} // namespace FormPlacement
