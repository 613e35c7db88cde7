#include "stream/colornames.h"

namespace ColorNames {

namespace {

struct Entry
{
    TColor color;
    const char *name;
};

// Ordered as the class library lists them; the first name of a value wins.
constexpr Entry kColors[] = {
    { 0x000000, "clBlack" },
    { 0x000080, "clMaroon" },
    { 0x008000, "clGreen" },
    { 0x008080, "clOlive" },
    { 0x800000, "clNavy" },
    { 0x800080, "clPurple" },
    { 0x808000, "clTeal" },
    { 0x808080, "clGray" },
    { 0xC0C0C0, "clSilver" },
    { 0x0000FF, "clRed" },
    { 0x00FF00, "clLime" },
    { 0x00FFFF, "clYellow" },
    { 0xFF0000, "clBlue" },
    { 0xFF00FF, "clFuchsia" },
    { 0xFFFF00, "clAqua" },
    { 0xFFFFFF, "clWhite" },
    { 0x80000000, "clScrollBar" },
    { 0x80000001, "clBackground" },
    { 0x80000002, "clActiveCaption" },
    { 0x80000003, "clInactiveCaption" },
    { 0x80000004, "clMenu" },
    { 0x80000005, "clWindow" },
    { 0x80000006, "clWindowFrame" },
    { 0x80000007, "clMenuText" },
    { 0x80000008, "clWindowText" },
    { 0x80000009, "clCaptionText" },
    { 0x8000000A, "clActiveBorder" },
    { 0x8000000B, "clInactiveBorder" },
    { 0x8000000C, "clAppWorkSpace" },
    { 0x8000000D, "clHighlight" },
    { 0x8000000E, "clHighlightText" },
    { 0x8000000F, "clBtnFace" },
    { 0x80000010, "clBtnShadow" },
    { 0x80000011, "clGrayText" },
    { 0x80000012, "clBtnText" },
    { 0x80000013, "clInactiveCaptionText" },
    { 0x80000014, "clBtnHighlight" },
    { 0x80000015, "cl3DDkShadow" },
    { 0x80000016, "cl3DLight" },
    { 0x80000017, "clInfoText" },
    { 0x80000018, "clInfoBk" },
    { 0x1FFFFFFF, "clNone" },
    { 0x20000000, "clDefault" },
};

} // namespace

QString colorToIdent(TColor color)
{
    for (const Entry &entry : kColors) {
        if (entry.color == color)
            return QString::fromLatin1(entry.name);
    }
    return {};
}

bool identToColor(const QString &ident, TColor *color)
{
    for (const Entry &entry : kColors) {
        if (ident.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
            *color = entry.color;
            return true;
        }
    }
    return false;
}

} // namespace ColorNames
