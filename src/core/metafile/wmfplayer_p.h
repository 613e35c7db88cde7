#pragma once

#include "base/bytereader.h"
#include "metafile/gdicontext.h"
#include "metafile/gdirecords.h"
#include "metafile/wmfplayer.h"

#include <vector>

namespace WmfPlayer {

using GdiRecords::colorRef;

// Record functions, as 16-bit metafiles number them.
enum Function : quint16 {
    Eof = 0x0000,
    SaveDc = 0x001E,
    RestoreDc = 0x0127,
    SetBkMode = 0x0102,
    SetBkColor = 0x0201,
    SetTextColor = 0x0209,
    SetMapMode = 0x0103,
    SetRop2 = 0x0104,
    SetPolyFillMode = 0x0106,
    SetTextAlign = 0x012E,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SetViewportOrg = 0x020D,
    SetViewportExt = 0x020E,
    OffsetWindowOrg = 0x020F,
    OffsetViewportOrg = 0x0211,
    ScaleWindowExt = 0x0410,
    ScaleViewportExt = 0x0412,
    MoveTo = 0x0214,
    LineTo = 0x0213,
    Polygon = 0x0324,
    Polyline = 0x0325,
    PolyPolygon = 0x0538,
    Rectangle = 0x041B,
    RoundRect = 0x061C,
    Ellipse = 0x0418,
    Arc = 0x0817,
    Chord = 0x0830,
    Pie = 0x081A,
    SetPixel = 0x041F,
    TextOut = 0x0521,
    ExtTextOut = 0x0A32,
    IntersectClipRect = 0x0416,
    ExcludeClipRect = 0x0415,
    OffsetClipRgn = 0x0220,
    SelectClipRegion = 0x012C,
    SelectObject = 0x012D,
    DeleteObject = 0x01F0,
    CreatePenIndirect = 0x02FA,
    CreateBrushIndirect = 0x02FC,
    CreateFontIndirect = 0x02FB,
    CreatePalette = 0x00F7,
    CreatePatternBrush = 0x01F9,
    DibCreatePatternBrush = 0x0142,
    CreateRegion = 0x06FF,
    FillRegion = 0x0228,
    PaintRegion = 0x012B,
    FrameRegion = 0x0429,
    PatBlt = 0x061D,
    DibBitBlt = 0x0940,
    DibStretchBlt = 0x0B41,
    StretchDib = 0x0F43,
    SetDibToDev = 0x0D33,
};

// Plays records onto a device context, keeping the table of objects they create.
class Player
{
public:
    Player(GdiContext &context, int objectCount);
    void record(quint16 function, ByteReader r, qsizetype words);

private:
    void addObject(const GdiObject &object);
    GdiObject *object(int index);
    void selectObject(int index);
    void createObject(quint16 function, ByteReader &r);
    void paintRegion(quint16 function, ByteReader &r);
    void textOut(ByteReader &r, bool extended);
    void dibBlit(quint16 function, ByteReader &r, qsizetype words);
    QString decodeText(const QByteArray &bytes) const;

    GdiContext &m_gdi;
    int m_limit;
    std::vector<GdiObject> m_objects;
};

QRectF readRect(ByteReader &r);
QPointF readPointYX(ByteReader &r);

} // namespace WmfPlayer
