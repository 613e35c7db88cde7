#pragma once

// For icon tests: icon libraries of solid-coloured icons, written by the
// program's own writer.
#include "icons/iconimage.h"
#include "icons/iconlibrarywriter.h"

#include <QColor>
#include <QFile>
#include <QImage>

// Icon i has the colour colors[i % colors.size()]; false when the file
// cannot be written.
inline bool writeIconLibrary(
    const QString &fileName, int count, const QList<QColor> &colors = { Qt::magenta })
{
    QList<QList<QByteArray>> icons;
    for (int i = 0; i < count; ++i) {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(colors[i % colors.size()]);
        icons.append({ IconImage::encode(image, 32) });
    }
    QFile file(fileName);
    const QByteArray bytes = IconLibraryWriter::write(icons, "TEST");
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
