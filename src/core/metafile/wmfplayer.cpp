// The WMF and EMF players are our own. The Debian libraries were weighed:
// libwmf reads only 16-bit metafiles and renders through its own device
// layers (gd, X11, EPS), not onto a QPainter; libUEMF parses and writes
// records but draws nothing. Either way the drawing half, which is the bulk
// of the work, would be ours, and playing onto QPainter keeps every picture
// vector on screens, images, PDF and printers.
#include "metafile/wmfplayer.h"

#include "base/bytereader.h"
#include "metafile/dib.h"
#include "metafile/gdicontext.h"
#include "metafile/gdirecords.h"
#include "platform/codepage1252.h"

#include <QPainterPath>

#include <vector>

namespace WmfPlayer {

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr int kMaxObjects = 65535;

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

using GdiRecords::colorRef;

// Rectangles are stored bottom, right, top, left.
QRectF readRect(ByteReader &r)
{
    const int bottom = r.i16();
    const int right = r.i16();
    const int top = r.i16();
    const int left = r.i16();
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QPointF readPointYX(ByteReader &r)
{
    const int y = r.i16();
    const int x = r.i16();
    return QPointF(x, y);
}

QPolygonF readPoints(ByteReader &r, int count)
{
    QPolygonF points;
    if (count < 0 || !r.has(qsizetype(count) * 4))
        return points;
    points.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int x = r.i16();
        const int y = r.i16();
        points.append(QPointF(x, y));
    }
    return points;
}

QPainterPath readRegion(ByteReader r)
{
    // nextInChain, objectType, objectCount, regionSize, scanCount, maxScan, bounds
    r.skip(2 + 2 + 4 + 2);
    const int scanCount = r.u16();
    r.skip(2 + 8);
    QPainterPath path;
    for (int s = 0; s < scanCount && r.ok(); ++s) {
        const int count = r.u16();
        const int top = r.i16();
        const int bottom = r.i16();
        for (int i = 0; i + 1 < count && r.ok(); i += 2) {
            const int left = r.i16();
            const int right = r.i16();
            if (r.ok())
                path.addRect(QRectF(QPointF(left, top), QPointF(right, bottom)).normalized());
        }
        r.u16();
    }
    return path;
}

class Player
{
public:
    Player(GdiContext &context, int objectCount)
        : m_gdi(context)
        , m_limit(std::clamp(objectCount, 1, kMaxObjects))
    {
    }
    void record(quint16 function, ByteReader r, qsizetype words);

private:
    void addObject(const GdiObject &object);
    GdiObject *object(int index);
    void selectObject(int index);
    void textOut(ByteReader &r, bool extended);
    void dibBlit(quint16 function, ByteReader &r, qsizetype words);
    QString decodeText(const QByteArray &bytes) const;

