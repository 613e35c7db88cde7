#pragma once

#include "base/color.h"
#include "base/rect.h"

#include "objects/objecttypes.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

// The SuperText's layout, in its own pixels at one zoom.
struct SuperTextLayout
{
    QPoint offset; // (dx, dy), scaled
    int textHeight = 0; // h
    int textWidth = 0; // w: the caption followed by one blank
    QSize size; // the object's size after the adjustment to the text
    TRect textRect;
    TRect shadowRect;
};

struct SuperTextLayoutInput
{
    QFont font; // at the zoom
    QString caption;
    QPoint shadow; // (dx, dy) unscaled
    float zoom = 1.0f;
    QSize size; // before the adjustment
    bool shrinks = false; // transparent and without border: the height may shrink
};

[[nodiscard]] SuperTextLayout layoutSuperText(const SuperTextLayoutInput &input);

// The 256-band gradient of a size: band 0 (start colour) at the top for gdDown,
// at the left for gdRight; gdUp and gdLeft swap the colours.
[[nodiscard]] QImage superTextGradient(QSize size, TColor from, TColor to, TFillDirection direction);

// The properties dialog's size buttons: steps of 5 points, down only above
// 10 points, up only below 150.
[[nodiscard]] int superTextFontSizeStep(int size, bool up);
