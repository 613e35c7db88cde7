#pragma once

#include <QtGlobal>

class QColor;

// A colour as the files hold it: low byte red, then green, then blue.
using TColor = quint32;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clWindowText = 0x80000008;

// A system colour slot (high byte 0x80) becomes its plain colour.
[[nodiscard]] TColor resolveColor(TColor color);
[[nodiscard]] QColor toQColor(TColor color);
[[nodiscard]] TColor fromQColor(const QColor &color);
