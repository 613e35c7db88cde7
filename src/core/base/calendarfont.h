#pragma once

#include "base/color.h"

#include <QFont>
#include <QString>

// The page's fonts are described by value rather than held as QFont: the
// files store face, size in points, style set and colour, and two fonts of
// the page compare by those fields alone.
struct CalendarFont
{
    QString name = QStringLiteral("Times New Roman");
    int size = 10; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    TColor color = clBlack;

    // Face, style set and colour; the size is deliberately left out.
    [[nodiscard]] bool sameLook(const CalendarFont &other) const;
    friend bool operator==(const CalendarFont &a, const CalendarFont &b)
    {
        return a.sameLook(b) && a.size == b.size;
    }
    friend bool operator!=(const CalendarFont &a, const CalendarFont &b) { return !(a == b); }

    // The point size after scaling, truncated toward zero as the page draws it.
    [[nodiscard]] int scaledSize(float zoom) const;
    // Character height in page pixels (96 per inch) of a point size, rounded.
    [[nodiscard]] static int pointsToPixels(int points);
    // Character height at zoom, the "font height in pixels" of the geometry rules.
    [[nodiscard]] int pixelHeight(float zoom) const { return pointsToPixels(scaledSize(zoom)); }
    // A QFont sized in pixels, so text measures the same on every device.
    [[nodiscard]] QFont toQFont(float zoom) const;
};
