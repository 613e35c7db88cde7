#include "base/color.h"

#include <QColor>

#include <iterator>

// Default colours of the system colour slots (index = low byte) that
// files may name, as a standard desktop theme shows them.
static const TColor kSystemColors[] = {
    0xC8D0D4,
    0xA56E3A,
    0x6A240A,
    0x808080,
    0xC8D0D4,
    0xFFFFFF,
    0x000000,
    0x000000,
    0x000000,
    0xFFFFFF,
    0xC8D0D4,
    0xC8D0D4,
    0x808080,
    0x6A240A,
    0xFFFFFF,
    0xC8D0D4,
    0x808080,
    0x808080,
    0x000000,
    0xC8D0D4,
    0xFFFFFF,
    0x404040,
    0xC8D0D4,
    0x000000,
    0xE1FFFF,
    0xB5B5B5,
    0x800000,
    0xF0CAA6,
    0xC0C0C0,
};

TColor resolveColor(TColor color)
{
    if ((color & 0xFF000000u) == 0x80000000u) {
        const quint32 index = color & 0xFFu;
        return index < std::size(kSystemColors) ? kSystemColors[index] : clBlack;
    }
    return color & 0xFFFFFFu;
}

QColor toQColor(TColor color)
{
    color = resolveColor(color);
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

TColor fromQColor(const QColor &color)
{
    return TColor(color.red()) | (TColor(color.green()) << 8) | (TColor(color.blue()) << 16);
}
