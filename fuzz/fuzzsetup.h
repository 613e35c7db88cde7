#pragma once

// What every harness needs before its first input. Include it in exactly
// one file per harness and call startOffscreenApplication() from
// LLVMFuzzerInitialize.
#include <QGuiApplication>

#include <cstdlib>

// Fontconfig keeps its caches for the life of the process; they are not leaks.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig\n";
}

// Fonts and images want a GUI application; the offscreen platform needs no display.
inline void startOffscreenApplication(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
}
