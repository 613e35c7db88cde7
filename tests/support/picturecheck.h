#pragma once

// Whether pictures are drawn sharp at every size and display scale: an icon
// asked for at 32 pixels must be drawn for 32, not be its 16-pixel drawing
// blown up, and a button painted at a device pixel ratio must show the
// picture drawn for that ratio.
#include <QAction>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QToolButton>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <iterator>

namespace PictureCheck {

// Pixels (premultiplied ARGB) that differ by more than rounding in any channel.
inline bool differs(QRgb a, QRgb b)
{
    const int shifts[] = { 0, 8, 16, 24 };
    return std::any_of(std::begin(shifts), std::end(shifts),
        [&](int s) { return std::abs(int((a >> s) & 0xff) - int((b >> s) & 0xff)) > 3; });
}

inline QImage premultiplied(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

inline int differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return INT_MAX;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += differs(a.pixel(x, y), b.pixel(x, y));
    return count;
}

// The icon's rendering for `size` device pixels, and its rendering for half
// that size scaled up as a pixmap would be.
inline QImage drawnAt(const QIcon &icon, int size)
{
    return premultiplied(icon.pixmap(QSize(size, size), 1.0));
}
inline QImage blownUp(const QIcon &icon, int size)
{
    return drawnAt(icon, size / 2).scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Whether the icon has a drawing of its own at 32 pixels: one in ten of its
// pixels at least differs from the 16-pixel drawing blown up.
inline bool sharpAt32(const QIcon &icon)
{
    const QImage sharp = drawnAt(icon, 32);
    return sharp.size() == QSize(32, 32) && differingPixels(sharp, blownUp(icon, 32)) > 32 * 32 / 10;
}

// The button as the screen shows it, compared with the same button showing
// the picture drawn for the screen's pixel ratio and showing the 1:1
// picture blown up: the pixels by which it differs from each.
struct Fit
{
    int sharp;
    int blurred;
};
inline Fit buttonFit(QToolButton *button)
{
    const QIcon icon = button->icon();
    const qreal ratio = button->devicePixelRatio();
    const QSize size = button->iconSize();
    const QIcon::Mode mode = button->isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QIcon::State state = button->isChecked() ? QIcon::On : QIcon::Off;
    const QImage shot = premultiplied(button->grab());
    const auto showing = [&](QPixmap picture) {
        picture.setDevicePixelRatio(ratio);
        button->setIcon(QIcon(picture));
        const QImage result = premultiplied(button->grab());
        button->setIcon(icon);
        return result;
    };
    const QPixmap sharp = icon.pixmap(size, ratio, mode, state);
    const QPixmap blurred = icon.pixmap(size, 1.0, mode, state)
                                .scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return { differingPixels(shot, showing(sharp)), differingPixels(shot, showing(blurred)) };
}

// What is wrong with the button's picture, empty when nothing: none at all,
// no drawing for large sizes, or not the drawing for the screen's ratio.
inline QString fault(QToolButton *button)
{
    const QString name
        = button->defaultAction() ? button->defaultAction()->objectName() : button->objectName();
    if (button->icon().isNull())
        return name + QStringLiteral(" has no picture");
    if (!sharpAt32(button->icon()))
        return name + QStringLiteral(" has no drawing for 32 pixels");
    const Fit fit = buttonFit(button);
    if (fit.sharp != 0)
        return name + QStringLiteral(" does not show its picture");
    if (button->devicePixelRatio() > 1 && fit.blurred <= button->iconSize().width() * 2)
        return name + QStringLiteral(" shows its picture blown up");
    return {};
}

} // namespace PictureCheck
