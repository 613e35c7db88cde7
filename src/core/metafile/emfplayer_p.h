#pragma once

#include "base/bytereader.h"
#include "metafile/emfplayer.h"
#include "metafile/gdicontext.h"
#include "metafile/gdirecords.h"

#include <vector>

namespace EmfPlayer {

using GdiRecords::colorRef;

// Record types, as enhanced metafiles number them.
enum Record : quint32 {
    Header = 1,
    PolyBezier = 2,
    Polygon = 3,
    Polyline = 4,
    PolyBezierTo = 5,
    PolylineTo = 6,
    PolyPolyline = 7,
    PolyPolygon = 8,
    SetWindowExtEx = 9,
    SetWindowOrgEx = 10,
    SetViewportExtEx = 11,
    SetViewportOrgEx = 12,
    Eof = 14,
    SetPixelV = 15,
    SetMapMode = 17,
    SetBkMode = 18,
    SetPolyFillMode = 19,
    SetRop2 = 20,
    SetTextAlign = 22,
    SetTextColor = 24,
    SetBkColor = 25,
    OffsetClipRgn = 26,
    MoveToEx = 27,
    ExcludeClipRect = 29,
    IntersectClipRect = 30,
    ScaleViewportExtEx = 31,
    ScaleWindowExtEx = 32,
    SaveDc = 33,
    RestoreDc = 34,
    SetWorldTransform = 35,
    ModifyWorldTransform = 36,
    SelectObject = 37,
    CreatePen = 38,
    CreateBrushIndirect = 39,
    DeleteObject = 40,
    AngleArc = 41,
    Ellipse = 42,
    Rectangle = 43,
    RoundRect = 44,
    Arc = 45,
    Chord = 46,
    Pie = 47,
    LineTo = 54,
    ArcTo = 55,
    PolyDraw = 56,
    SetArcDirection = 57,
    SetMiterLimit = 58,
    BeginPath = 59,
    EndPath = 60,
    CloseFigure = 61,
    FillPath = 62,
    StrokeAndFillPath = 63,
    StrokePath = 64,
    SelectClipPath = 67,
    AbortPath = 68,
    FillRgn = 71,
    FrameRgn = 72,
    PaintRgn = 74,
    ExtSelectClipRgn = 75,
    BitBlt = 76,
    StretchBlt = 77,
    SetDiBitsToDevice = 80,
    StretchDiBits = 81,
    ExtCreateFontIndirectW = 82,
    ExtTextOutA = 83,
    ExtTextOutW = 84,
    PolyBezier16 = 85,
    Polygon16 = 86,
    Polyline16 = 87,
    PolyBezierTo16 = 88,
    PolylineTo16 = 89,
    PolyPolyline16 = 90,
    PolyPolygon16 = 91,
    PolyDraw16 = 92,
    CreateMonoBrush = 93,
    CreateDibPatternBrushPt = 94,
    ExtCreatePen = 95,
    AlphaBlend = 114,
    TransparentBlt = 116,
    GradientFill = 118,
};

class Player
{
public:
    Player(const QByteArray &data, GdiContext &context, int handleCount);
    // r covers the record's parameters; record the whole record.
    void record(quint32 type, ByteReader r, ByteReader record);

private:
    GdiObject *object(quint32 index);
    void store(quint32 index, const GdiObject &object);
    void selectObject(quint32 index);
    void deleteObject(quint32 index);
    void polyShape(quint32 type, ByteReader &r, bool small);
    void polyPoly(quint32 type, ByteReader &r, bool small);
    void polyDraw(ByteReader &r, bool small);
    void angleArc(ByteReader &r);
    void textOut(ByteReader &r, const ByteReader &record, bool wide);
    void createFont(ByteReader &r);
    void createPen(ByteReader &r, const ByteReader &record, bool extended);
    void createDibBrush(ByteReader &r, const ByteReader &record);
    void blit(quint32 type, ByteReader &r, const ByteReader &record);
    void setDiBitsToDevice(ByteReader &r, const ByteReader &record);
    void regionRecord(quint32 type, ByteReader &r);
    void gradientFill(ByteReader &r);
    QImage bitmap(const ByteReader &record, quint32 offInfo, quint32 sizeInfo, quint32 offBits,
        quint32 sizeBits, bool alpha) const;

    GdiContext &m_gdi;
    std::vector<GdiObject> m_objects;
};

QPainterPath readRegionData(ByteReader r);
QPointF readPointL(ByteReader &r);
QSizeF readSizeL(ByteReader &r);
QRectF readRectL(ByteReader &r);
QTransform readXform(ByteReader &r);

} // namespace EmfPlayer
