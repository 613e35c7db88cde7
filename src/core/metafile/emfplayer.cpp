// Enhanced metafiles are played by our own code; see wmfplayer.cpp for why
// no library is used.
#include "metafile/emfplayer.h"
#include "metafile/emfplayer_p.h"

#include <QPainterPath>

namespace EmfPlayer {

namespace {

constexpr int kMaxHandles = 65536;
constexpr quint32 kSignature = 0x464D4520; // " EMF"

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

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
    case AngleArc:
        angleArc(r);
        break;
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
