#include "objects/objecttypes.h"

// clang-format off
const QStringList &alignmentNames() { static const QStringList n { "taLeftJustify", "taRightJustify", "taCenter" }; return n; }
const QStringList &borderStyleNames() { static const QStringList n { "bsNone", "bsSingle" }; return n; }
const QStringList &highlightDirectionNames() { static const QStringList n { "hdNone", "hdright", "hdLeft", "hdUpRight", "hdUpLeft", "hdUp" }; return n; }
const QStringList &shadowDirectionNames() { static const QStringList n { "sdNone", "sdRight", "sdLeft", "sdDownRight", "sdDownLeft", "sdDown" }; return n; }
const QStringList &fillDirectionNames() { static const QStringList n { "gdUp", "gdDown", "gdLeft", "gdRight" }; return n; }
const QStringList &penStyleNames() { static const QStringList n { "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame" }; return n; }
const QStringList &surfaceTypeNames() { static const QStringList n { "stNormal", "stBrushTransparent", "stBrushImage", "stGradientFill" }; return n; }
const QStringList &flatCalBorderStyleNames() { static const QStringList n { "fcbNone", "fcbAll", "fcbTop", "fcbBottom", "fcbTopBottom" }; return n; }
const QStringList &flatCalHeadersStyleNames() { static const QStringList n { "fdsFirstChar", "fdsThreeChars", "fdsWhole" }; return n; }
const QStringList &flatShadowPositionNames() { static const QStringList n { "fcpLowerRight", "fcpLowerLeft", "fcpUpperRight", "fcpUpperLeft" }; return n; }
const QStringList &flatCalLanguageNames() { static const QStringList n { "fclEnglish", "fclGerman", "fclFrench", "fclItalian", "fclSpanish" }; return n; }
// clang-format on
