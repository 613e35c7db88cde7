#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QString>

class GdiContext;

// Enhanced Metafile records: checking their framing and playing them onto
// a device context.
namespace EmfPlayer {

struct Info
{
    QRectF bounds; // device units, inclusive
    QRectF frame; // hundredths of a millimetre, inclusive
    QSizeF devicePixels;
    QSizeF deviceMillimetres;
    int handleCount = 0;
    qsizetype end = 0; // offset just past the end-of-file record
};

[[nodiscard]] bool inspect(const QByteArray &data, Info *info, QString *error);
void play(const QByteArray &data, const Info &info, GdiContext &context);

} // namespace EmfPlayer
