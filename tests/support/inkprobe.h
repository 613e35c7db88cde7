#pragma once

#include "objects/vgraphiccontrol.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <functional>

// Pixel probes for drawings: the box of the pixels a test calls ink, and
// the usual kinds of ink. A pixel counts when more than half covered, so
// two copies of one glyph give boxes that differ by exactly their offset.
namespace InkProbe {

using Ink = std::function<bool(QRgb)>;

inline QRect box(const QImage &image, const Ink &ink, const QRect &within = QRect())
{
    const QRect area = within.isNull() ? image.rect() : within.intersected(image.rect());
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!ink(image.pixel(x, y)))
                continue;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    return left > right ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

inline bool dark(QRgb p)
{
    return qRed(p) < 128 && qGreen(p) < 128 && qBlue(p) < 128;
}

inline bool reddish(QRgb p)
{
    return qRed(p) >= 128 && qGreen(p) < 128 && qBlue(p) < 128;
}

inline bool notWhite(QRgb p)
{
    return p != qRgb(255, 255, 255);
}

inline bool near(QRgb a, QRgb b, int tolerance)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
        && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

inline QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

constexpr QRgb kGrey = 0xFF808080; // a ground no object paints with

// The object drawn at a scale onto a picture of the given size and ground.
inline QImage drawn(const TVGraphicControl &object, QSize size, float scale = 1.0f, QRgb ground = 0xFFFFFFFF)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(ground);
    QPainter painter(&image);
    object.paint(painter, scale);
    return image;
}

} // namespace InkProbe
