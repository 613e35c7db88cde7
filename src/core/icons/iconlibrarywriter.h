#pragma once

#include <QByteArray>
#include <QList>

// Writes an icon library: a 16-bit Windows library (NE) that holds only
// icon resources, one group-icon resource per icon, numbered from 1 in
// order, each naming its pictures as icon resources. Its own format of
// the icon files of old; no library writes it.
namespace IconLibraryWriter {

// Each icon is a list of pictures as IconImage::encode gives them; empty
// when the pictures do not fit the format (over 64 KB shifted units).
[[nodiscard]] QByteArray write(const QList<QList<QByteArray>> &icons, const QByteArray &moduleName);

} // namespace IconLibraryWriter
