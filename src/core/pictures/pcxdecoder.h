#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// ZSoft PCX pictures: 1, 2, 4 and 8 bits per pixel in one plane, four
// one-bit planes (EGA) and three or four eight-bit planes (true colour).
namespace PcxDecoder {

[[nodiscard]] QImage decode(const QByteArray &data, QString *error = nullptr);

} // namespace PcxDecoder