    GdiContext &m_gdi;
    int m_limit;
    std::vector<GdiObject> m_objects;
};

void Player::addObject(const GdiObject &o)
{
    for (GdiObject &slot : m_objects) {
        if (slot.kind == GdiObject::Kind::Empty) {
            slot = o;
            return;
        }
    }
    if (int(m_objects.size()) < m_limit)
        m_objects.push_back(o);
}

GdiObject *Player::object(int index)
{
    if (index < 0 || index >= int(m_objects.size())
        || m_objects[size_t(index)].kind == GdiObject::Kind::Empty)
        return nullptr;
    return &m_objects[size_t(index)];
}

void Player::selectObject(int index)
{
    GdiObject *o = object(index);
    if (!o)
        return;
    if (!m_gdi.state().select(*o) && o->kind == GdiObject::Kind::Region)
        m_gdi.combineClip(&o->region, Gdi::RgnCopy);
}

QString Player::decodeText(const QByteArray &bytes) const
{
    return CodePage1252::toUnicode(bytes);
}

void Player::textOut(ByteReader &r, bool extended)
{
    QPointF at;
    int count = 0;
    int options = 0;
    QRectF box;
    QByteArray bytes;
    if (extended) {
        at = readPointYX(r);
        count = r.i16();
        options = r.u16();
        if (options & (Gdi::EtoOpaque | Gdi::EtoClipped)) {
            const int left = r.i16();
            const int top = r.i16();
            const int right = r.i16();
            const int bottom = r.i16();
            box = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
        }
        bytes = r.bytes(std::max(count, 0));
        if (count & 1)
            r.skip(1);
    } else {
        count = r.i16();
        bytes = r.bytes(std::max(count, 0));
        if (count & 1)
            r.skip(1);
        at = readPointYX(r);
    }
    if (!r.ok() || count < 0)
        return;
    QVector<qreal> dx;
    if (extended && r.has(qsizetype(count) * 2)) {
        dx.reserve(count);
        for (int i = 0; i < count; ++i)
            dx.append(r.i16());
    }
    m_gdi.textOut(at, decodeText(bytes), dx, options, box);
}

void Player::dibBlit(quint16 function, ByteReader &r, qsizetype words)
{
    const quint32 rop = r.u32();
    QRectF source;
    QRectF dest;
    const bool withBitmap = words > qsizetype(function >> 8) + 3;
    if (function == StretchDib) {
        r.u16(); // colour usage
        const int sh = r.i16(), sw = r.i16(), sy = r.i16(), sx = r.i16();
        const int dh = r.i16(), dw = r.i16(), dy = r.i16(), dxp = r.i16();
        source = QRectF(sx, sy, sw, sh);
        dest = QRectF(dxp, dy, dw, dh);
    } else if (function == DibStretchBlt) {
        const int sh = r.i16(), sw = r.i16(), sy = r.i16(), sx = r.i16();
        if (!withBitmap)
            r.skip(2);
        const int dh = r.i16(), dw = r.i16(), dy = r.i16(), dxp = r.i16();
        source = QRectF(sx, sy, sw, sh);
        dest = QRectF(dxp, dy, dw, dh);
    } else { // DibBitBlt
        const int sy = r.i16(), sx = r.i16();
        if (!withBitmap)
            r.skip(2);
        const int h = r.i16(), w = r.i16(), dy = r.i16(), dxp = r.i16();
        source = QRectF(sx, sy, w, h);
        dest = QRectF(dxp, dy, w, h);
    }
    if (!r.ok())
        return;
    if (!withBitmap) {
        m_gdi.patBlt(dest, rop);
        return;
    }
    const QImage image = Dib::decodePacked(r.bytes(r.remaining()));
    if (image.isNull())
        return;
    // Source rows count from the bitmap's bottom in a bottom-up DIB, but
    // writers use the top-left convention in practice; a full-size source
    // is by far the common case.
    m_gdi.drawImage(dest, image, source, rop);
}

void Player::record(quint16 function, ByteReader r, qsizetype words)
{
    GdiState &s = m_gdi.state();
    switch (function) {
    case SaveDc:
        m_gdi.saveDC();
        break;
    case RestoreDc:
        m_gdi.restoreDC(r.i16());
        break;
    case SetBkMode:
        s.opaqueBackground = r.u16() == 2;
        break;
    case SetBkColor:
        s.backgroundColor = colorRef(r.u32());
        break;
    case SetTextColor:
        s.textColor = colorRef(r.u32());
        break;
    case SetMapMode:
        // Old metafiles are played into the picture's frame whatever their
        // mode; only the isotropic mode changes how the window fits.
        m_gdi.setMapMode(r.u16() == Gdi::MmIsotropic ? Gdi::MmIsotropic : Gdi::MmAnisotropic);
        break;
    case SetRop2:
        s.rop2 = r.u16();
        break;
    case SetPolyFillMode:
        s.fillRule = r.u16() == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case SetTextAlign:
        s.textAlign = r.u16();
        break;
    case SetWindowOrg:
        m_gdi.setWindowOrg(readPointYX(r));
        break;
    case SetWindowExt: {
        const QPointF p = readPointYX(r);
        m_gdi.setWindowExt(QSizeF(p.x(), p.y()));
        break;
    }
    case SetViewportOrg:
        m_gdi.setViewportOrg(readPointYX(r));
        break;
    case SetViewportExt: {
        const QPointF p = readPointYX(r);
        m_gdi.setViewportExt(QSizeF(p.x(), p.y()));
        break;
    }
    case OffsetWindowOrg:
        m_gdi.setWindowOrg(s.windowOrg + readPointYX(r));
        break;
    case OffsetViewportOrg:
        m_gdi.setViewportOrg(s.viewportOrg + readPointYX(r));
        break;
    case ScaleWindowExt:
    case ScaleViewportExt: {
        const int yDenom = r.i16(), yNum = r.i16(), xDenom = r.i16(), xNum = r.i16();
        if (!r.ok() || yDenom == 0 || xDenom == 0)
            break;
        const QSizeF ext = function == ScaleWindowExt ? s.windowExt : s.viewportExt;
        const QSizeF scaled(ext.width() * xNum / xDenom, ext.height() * yNum / yDenom);
        if (function == ScaleWindowExt)
            m_gdi.setWindowExt(scaled);
        else
            m_gdi.setViewportExt(scaled);
        break;
    }
    case MoveTo:
        m_gdi.moveTo(readPointYX(r));
        break;
    case LineTo: {
        const QPointF p = readPointYX(r);
        if (r.ok())
            m_gdi.lineTo(p);
        break;
    }
    case Polygon:
    case Polyline: {
        const int count = r.i16();
        const QPolygonF points = readPoints(r, count);
        if (function == Polygon)
            m_gdi.polygon(points);
        else
            m_gdi.polyline(points);
        break;
    }
    case PolyPolygon: {
        const int polys = r.u16();
        if (!r.has(qsizetype(polys) * 2))
            break;
        std::vector<int> counts(static_cast<size_t>(polys));
        for (int &c : counts)
            c = r.u16();
        QVector<QPolygonF> polygons;
        for (int c : counts) {
            QPolygonF points = readPoints(r, c);
            if (points.size() != c)
                break;
            polygons.append(points);
        }
        m_gdi.polyPolygon(polygons);
        break;
    }
    case Rectangle: {
        const QRectF box = readRect(r);
        if (r.ok())
            m_gdi.rectangle(box);
        break;
    }
    case RoundRect: {
        const int h = r.i16(), w = r.i16();
        const QRectF box = readRect(r);
        if (r.ok())
            m_gdi.roundRect(box, QSizeF(w, h));
        break;
    }
    case Ellipse: {
        const QRectF box = readRect(r);
        if (r.ok())
            m_gdi.ellipse(box);
        break;
    }
    case Arc:
    case Chord:
    case Pie: {
        const QPointF end = readPointYX(r);
        const QPointF start = readPointYX(r);
        const QRectF box = readRect(r);
        if (!r.ok())
            break;
        const auto kind = function == Arc ? GdiContext::ArcKind::Arc
            : function == Chord           ? GdiContext::ArcKind::Chord
                                          : GdiContext::ArcKind::Pie;
        m_gdi.arc(kind, box, start, end);
        break;
    }
    case SetPixel: {
        const QColor c = colorRef(r.u32());
        const QPointF p = readPointYX(r);
        if (r.ok())
            m_gdi.setPixel(p, c);
        break;
    }
    case TextOut:
        textOut(r, false);
        break;
    case ExtTextOut:
        textOut(r, true);
        break;
    case IntersectClipRect:
    case ExcludeClipRect: {
        const QRectF box = readRect(r);
        if (!r.ok())
            break;
        if (function == IntersectClipRect)
            m_gdi.intersectClipRect(box);
        else
            m_gdi.excludeClipRect(box);
        break;
    }
    case OffsetClipRgn:
        m_gdi.offsetClip(readPointYX(r));
        break;
    case SelectClipRegion: {
        GdiObject *o = object(r.u16());
        if (o && o->kind == GdiObject::Kind::Region)
            m_gdi.combineClip(&o->region, Gdi::RgnCopy);
        else
            m_gdi.combineClip(nullptr, Gdi::RgnCopy);
        break;
    }
    case SelectObject:
        selectObject(r.u16());
        break;
    case DeleteObject: {
        const int index = r.u16();
        if (object(index))
            m_objects[size_t(index)] = GdiObject();
        break;
    }
    case CreatePenIndirect: {
        GdiObject o;
        o.kind = GdiObject::Kind::Pen;
        o.pen.style = r.u16();
        o.pen.width = r.i16();
        r.i16();
        o.pen.color = colorRef(r.u32());
        addObject(o);
        break;
    }
    case CreateBrushIndirect: {
        GdiObject o;
        o.kind = GdiObject::Kind::Brush;
        o.brush.style = r.u16();
        o.brush.color = colorRef(r.u32());
        o.brush.hatch = r.u16();
        addObject(o);
        break;
    }
    case CreateFontIndirect: {
        GdiObject o;
        o.kind = GdiObject::Kind::Font;
        o.font = GdiRecords::readLogFont(r, GdiRecords::LogFontFormat::Wmf);
        addObject(o);
        break;
    }
    case DibCreatePatternBrush: {
        GdiObject o;
        o.kind = GdiObject::Kind::Brush;
        o.brush.style = Gdi::BsDibPattern;
        r.skip(4);
        o.brush.pattern = Dib::decodePacked(r.bytes(r.remaining()));
        o.brush.color = Qt::black;
        addObject(o);
        break;
    }
    case CreatePatternBrush: {
        // A device-dependent bitmap: drawn as a plain grey fill.
        GdiObject o;
        o.kind = GdiObject::Kind::Brush;
        o.brush.color = Qt::gray;
        addObject(o);
        break;
    }
    case CreatePalette: {
        GdiObject o;
        o.kind = GdiObject::Kind::Palette;
        addObject(o);
        break;
    }
    case CreateRegion: {
        GdiObject o;
        o.kind = GdiObject::Kind::Region;
        o.region = readRegion(r);
        addObject(o);
        break;
    }
    case FillRegion:
    case PaintRegion:
    case FrameRegion: {
        GdiObject *region = object(r.u16());
        GdiBrush brush = s.brush;
        if (function != PaintRegion) {
            GdiObject *b = object(r.u16());
            if (!b || b->kind != GdiObject::Kind::Brush)
                break;
            brush = b->brush;
        }
        if (!region || region->kind != GdiObject::Kind::Region)
            break;
        if (function == FrameRegion) {
            const int h = r.i16(), w = r.i16();
            m_gdi.framePath(region->region, brush, QSizeF(w, h));
        } else {
            m_gdi.fillPath(region->region, brush);
        }
        break;
    }
    case PatBlt: {
        const quint32 rop = r.u32();
        const int h = r.i16(), w = r.i16(), y = r.i16(), x = r.i16();
        if (r.ok())
            m_gdi.patBlt(QRectF(x, y, w, h), rop);
        break;
    }
    case DibBitBlt:
    case DibStretchBlt:
    case StretchDib:
        dibBlit(function, r, words);
        break;
    default:
        break; // records that draw nothing here, or unknown ones
    }
}

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

bool inspect(const QByteArray &data, Info *info, QString *error)
{
    ByteReader r(data);
    *info = Info();
    if (r.u32() == kPlaceableKey) {
        r.u16(); // handle
        const int left = r.i16(), top = r.i16(), right = r.i16(), bottom = r.i16();
        info->unitsPerInch = r.u16();
        r.skip(4 + 2); // reserved, checksum
        if (!r.ok())
            return fail(error, QStringLiteral("The picture is cut short"));
        info->placeable = true;
        info->bounds = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
        if (info->bounds.isEmpty() || info->unitsPerInch <= 0)
            return fail(error, QStringLiteral("The picture has no size"));
    } else {
        r.seek(0);
    }
    const qsizetype headerStart = r.pos();
    const int type = r.u16();
    const int headerWords = r.u16();
    const int version = r.u16();
    const quint32 totalWords = r.u32();
    info->objectCount = r.u16();
    r.u32(); // largest record
    r.u16();
    if (!r.ok())
        return fail(error, QStringLiteral("The picture is cut short"));
    if ((type != 1 && type != 2) || headerWords != 9 || (version != 0x100 && version != 0x300))
        return fail(error, QStringLiteral("The file is not a Windows metafile"));
    // The total size is not checked: writers disagree whether it counts the
    // placeable header. The record walk below finds any truncation.
    Q_UNUSED(totalWords);
    Q_UNUSED(headerStart);
    info->recordsStart = r.pos();
    bool windowOrg = false;
    bool windowExt = false;
    while (true) {
        const qsizetype at = r.pos();
        const quint32 words = r.u32();
        const quint16 function = r.u16();
        if (!r.ok())
            return fail(error, QStringLiteral("The picture is cut short"));
        if (words < 3 || qint64(words) * 2 > data.size() - at)
            return fail(error,
                words < 3 ? QStringLiteral("A picture record has a wrong size")
                          : QStringLiteral("The picture is cut short"));
        if (function == Eof) {
            info->recordsEnd = at + qsizetype(words) * 2;
            break;
        }
        if ((function == SetWindowOrg || function == SetWindowExt) && words >= 5) {
            ByteReader p(data.constData() + at + 6, 4);
            const QPointF v = readPointYX(p);
            if (function == SetWindowOrg && !windowOrg) {
                windowOrg = true;
                info->window.moveTopLeft(v);
            } else if (function == SetWindowExt && !windowExt && v.x() != 0 && v.y() != 0) {
                windowExt = true;
                info->window.setSize(QSizeF(v.x(), v.y()));
            }
        }
        r.seek(at + qsizetype(words) * 2);
    }
    info->hasWindow = windowExt;
    return true;
}

void play(const QByteArray &data, const Info &info, GdiContext &context)
{
    Player player(context, info.objectCount);
    ByteReader r(data.constData(), info.recordsEnd);
    r.seek(info.recordsStart);
    while (r.remaining() >= 6) {
        const qsizetype at = r.pos();
        const quint32 words = r.u32();
        const quint16 function = r.u16();
        if (function == Eof || words < 3 || qint64(words) * 2 > r.size() - at)
            break;
        player.record(function, r.sub(qsizetype(words) * 2 - 6), words);
    }
}

} // namespace WmfPlayer
