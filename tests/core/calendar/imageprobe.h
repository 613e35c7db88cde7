#pragma once

// Reading rendered pages back: pixel probes, ink counts and keeping the
// image of a failed probe for a look.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QtTest>

namespace ImageProbe {

inline constexpr QRgb kBlack = 0xFF000000;
inline constexpr QRgb kWhite = 0xFFFFFFFF;

// Keeps an image in the temporary folder, named after the running test row.
[[nodiscard]] inline QString keepImage(const QImage &image)
{
    QString tag = QString::fromLatin1(QTest::currentTestFunction());
    if (const char *row = QTest::currentDataTag())
        tag += QLatin1Char('-') + QString::fromLatin1(row);
    tag.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    const QString name = QStringLiteral("%1-%2.png").arg(QCoreApplication::applicationName(), tag);
    const QString path = QDir::temp().filePath(name);
    image.save(path);
    return path;
}

[[nodiscard]] inline QString pixelMismatch(const QImage &image, int x, int y, QRgb want, const char *what)
{
    const QRgb got = image.pixel(x, y) | 0xFF000000;
    if (got == want)
        return {};
    return QStringLiteral("%1 at (%2, %3): got #%4, want #%5; image in %6")
        .arg(QLatin1String(what))
        .arg(x)
        .arg(y)
        .arg(got & 0xFFFFFF, 6, 16, QLatin1Char('0'))
        .arg(want & 0xFFFFFF, 6, 16, QLatin1Char('0'))
        .arg(keepImage(image));
}

#define EXPECT_PIXEL(image, x, y, want, what)                                                                \
    do {                                                                                                     \
        const QString mismatch_ = ImageProbe::pixelMismatch(image, x, y, want, what);                        \
        QVERIFY2(mismatch_.isEmpty(), qPrintable(mismatch_));                                                \
    } while (false)

[[nodiscard]] inline bool isInk(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// Dark pixels (text or lines) inside a rectangle (inclusive edges).
[[nodiscard]] inline int inkIn(const QImage &image, const QRect &area)
{
    int count = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            count += isInk(image.pixel(x, y)) ? 1 : 0;
    return count;
}

[[nodiscard]] inline QRect inkBounds(const QImage &image, const QRect &area)
{
    QRect bounds;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (isInk(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

[[nodiscard]] inline int pixelsOf(const QImage &image, const QRect &area, QRgb color)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += (image.pixel(x, y) | 0xFF000000) == color ? 1 : 0;
    return count;
}

} // namespace ImageProbe
