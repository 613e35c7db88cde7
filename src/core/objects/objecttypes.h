#pragma once

#include <QStringList>
#include <QtGlobal>

// Enumerations of the placed objects. Records store them by name, so the
// names below are part of the file format and must not change.

enum TAlignment : quint8 { taLeftJustify, taRightJustify, taCenter };
enum TBorderStyle : quint8 { bsNone, bsSingle };
enum THighlightDirection : quint8 { hdNone, hdright, hdLeft, hdUpRight, hdUpLeft, hdUp };
enum TShadowDirection : quint8 { sdNone, sdRight, sdLeft, sdDownRight, sdDownLeft, sdDown };
// The SuperText's shadow uses the same names as the label's.
using TShadowOrientation = TShadowDirection;
enum TFillDirection : quint8 { gdUp, gdDown, gdLeft, gdRight };
enum TPenStyle : quint8 { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TSurfaceType : quint8 { stNormal, stBrushTransparent, stBrushImage, stGradientFill };
enum TFlatCalBorderStyle : quint8 { fcbNone, fcbAll, fcbTop, fcbBottom, fcbTopBottom };
enum TFlatCalHeadersStyle : quint8 { fdsFirstChar, fdsThreeChars, fdsWhole };
enum TFlatShadowPosition : quint8 { fcpLowerRight, fcpLowerLeft, fcpUpperRight, fcpUpperLeft };
enum TFlatCalLanguage : quint8 { fclEnglish, fclGerman, fclFrench, fclItalian, fclSpanish };
// 1 = Sunday first, 2 = Monday first; the type holds 0 to 7.
using TFCDayOfWeek = quint8;

// Each enumeration's value names in ordinal order, as records write them.
[[nodiscard]] const QStringList &alignmentNames();
[[nodiscard]] const QStringList &borderStyleNames();
[[nodiscard]] const QStringList &highlightDirectionNames();
[[nodiscard]] const QStringList &shadowDirectionNames();
[[nodiscard]] const QStringList &fillDirectionNames();
[[nodiscard]] const QStringList &penStyleNames();
[[nodiscard]] const QStringList &surfaceTypeNames();
[[nodiscard]] const QStringList &flatCalBorderStyleNames();
[[nodiscard]] const QStringList &flatCalHeadersStyleNames();
[[nodiscard]] const QStringList &flatShadowPositionNames();
[[nodiscard]] const QStringList &flatCalLanguageNames();
