#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Truevision TGA pictures: colour-mapped, true-colour and grey, plain or
// run-length packed, with or without the version 2 footer.
namespace TgaDecoder {

[[nodiscard]] QImage decode(const QByteArray &data, QString *error = nullptr);

} // namespace TgaDecoder
