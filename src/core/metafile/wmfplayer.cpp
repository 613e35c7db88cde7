// The WMF and EMF players are our own. The Debian libraries were weighed:
// libwmf reads only 16-bit metafiles and renders through its own device
// layers (gd, X11, EPS), not onto a QPainter; libUEMF parses and writes
// records but draws nothing. Either way the drawing half, which is the bulk
// of the work, would be ours, and playing onto QPainter keeps every picture
// vector on screens, images, PDF and printers.
#include "metafile/wmfplayer.h"
#include "metafile/wmfplayer_p.h"

#include <QPainterPath>

#include <algorithm>

namespace WmfPlayer {

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr int kMaxObjects = 65535;

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

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

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

Player::Player(GdiContext &context, int objectCount)
    : m_gdi(context)
    , m_limit(std::clamp(objectCount, 1, kMaxObjects))
{
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
    case CreatePenIndirect:
    case CreateBrushIndirect:
    case CreateFontIndirect:
    case DibCreatePatternBrush:
    case CreatePatternBrush:
    case CreatePalette:
    case CreateRegion:
        createObject(function, r);
        break;
    case FillRegion:
    case PaintRegion:
    case FrameRegion:
        paintRegion(function, r);
        break;
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
