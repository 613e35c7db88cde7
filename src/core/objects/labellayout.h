#pragma once

#include "base/rect.h"

#include "objects/objecttypes.h"

#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>

// The text label's layout: everything its drawing needs, worked
// out before any pixel is drawn, in the label's own pixels at one zoom.
struct LabelLayout
{
    int lineHeight = 0; // b: character height with both leadings
    int textWidth = 0; // w: the caption followed by one space
    int needed = 0; // l: height for text, shadow and highlight
    QPoint margin; // (mx, my)
    QSize size; // the label's size after the adjustment to the text
    TRect textRect; // TR
    TRect shadowRect; // SR
    TRect highlightRect; // HR
    QPoint textOrigin; // where each copy's top-left (in its own turned frame) goes
    QPoint shadowOrigin;
    QPoint highlightOrigin;
};

// What the layout is worked out from.
struct LabelLayoutInput
{
    QFont font; // at the zoom, not rotated
    QString caption;
    int angle = 0; // 0, 90, 180 or 270
    TAlignment alignment = taLeftJustify;
    QPoint shadow; // (sx, sy)
    QPoint highlight; // (hx, hy)
    QSize size; // the label's size before the adjustment
};

[[nodiscard]] LabelLayout layoutLabel(const LabelLayoutInput &input);
