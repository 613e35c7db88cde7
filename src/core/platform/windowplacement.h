#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class IniFile;

// A window's normal rectangle and maximized state, kept per screen
// resolution in the preferences file ("TCalendarMain_Placement", or
// "TCalendarMain_Placement120" at 120 pixels per inch).
struct WindowPlacement
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool maximized = false;

    [[nodiscard]] static QString sectionName(const QString &className, int pixelsPerInch);

    // A stored "Bottom" of 0 means no rectangle: the window is centred instead.
    [[nodiscard]] bool hasRectangle() const { return bottom != 0; }
    // Shifts a rectangle that overhangs the screen back onto it, cutting it
    // to the screen's width or height.
    [[nodiscard]] QRect fittedTo(const QSize &screen) const;

    void load(const IniFile &ini, const QString &section, bool maximizedByDefault);
    bool save(IniFile &ini, const QString &section) const;
};
