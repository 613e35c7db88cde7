#pragma once

#include <QRect>

// A rectangle given by its four edges, as the page geometry rules state them.
// The right and bottom edges lie outside the area (half-open), so a fill of
// (0, 0, 10, 10) covers 10 x 10 pixels and a hit test on x == right misses.
struct TRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    [[nodiscard]] int width() const { return right - left; }
    [[nodiscard]] int height() const { return bottom - top; }
    [[nodiscard]] bool isNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    [[nodiscard]] bool isEmpty() const { return right <= left || bottom <= top; }
    [[nodiscard]] bool contains(int x, int y) const
    {
        return x >= left && x < right && y >= top && y < bottom;
    }
    [[nodiscard]] QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
    [[nodiscard]] TRect scaled(float zoom) const;

    friend bool operator==(const TRect &a, const TRect &b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    friend bool operator!=(const TRect &a, const TRect &b) { return !(a == b); }
};

// Coordinates are multiplied by the display scale and truncated toward zero.
inline TRect TRect::scaled(float zoom) const
{
    const double z = zoom; // multiplied in double precision, then truncated toward zero
    return { int(left * z), int(top * z), int(right * z), int(bottom * z) };
}
