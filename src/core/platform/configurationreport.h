#pragma once

#include "platform/preferences.h"
#include "platform/systeminformation.h"

#include <QDate>
#include <QLocale>
#include <QSize>
#include <QStringList>

// The plain-text report about the program, the computer and the
// preferences that the user can copy for technical support.
namespace ConfigurationReport {

struct Facts
{
    QDate today;
    QLocale userLocale;
    QLocale systemLocale;
    SystemInformation system;
    QSize screenSize;
    int screenDepth = 0; // bits per pixel
    int logicalDpi = 96;
    Preferences preferences;
};

// The report, one entry per line.
[[nodiscard]] QStringList lines(const Facts &facts);

// Colours a screen of so many bits per pixel shows; other depths are
// given back unchanged.
[[nodiscard]] qint64 colorCount(int bitsPerPixel);

} // namespace ConfigurationReport
