// Objects, regions, text and bitmaps of 16-bit metafiles.
#include "metafile/wmfplayer_p.h"

#include "metafile/dib.h"
#include "platform/codepage1252.h"

#include <QPainterPath>

namespace WmfPlayer {

namespace {

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

} // namespace

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

void Player::createObject(quint16 function, ByteReader &r)
{
    switch (function) {
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
    default:
        break;
    }
}

void Player::paintRegion(quint16 function, ByteReader &r)
{
    GdiObject *region = object(r.u16());
    GdiBrush brush = m_gdi.state().brush;
    if (function != PaintRegion) {
        GdiObject *b = object(r.u16());
        if (!b || b->kind != GdiObject::Kind::Brush)
            return;
        brush = b->brush;
    }
    if (!region || region->kind != GdiObject::Kind::Region)
        return;
    if (function == FrameRegion) {
        const int h = r.i16(), w = r.i16();
        m_gdi.framePath(region->region, brush, QSizeF(w, h));
    } else {
        m_gdi.fillPath(region->region, brush);
    }
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

} // namespace WmfPlayer
