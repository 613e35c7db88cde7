// Objects, text, regions and bitmaps of enhanced metafiles.
#include "metafile/emfplayer_p.h"

#include "metafile/dib.h"
#include "platform/codepage1252.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace EmfPlayer {

namespace {

constexpr int kMaxDashes = 64;
constexpr int kMaxRegionRects = 100000;

// A block of a record given by offset and size from the record's start.
QByteArray block(const ByteReader &record, quint32 offset, quint32 size)
{
    if (size == 0 || offset > quint64(record.size()) || size > quint64(record.size()) - offset)
        return {};
    return QByteArray(record.data() + offset, qsizetype(size));
}

} // namespace

QPainterPath readRegionData(ByteReader r)
{
    r.u32(); // header size
    r.u32(); // type
    const quint32 count = r.u32();
    r.u32();
    r.skip(16);
    QPainterPath path;
    if (!r.ok() || count > quint32(kMaxRegionRects) || !r.has(qint64(count) * 16))
        return path;
    for (quint32 i = 0; i < count; ++i)
        path.addRect(readRectL(r).normalized());
    return path;
}

QImage Player::bitmap(const ByteReader &record, quint32 offInfo, quint32 sizeInfo, quint32 offBits,
    quint32 sizeBits, bool alpha) const
{
    const QByteArray info = block(record, offInfo, sizeInfo);
    const QByteArray bits = block(record, offBits, sizeBits);
    if (info.isEmpty() || bits.isEmpty())
        return {};
    return Dib::decode(info, bits, alpha ? Dib::Alpha::Premultiplied : Dib::Alpha::Ignore);
}

void Player::createPen(ByteReader &r, const ByteReader &record, bool extended)
{
    const quint32 index = r.u32();
    GdiObject o;
    o.kind = GdiObject::Kind::Pen;
    if (extended) {
        r.skip(16); // bitmap offsets and sizes: pattern pens draw in their colour
        o.pen.style = int(r.u32());
        o.pen.width = r.u32();
        r.u32(); // brush style
        o.pen.color = colorRef(r.u32());
        r.u32(); // hatch
        const quint32 entries = r.u32();
        if ((o.pen.style & Gdi::PsStyleMask) == Gdi::PsUserStyle && entries <= quint32(kMaxDashes)
            && r.has(qint64(entries) * 4)) {
            for (quint32 i = 0; i < entries; ++i)
                o.pen.dashes.append(r.u32());
        }
        // Cosmetic pens are always one pixel wide.
        if (!(o.pen.style & Gdi::PsGeometric))
            o.pen.width = 0;
    } else {
        o.pen.style = int(r.u32());
        o.pen.width = r.i32();
        r.i32();
        o.pen.color = colorRef(r.u32());
    }
    Q_UNUSED(record);
    if (r.ok())
        store(index, o);
}

void Player::createFont(ByteReader &r)
{
    const quint32 index = r.u32();
    GdiObject o;
    o.kind = GdiObject::Kind::Font;
    o.font = GdiRecords::readLogFont(r, GdiRecords::LogFontFormat::Emf);
    if (r.ok())
        store(index, o);
}

void Player::createDibBrush(ByteReader &r, const ByteReader &record)
{
    const quint32 index = r.u32();
    r.u32(); // usage
    const quint32 offInfo = r.u32(), sizeInfo = r.u32(), offBits = r.u32(), sizeBits = r.u32();
    if (!r.ok())
        return;
    GdiObject o;
    o.kind = GdiObject::Kind::Brush;
    o.brush.style = Gdi::BsDibPatternPt;
    o.brush.color = Qt::black;
    o.brush.pattern = bitmap(record, offInfo, sizeInfo, offBits, sizeBits, false);
    store(index, o);
}

