#pragma once

#include <QRgb>
#include <QtGlobal>

// Two renderers' pixels of the same drawing: alike when no channel differs
// by more than their anti-aliasing does.
inline bool close(QRgb a, QRgb b)
{
    constexpr int tolerance = 48;
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
        && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}
