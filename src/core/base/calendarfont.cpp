#include "base/calendarfont.h"

#include "base/pageresolution.h"

bool CalendarFont::sameLook(const CalendarFont &other) const
{
    return name == other.name && bold == other.bold && italic == other.italic && underline == other.underline
        && strikeout == other.strikeout && color == other.color;
}

int CalendarFont::scaledSize(float zoom) const
{
    return int(size * double(zoom));
}

int CalendarFont::pointsToPixels(int points)
{
    // Multiply then divide with rounding, half away from zero.
    const int product = points * kScreenPpi;
    return product >= 0 ? (product + 36) / 72 : -((-product + 36) / 72);
}

QFont CalendarFont::toQFont(float zoom) const
{
    QFont font(name);
    font.setPixelSize(qMax(1, pixelHeight(zoom)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeout);
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