void Player::textOut(ByteReader &r, const ByteReader &record, bool wide)
{
    r.skip(16 + 4 + 8); // bounds, graphics mode, scales
    const int refX = r.i32();
    const int refY = r.i32();
    const QPointF reference(refX, refY);
    const quint32 chars = r.u32();
    const quint32 offString = r.u32();
    const int options = int(r.u32());
    const QRectF box = readRectL(r).normalized();
    const quint32 offDx = r.u32();
    if (!r.ok() || chars > 65536)
        return;
    const QByteArray raw = block(record, offString, wide ? chars * 2 : chars);
    if (raw.size() != qsizetype(wide ? chars * 2 : chars))
        return;
    QString text;
    if (wide) {
        text.resize(qsizetype(chars));
        for (quint32 i = 0; i < chars; ++i)
            text[qsizetype(i)]
                = QChar(quint16(uchar(raw[qsizetype(2 * i)]) | (uchar(raw[qsizetype(2 * i + 1)]) << 8)));
    } else {
        text = CodePage1252::toUnicode(raw);
    }
    QVector<qreal> dx;
    const quint32 dxCount = (options & Gdi::EtoPdy) ? chars * 2 : chars;
    const QByteArray dxBytes = block(record, offDx, dxCount * 4);
    if (dxBytes.size() == qsizetype(dxCount) * 4) {
        ByteReader d(dxBytes);
        dx.reserve(qsizetype(dxCount));
        for (quint32 i = 0; i < dxCount; ++i)
            dx.append(d.i32());
    }
    m_gdi.textOut(reference, text, dx, options, box);
}

void Player::blit(quint32 type, ByteReader &r, const ByteReader &record)
{
    r.skip(16); // bounds
    QRectF dest;
    QRectF source;
    quint32 rop = Gdi::SrcCopy;
    quint32 offInfo = 0, sizeInfo = 0, offBits = 0, sizeBits = 0;
    bool alpha = false;
    if (type == StretchDiBits) {
        const int xd = r.i32(), yd = r.i32(), xs = r.i32(), ys = r.i32(), cxs = r.i32(), cys = r.i32();
        offInfo = r.u32(), sizeInfo = r.u32(), offBits = r.u32(), sizeBits = r.u32();
        r.u32(); // usage
        rop = r.u32();
        const int cxd = r.i32(), cyd = r.i32();
        dest = QRectF(xd, yd, cxd, cyd);
        source = QRectF(xs, ys, cxs, cys);
    } else {
        const int xd = r.i32(), yd = r.i32(), cxd = r.i32(), cyd = r.i32();
        if (type == AlphaBlend) {
            const quint32 blend = r.u32();
            alpha = (blend >> 24) & 1; // AC_SRC_ALPHA
        } else if (type != TransparentBlt) {
            rop = r.u32();
        } else {
            r.u32(); // transparent colour
        }
        const int xs = r.i32(), ys = r.i32();
        r.skip(24 + 4 + 4); // source transform, background colour, usage
        offInfo = r.u32(), sizeInfo = r.u32(), offBits = r.u32(), sizeBits = r.u32();
        int cxs = cxd, cys = cyd;
        if (type != BitBlt) {
            cxs = r.i32();
            cys = r.i32();
        }
        dest = QRectF(xd, yd, cxd, cyd);
        source = QRectF(xs, ys, cxs, cys);
    }
    if (!r.ok())
        return;
    if (sizeBits == 0 && type != StretchDiBits && type != AlphaBlend) {
        m_gdi.patBlt(dest, rop);
        return;
    }
    QImage image = bitmap(record, offInfo, sizeInfo, offBits, sizeBits, alpha);
    if (image.isNull())
        return;
    if (type == StretchDiBits) {
        // Source rows are counted from the bottom of a bottom-up bitmap.
        source.moveTop(image.height() - source.top() - source.height());
    }
    m_gdi.drawImage(dest, image, source, rop);
}

void Player::setDiBitsToDevice(ByteReader &r, const ByteReader &record)
{
    r.skip(16);
    const int xd = r.i32(), yd = r.i32(), xs = r.i32(), ys = r.i32(), cx = r.i32(), cy = r.i32();
    const quint32 offInfo = r.u32(), sizeInfo = r.u32(), offBits = r.u32(), sizeBits = r.u32();
    if (!r.ok())
        return;
    const QImage image = bitmap(record, offInfo, sizeInfo, offBits, sizeBits, false);
    if (image.isNull())
        return;
    // Source rows count from the bottom; in doubles, as hostile numbers pass the range of int.
    const double sourceTop = double(image.height()) - ys - cy;
    m_gdi.drawImage(QRectF(xd, yd, cx, cy), image, QRectF(xs, sourceTop, cx, cy), Gdi::SrcCopy);
}

