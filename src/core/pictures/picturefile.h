#pragma once

#include "pictures/picture.h"

#include <QString>
#include <QStringList>

// Picture files a clip-art object loads, chosen by extension.
namespace PictureFile {

// ".BMP", ".DIB", ".JPG", ".JIF", ".PCX", ".RLE", ".TGA", ".WMF", ".ICO", in
// the order the file chooser lists them.
[[nodiscard]] QStringList extensions();
// The chooser's name filter: "*.BMP;*.DIB;...".
[[nodiscard]] QString nameFilter();
[[nodiscard]] bool isSupported(const QString &fileName);

// ".WMF" (and ".EMF") become a metafile picture; every other type a bitmap,
// icons drawn onto white at their own size. The extension is compared in
// upper case. On failure the picture is untouched and the message says why.
bool load(const QString &fileName, Picture *picture, QString *error = nullptr);
bool loadFromData(
    const QByteArray &bytes, const QString &extension, Picture *picture, QString *error = nullptr);

} // namespace PictureFile
