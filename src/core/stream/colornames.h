#pragma once

#include "base/color.h"

#include <QString>

// The classic colour-constant names records use for colours that have one
// ("clWhite", "clBtnFace"); any other colour is stored as an integer.
namespace ColorNames {

// The name of a colour, or an empty text when it has none.
[[nodiscard]] QString colorToIdent(TColor color);
// Compared without regard to case; false for an unknown name.
[[nodiscard]] bool identToColor(const QString &ident, TColor *color);

} // namespace ColorNames