void Player::regionRecord(quint32 type, ByteReader &r)
{
    if (type == ExtSelectClipRgn) {
        const quint32 size = r.u32();
        const int mode = int(r.u32());
        if (!r.ok())
            return;
        if (size == 0 || !r.has(size)) {
            m_gdi.combineClip(nullptr, mode);
            return;
        }
        const QPainterPath region = readRegionData(r.sub(size));
        m_gdi.combineClip(&region, mode);
        return;
    }
    r.skip(16);
    const quint32 size = r.u32();
    GdiBrush brush = m_gdi.state().brush;
    if (type != PaintRgn) {
        const quint32 index = r.u32();
        const GdiObject *o = object(index);
        if (!o || o->kind != GdiObject::Kind::Brush)
            return;
        brush = o->brush;
    }
    QSizeF frame;
    if (type == FrameRgn) {
        const int w = r.i32(), h = r.i32();
        frame = QSizeF(w, h);
    }
    if (!r.ok() || !r.has(size))
        return;
    const QPainterPath region = readRegionData(r.sub(size));
    if (type == FrameRgn)
        m_gdi.framePath(region, brush, frame);
    else
        m_gdi.fillPath(region, brush);
}

void Player::gradientFill(ByteReader &r)
{
    r.skip(16);
    const quint32 vertices = r.u32();
    const quint32 items = r.u32();
    const quint32 mode = r.u32();
    if (!r.ok() || vertices > 65536 || items > 65536 || !r.has(qint64(vertices) * 16))
        return;
    struct Vertex
    {
        QPointF p;
        QColor c;
    };
    std::vector<Vertex> v(vertices);
    for (Vertex &x : v) {
        const int px = r.i32(), py = r.i32();
        const int red = r.u16() >> 8, green = r.u16() >> 8, blue = r.u16() >> 8;
        r.u16();
        x = { QPointF(px, py), QColor(red, green, blue) };
    }
    for (quint32 i = 0; i < items && r.ok(); ++i) {
        if (mode == 2) { // triangles: filled with their average colour
            const quint32 a = r.u32(), b = r.u32(), c = r.u32();
            if (!r.ok() || a >= vertices || b >= vertices || c >= vertices)
                return;
            QPainterPath path;
            path.addPolygon(QPolygonF({ v[a].p, v[b].p, v[c].p }));
            GdiBrush brush;
            brush.color = QColor((v[a].c.red() + v[b].c.red() + v[c].c.red()) / 3,
                (v[a].c.green() + v[b].c.green() + v[c].c.green()) / 3,
                (v[a].c.blue() + v[b].c.blue() + v[c].c.blue()) / 3);
            m_gdi.fillPath(path, brush);
        } else {
            const quint32 a = r.u32(), b = r.u32();
            if (!r.ok() || a >= vertices || b >= vertices)
                return;
            const QRectF box = QRectF(v[a].p, v[b].p).normalized();
            // Drawn one band at a time with the painter's own gradient.
            const int bands = 64;
            for (int k = 0; k < bands; ++k) {
                const double t0 = double(k) / bands, t1 = double(k + 1) / bands;
                QRectF band = mode == 0
                    ? QRectF(box.left() + box.width() * t0, box.top(), box.width() * (t1 - t0), box.height())
                    : QRectF(
                        box.left(), box.top() + box.height() * t0, box.width(), box.height() * (t1 - t0));
                const double t = (t0 + t1) / 2;
                GdiBrush brush;
                brush.color = QColor::fromRgbF(v[a].c.redF() + (v[b].c.redF() - v[a].c.redF()) * t,
                    v[a].c.greenF() + (v[b].c.greenF() - v[a].c.greenF()) * t,
                    v[a].c.blueF() + (v[b].c.blueF() - v[a].c.blueF()) * t);
                QPainterPath path;
                path.addRect(band);
                m_gdi.fillPath(path, brush);
            }
        }
    }
}

} // namespace EmfPlayer
