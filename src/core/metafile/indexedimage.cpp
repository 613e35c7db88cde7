#include "metafile/indexedimage.h"

QImage withCompleteColorTable(QImage image)
{
    int full = 0;
    switch (image.format()) {
    case QImage::Format_Indexed8:
        full = 256;
        break;
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        full = 2;
        break;
    default:
        return image;
    }
    QList<QRgb> table = image.colorTable();
    if (table.size() >= full)
        return image;
    while (table.size() < full)
        table.append(qRgb(0, 0, 0));
    image.setColorTable(table);
    return image;
}
