#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QTransform>
#include <QVector>

// The drawing objects and device-context state that Windows metafiles
// select and change; shared by the WMF and EMF players.

namespace Gdi {
enum PenStyle {
    PsSolid = 0,
    PsDash = 1,
    PsDot = 2,
    PsDashDot = 3,
    PsDashDotDot = 4,
    PsNull = 5,
    PsInsideFrame = 6,
    PsUserStyle = 7,
    PsAlternate = 8,
    PsStyleMask = 0xf,
    PsEndcapMask = 0xf00,
    PsEndcapSquare = 0x100,
    PsEndcapFlat = 0x200,
    PsJoinMask = 0xf000,
    PsJoinBevel = 0x1000,
    PsJoinMiter = 0x2000,
    PsGeometric = 0x10000
};
enum BrushStyle {
    BsSolid = 0,
    BsNull = 1,
    BsHatched = 2,
    BsPattern = 3,
    BsDibPattern = 5,
    BsDibPatternPt = 6
};
enum MapMode {
    MmText = 1,
    MmLoMetric = 2,
    MmHiMetric = 3,
    MmLoEnglish = 4,
    MmHiEnglish = 5,
    MmTwips = 6,
    MmIsotropic = 7,
    MmAnisotropic = 8
};
enum TextAlign {
    TaUpdateCp = 1,
    TaRight = 2,
    TaCenter = 6,
    TaHorizontalMask = 6,
    TaBottom = 8,
    TaBaseline = 24,
    TaVerticalMask = 24
};
enum ExtTextOption { EtoOpaque = 2, EtoClipped = 4, EtoPdy = 0x2000 };
enum RegionMode { RgnAnd = 1, RgnOr = 2, RgnXor = 3, RgnDiff = 4, RgnCopy = 5 };
enum Rop2 { R2Nop = 11 };
enum RasterOp : quint32 {
    SrcCopy = 0x00CC0020,
    SrcPaint = 0x00EE0086,
    SrcAnd = 0x008800C6,
    SrcInvert = 0x00660046,
    PatCopy = 0x00F00021,
    Blackness = 0x00000042,
    Whiteness = 0x00FF0062,
    DstInvert = 0x00550009,
    PatInvert = 0x005A0049,
    NotSrcCopy = 0x00330008,
    MergeCopy = 0x00C000CA
};
} // namespace Gdi

struct GdiPen
{
    int style = Gdi::PsSolid;
    double width = 0; // logical units; 0 is one device pixel
    QColor color = Qt::black;
    QVector<qreal> dashes; // user style, in logical units
};

struct GdiBrush
{
    int style = Gdi::BsSolid;
    QColor color = Qt::white;
    int hatch = 0;
    QImage pattern;
};

struct GdiFont
{
    double height = 0; // negative: character height; positive: cell height
    double width = 0;
    int escapement = 0; // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = 0;
    QString faceName;
};

struct GdiObject
{
    enum class Kind { Empty, Pen, Brush, Font, Region, Palette };
    Kind kind = Kind::Empty;
    GdiPen pen;
    GdiBrush brush;
    GdiFont font;
    QPainterPath region;
};

struct GdiState
{
    GdiPen pen;
    GdiBrush brush;
    GdiFont font;
    QColor textColor = Qt::black;
    QColor backgroundColor = Qt::white;
    bool opaqueBackground = true;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    int textAlign = 0;
    int rop2 = 13;
    bool clockwiseArcs = false;
    double miterLimit = 10;
    int mapMode = Gdi::MmText;
    QPointF windowOrg;
    QSizeF windowExt { 1, 1 };
    QPointF viewportOrg;
    QSizeF viewportExt { 1, 1 };
    QTransform world;
    QPointF currentPos; // logical units
    bool hasClip = false;
    QPainterPath clip; // page units

    // Makes a pen, brush or font the current one; false for other kinds,
    // which each player selects in its own way.
    bool select(const GdiObject &object)
    {
        switch (object.kind) {
        case GdiObject::Kind::Pen:
            pen = object.pen;
            return true;
        case GdiObject::Kind::Brush:
            brush = object.brush;
            return true;
        case GdiObject::Kind::Font:
            font = object.font;
            return true;
        default:
            return false;
        }
    }
};
