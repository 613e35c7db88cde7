// Enhanced metafiles are played by our own code; see wmfplayer.cpp for why
// no library is used.
#include "metafile/emfplayer.h"
#include "metafile/emfplayer_p.h"

#include <QPainterPath>

namespace EmfPlayer {

namespace {

constexpr int kMaxHandles = 65536;
constexpr quint32 kSignature = 0x464D4520; // " EMF"

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

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

QPointF readPointL(ByteReader &r)
{
    const int x = r.i32();
    const int y = r.i32();
    return QPointF(x, y);
}

QSizeF readSizeL(ByteReader &r)
{
    const int w = r.i32();
    const int h = r.i32();
    return QSizeF(w, h);
}

QPolygonF readPoints(ByteReader &r, qint64 count, bool small)
{
    QPolygonF points;
    const int bytes = small ? 4 : 8;
    if (count < 0 || !r.has(count * bytes))
        return points;
    points.reserve(int(count));
    for (qint64 i = 0; i < count; ++i) {
        if (small) {
            const int x = r.i16();
            const int y = r.i16();
            points.append(QPointF(x, y));
        } else {
            points.append(readPointL(r));
        }
    }
    return points;
}

} // namespace

QRectF readRectL(ByteReader &r)
{
    const int left = r.i32();
    const int top = r.i32();
    const int right = r.i32();
    const int bottom = r.i32();
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QTransform readXform(ByteReader &r)
{
    const float m11 = r.f32(), m12 = r.f32(), m21 = r.f32(), m22 = r.f32(), dx = r.f32(), dy = r.f32();
    return QTransform(m11, m12, m21, m22, dx, dy);
}

Player::Player(const QByteArray &, GdiContext &context, int handleCount)
    : m_gdi(context)
    , m_objects(size_t(std::clamp(handleCount, 1, kMaxHandles)))
{
}

GdiObject *Player::object(quint32 index)
{
    if (index >= m_objects.size() || m_objects[index].kind == GdiObject::Kind::Empty)
        return nullptr;
    return &m_objects[index];
}

void Player::store(quint32 index, const GdiObject &o)
{
    if (index > 0 && index < m_objects.size())
        m_objects[index] = o;
}

void Player::deleteObject(quint32 index)
{
    if (index > 0 && index < m_objects.size())
        m_objects[index] = GdiObject();
}

void Player::selectObject(quint32 index)
{
    GdiState &s = m_gdi.state();
    if (index & 0x80000000u) {
        const quint32 stock = index & 0x7fffffffu;
        static const QRgb grays[] = { 0xffffff, 0xc0c0c0, 0x808080, 0x404040, 0x000000 };
        if (stock <= 4) {
            s.brush = GdiBrush();
            s.brush.color = QColor::fromRgb(grays[stock]);
        } else if (stock == 5) {
            s.brush = GdiBrush();
            s.brush.style = Gdi::BsNull;
        } else if (stock == 6 || stock == 7 || stock == 19) {
            s.pen = GdiPen();
            s.pen.color = stock == 6 ? Qt::white : Qt::black;
        } else if (stock == 8) {
            s.pen = GdiPen();
            s.pen.style = Gdi::PsNull;
        } else if (stock >= 10 && stock <= 17 && stock != 15) {
            s.font = GdiFont();
            s.font.height = -16;
            s.font.faceName = QStringLiteral("Arial");
        } else if (stock == 18) {
            s.brush = GdiBrush();
        }
        return;
    }
    if (const GdiObject *o = object(index))
        s.select(*o);
}

void Player::polyShape(quint32 type, ByteReader &r, bool small)
{
    r.skip(16); // bounds
    const quint32 count = r.u32();
    const QPolygonF points = readPoints(r, count, small);
    if (!r.ok() || points.size() != qsizetype(count))
        return;
    switch (type) {
    case PolyBezier:
    case PolyBezier16:
        m_gdi.polyBezier(points);
        break;
    case Polygon:
    case Polygon16:
        m_gdi.polygon(points);
        break;
    case Polyline:
    case Polyline16:
        m_gdi.polyline(points);
        break;
    case PolyBezierTo:
    case PolyBezierTo16:
        m_gdi.polyBezierTo(points);
        break;
    case PolylineTo:
    case PolylineTo16:
        m_gdi.polylineTo(points);
        break;
    default:
        break;
    }
}

void Player::polyPoly(quint32 type, ByteReader &r, bool small)
{
    r.skip(16);
    const quint32 polys = r.u32();
    const quint32 total = r.u32();
    if (!r.ok() || !r.has(qint64(polys) * 4))
        return;
    std::vector<quint32> counts(polys);
    qint64 sum = 0;
    for (quint32 &c : counts) {
        c = r.u32();
        sum += c;
    }
    if (sum != total)
        return;
    QVector<QPolygonF> shapes;
    for (quint32 c : counts) {
        QPolygonF points = readPoints(r, c, small);
        if (points.size() != qsizetype(c))
            return;
        shapes.append(points);
    }
    if (type == PolyPolygon || type == PolyPolygon16)
        m_gdi.polyPolygon(shapes);
    else
        m_gdi.polyPolyline(shapes);
}

void Player::polyDraw(ByteReader &r, bool small)
{
    r.skip(16);
    const quint32 count = r.u32();
    const QPolygonF points = readPoints(r, count, small);
    if (points.size() != qsizetype(count) || !r.has(count))
        return;
    for (quint32 i = 0; i < count; ++i) {
        const quint8 kind = r.u8();
        switch (kind & 6) {
        case 6:
            m_gdi.moveTo(points[int(i)]);
            break;
        case 2:
            m_gdi.lineTo(points[int(i)]);
            break;
        case 4:
            if (i + 2 < count) {
                m_gdi.polyBezierTo(QPolygonF({ points[int(i)], points[int(i) + 1], points[int(i) + 2] }));
                i += 2;
                r.skip(2);
            }
            break;
        default:
            break;
        }
        if ((kind & 1) && m_gdi.pathOpen())
            m_gdi.closeFigure();
    }
}

void Player::record(quint32 type, ByteReader r, ByteReader rec)
{
    GdiState &s = m_gdi.state();
    switch (type) {
    case PolyBezier:
    case Polygon:
    case Polyline:
    case PolyBezierTo:
    case PolylineTo:
        polyShape(type, r, false);
        break;
    case PolyBezier16:
    case Polygon16:
    case Polyline16:
    case PolyBezierTo16:
    case PolylineTo16:
        polyShape(type, r, true);
        break;
    case PolyPolyline:
    case PolyPolygon:
        polyPoly(type, r, false);
        break;
    case PolyPolyline16:
    case PolyPolygon16:
        polyPoly(type, r, true);
        break;
    case PolyDraw:
        polyDraw(r, false);
        break;
    case PolyDraw16:
        polyDraw(r, true);
        break;
    case SetWindowExtEx:
        m_gdi.setWindowExt(readSizeL(r));
        break;
    case SetWindowOrgEx:
        m_gdi.setWindowOrg(readPointL(r));
        break;
    case SetViewportExtEx:
        m_gdi.setViewportExt(readSizeL(r));
        break;
    case SetViewportOrgEx:
        m_gdi.setViewportOrg(readPointL(r));
        break;
    case SetPixelV: {
        const QPointF p = readPointL(r);
        const QColor c = colorRef(r.u32());
        if (r.ok())
            m_gdi.setPixel(p, c);
        break;
    }
    case SetMapMode:
        m_gdi.setMapMode(int(r.u32()));
        break;
    case SetBkMode:
        s.opaqueBackground = r.u32() == 2;
        break;
    case SetPolyFillMode:
        s.fillRule = r.u32() == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case SetRop2:
        s.rop2 = int(r.u32());
        break;
    case SetTextAlign:
        s.textAlign = int(r.u32());
        break;
    case SetTextColor:
        s.textColor = colorRef(r.u32());
        break;
    case SetBkColor:
        s.backgroundColor = colorRef(r.u32());
        break;
    case OffsetClipRgn:
        m_gdi.offsetClip(readPointL(r));
        break;
    case MoveToEx:
        m_gdi.moveTo(readPointL(r));
        break;
    case ExcludeClipRect:
    case IntersectClipRect: {
        const QRectF box = readRectL(r);
        if (!r.ok())
            break;
        if (type == IntersectClipRect)
            m_gdi.intersectClipRect(box);
        else
            m_gdi.excludeClipRect(box);
        break;
    }
    case ScaleViewportExtEx:
    case ScaleWindowExtEx: {
        const int xNum = r.i32(), xDenom = r.i32(), yNum = r.i32(), yDenom = r.i32();
        if (!r.ok() || xDenom == 0 || yDenom == 0)
            break;
        const QSizeF ext = type == ScaleWindowExtEx ? s.windowExt : s.viewportExt;
        const QSizeF scaled(ext.width() * xNum / xDenom, ext.height() * yNum / yDenom);
        if (type == ScaleWindowExtEx)
            m_gdi.setWindowExt(scaled);
        else
            m_gdi.setViewportExt(scaled);
        break;
    }
    case SaveDc:
        m_gdi.saveDC();
        break;
    case RestoreDc:
        m_gdi.restoreDC(r.i32());
        break;
    case SetWorldTransform: {
        const QTransform t = readXform(r);
        if (r.ok())
            m_gdi.setWorldTransform(t);
        break;
    }
    case ModifyWorldTransform: {
        const QTransform t = readXform(r);
        const int mode = int(r.u32());
        if (r.ok())
            m_gdi.modifyWorldTransform(t, mode);
        break;
    }
    case SelectObject:
        selectObject(r.u32());
        break;
    case DeleteObject:
        deleteObject(r.u32());
        break;
    case CreatePen:
        createPen(r, rec, false);
        break;
    case ExtCreatePen:
        createPen(r, rec, true);
        break;
    case CreateBrushIndirect: {
        const quint32 index = r.u32();
        GdiObject o;
        o.kind = GdiObject::Kind::Brush;
        o.brush.style = int(r.u32());
        o.brush.color = colorRef(r.u32());
        o.brush.hatch = int(r.u32());
        if (r.ok())
            store(index, o);
        break;
    }
    case CreateMonoBrush:
    case CreateDibPatternBrushPt:
        createDibBrush(r, rec);
        break;
    case ExtCreateFontIndirectW:
        createFont(r);
        break;
    case AngleArc: {
        const QPointF c = readPointL(r);
        const double radius = r.u32();
        const double start = r.f32();
        const double sweep = r.f32();
        if (!r.ok() || !std::isfinite(start) || !std::isfinite(sweep))
            break;
        QPainterPath path(s.currentPos);
        const QRectF box(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
        QPainterPath arc;
        arc.arcMoveTo(box, start);
        path.lineTo(arc.currentPosition());
        path.arcTo(box, start, std::clamp(sweep, -3600.0, 3600.0));
        QPolygonF line = path.toSubpathPolygons().value(0);
        if (!line.isEmpty()) {
            line.removeFirst();
            m_gdi.polylineTo(line);
        }
        break;
    }
    case Ellipse:
    case Rectangle: {
        const QRectF box = readRectL(r);
        if (!r.ok())
            break;
        if (type == Ellipse)
            m_gdi.ellipse(box);
        else
            m_gdi.rectangle(box);
        break;
    }
    case RoundRect: {
        const QRectF box = readRectL(r);
        const QSizeF corner = readSizeL(r);
        if (r.ok())
            m_gdi.roundRect(box, corner);
        break;
    }
    case Arc:
    case Chord:
    case Pie:
    case ArcTo: {
        const QRectF box = readRectL(r);
        const QPointF start = readPointL(r);
        const QPointF end = readPointL(r);
        if (!r.ok())
            break;
        const auto kind = type == Arc ? GdiContext::ArcKind::Arc
            : type == Chord           ? GdiContext::ArcKind::Chord
            : type == Pie             ? GdiContext::ArcKind::Pie
                                      : GdiContext::ArcKind::ArcTo;
        m_gdi.arc(kind, box, start, end);
        break;
    }
    case LineTo: {
        const QPointF p = readPointL(r);
        if (r.ok())
            m_gdi.lineTo(p);
        break;
    }
    case SetArcDirection:
        s.clockwiseArcs = r.u32() == 2;
        break;
    case SetMiterLimit: {
        const quint32 limit = r.u32();
        if (r.ok())
            s.miterLimit = double(std::min<quint32>(limit, 1000));
        break;
    }
    case BeginPath:
        m_gdi.beginPath();
        break;
    case EndPath:
        m_gdi.endPath();
        break;
    case CloseFigure:
        m_gdi.closeFigure();
        break;
    case FillPath:
        m_gdi.fillCurrentPath();
        break;
    case StrokeAndFillPath:
        m_gdi.strokeAndFillPath();
        break;
    case StrokePath:
        m_gdi.strokePath();
        break;
    case AbortPath:
        m_gdi.abortPath();
        break;
    case SelectClipPath:
        m_gdi.selectClipPath(int(r.u32()));
        break;
    case FillRgn:
    case FrameRgn:
    case PaintRgn:
    case ExtSelectClipRgn:
        regionRecord(type, r);
        break;
    case ExtTextOutA:
        textOut(r, rec, false);
        break;
    case ExtTextOutW:
        textOut(r, rec, true);
        break;
    case BitBlt:
    case StretchBlt:
    case StretchDiBits:
    case AlphaBlend:
    case TransparentBlt:
        blit(type, r, rec);
        break;
    case SetDiBitsToDevice:
        setDiBitsToDevice(r, rec);
        break;
    case GradientFill:
        gradientFill(r);
        break;
    default:
        break; // comments, palettes, colour management and unknown records
    }
}

bool inspect(const QByteArray &data, Info *info, QString *error)
{
    *info = Info();
    ByteReader r(data);
    const quint32 type = r.u32();
    const quint32 headerSize = r.u32();
    const QRectF bounds = readRectL(r);
    const QRectF frame = readRectL(r);
    const quint32 signature = r.u32();
    r.u32(); // version
    const quint32 totalBytes = r.u32();
    r.u32(); // records
    info->handleCount = r.u16();
    r.u16();
    r.skip(12); // description and palette
    const QSizeF device = readSizeL(r);
    const QSizeF millimetres = readSizeL(r);
    if (!r.ok())
        return fail(error, QStringLiteral("The picture is cut short"));
    if (type != Header || signature != kSignature || headerSize < 88 || headerSize % 4 != 0)
        return fail(error, QStringLiteral("The file is not an enhanced metafile"));
    if (totalBytes > quint64(data.size()) || headerSize > quint64(data.size()))
        return fail(error, QStringLiteral("The picture is cut short"));
    info->bounds = bounds;
    info->frame = frame;
    info->devicePixels = device;
    info->deviceMillimetres = millimetres;
    r.seek(headerSize);
    while (true) {
        const qsizetype at = r.pos();
        const quint32 recordType = r.u32();
        const quint32 size = r.u32();
        if (!r.ok())
            return fail(error, QStringLiteral("The picture is cut short"));
        if (size < 8 || size % 4 != 0)
            return fail(error, QStringLiteral("A picture record has a wrong size"));
        if (size > quint64(data.size() - at))
            return fail(error, QStringLiteral("The picture is cut short"));
        if (recordType == Eof) {
            info->end = at + qsizetype(size);
            return true;
        }
        r.seek(at + qsizetype(size));
    }
}

void play(const QByteArray &data, const Info &info, GdiContext &context)
{
    Player player(data, context, info.handleCount);
    ByteReader r(data.constData(), info.end);
    r.seek(ByteReader(data).sub(8).ok() ? qsizetype(ByteReader(data.constData() + 4, 4).u32()) : 0);
    while (r.remaining() >= 8) {
        const qsizetype at = r.pos();
        const quint32 type = r.u32();
        const quint32 size = r.u32();
        if (type == Eof || size < 8 || size > quint64(r.size() - at))
            break;
        ByteReader record(data.constData() + at, qsizetype(size));
        player.record(type, r.sub(qsizetype(size) - 8), record);
    }
}

} // namespace EmfPlayer
