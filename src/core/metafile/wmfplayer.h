#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>

class GdiContext;

// Windows Metafile (16-bit) records: checking their framing and playing
// them onto a device context.
namespace WmfPlayer {

struct Info
{
    qsizetype recordsStart = 0; // offset of the first record
    qsizetype recordsEnd = 0; // offset just past the end-of-file record
    int objectCount = 0;
    bool placeable = false;
    QRectF bounds; // placeable: logical bounds
    int unitsPerInch = 0; // placeable only
    bool hasWindow = false; // the records set a window origin and extent
    QRectF window;
};

// Checks the headers and that every record lies inside the data and the
// last one ends the file. start is 0 for a file, or past a placeable header.
[[nodiscard]] bool inspect(const QByteArray &data, Info *info, QString *error);
void play(const QByteArray &data, const Info &info, GdiContext &context);

} // namespace WmfPlayer
