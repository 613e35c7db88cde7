#include "metafile/metafile.h"

#include "base/pageresolution.h"
#include "metafile/emfplayer.h"
#include "metafile/gdicontext.h"
#include "metafile/wmfplayer.h"

#include "platform/safefilereader.h"

#include <QFileInfo>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace {

// Files larger than this are not pictures anyone draws on a calendar.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;
// Pictures wider or higher than this at 96 per inch (about 8.7 m) are refused.
constexpr double kMaxSide = 32768;
// A plain WMF without a size shows at most this large.
constexpr double kDefaultSide = 1000;

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

// Pixels at 96 per inch of one unit of a METAFILEPICT extent.
double pixelsPerUnit(int mapMode)
{
    switch (mapMode) {
    case 1:
        return 1;
    case 2:
        return kScreenPpi / 254.0;
    case 4:
        return kScreenPpi / 100.0;
    case 5:
        return kScreenPpi / 1000.0;
    case 6:
        return kScreenPpi / 1440.0;
    default:
        return kScreenPpi / 2540.0;
    }
}

bool sane(const QSizeF &size)
{
    return std::isfinite(size.width()) && std::isfinite(size.height()) && size.width() > 0
        && size.height() > 0 && size.width() <= kMaxSide && size.height() <= kMaxSide;
}

} // namespace

bool Metafile::load(const QString &fileName, QString *error)
{
    clear();
    QByteArray bytes;
    QString why;
    if (!SafeFileReader::read(fileName, kMaxFileSize, &bytes, &why))
        return fail(error, QStringLiteral("Cannot open file %1: %2").arg(fileName, why));
    if (!loadFromData(bytes, &why))
        return fail(error,
            QStringLiteral("Unable to read the picture %1: %2").arg(QFileInfo(fileName).fileName(), why));
    return true;
}

bool Metafile::loadFromData(const QByteArray &bytes, QString *error)
{
    return loadFromData(bytes, Hint { 8, QSizeF() }, error);
}

bool Metafile::loadFromData(const QByteArray &bytes, const Hint &hint, QString *error)
{
    clear();
    Metafile m;
    if (bytes.size() > kMaxFileSize)
        return fail(error, QStringLiteral("The picture is too large"));
    EmfPlayer::Info emf;
    QString emfError;
    if (bytes.size() >= 44 && bytes.mid(40, 4) == " EMF") {
        if (!EmfPlayer::inspect(bytes, &emf, error))
            return false;
        const QSizeF mm = emf.deviceMillimetres;
        const QSizeF px = emf.devicePixels;
        const bool known = mm.width() > 0 && mm.height() > 0 && px.width() > 0 && px.height() > 0;
        m.m_pxPerMmX = known ? px.width() / mm.width() : kScreenPpi / 25.4;
        m.m_pxPerMmY = known ? px.height() / mm.height() : kScreenPpi / 25.4;
        const QRectF frame = emf.frame;
        if (frame.width() > 0 && frame.height() > 0) {
            m.m_frame = QRectF(frame.left() * m.m_pxPerMmX / 100, frame.top() * m.m_pxPerMmY / 100,
                frame.width() * m.m_pxPerMmX / 100, frame.height() * m.m_pxPerMmY / 100);
            m.m_naturalSize = QSizeF(frame.width() * kScreenPpi / 2540, frame.height() * kScreenPpi / 2540);
        } else {
            m.m_frame = emf.bounds.normalized();
            m.m_naturalSize = QSizeF(m.m_frame.width() * kScreenPpi / 25.4 / m.m_pxPerMmX,
                m.m_frame.height() * kScreenPpi / 25.4 / m.m_pxPerMmY);
        }
        m.m_recordsEnd = emf.end;
        m.m_objectCount = emf.handleCount;
        m.m_kind = Kind::Emf;
    } else {
        WmfPlayer::Info wmf;
        if (!WmfPlayer::inspect(bytes, &wmf, error))
            return false;
        m.m_placeable = wmf.placeable;
        m.m_recordsStart = wmf.recordsStart;
        m.m_recordsEnd = wmf.recordsEnd;
        m.m_objectCount = wmf.objectCount;
        if (wmf.placeable) {
            m.m_window = wmf.hasWindow ? wmf.window : wmf.bounds;
            m.m_naturalSize = wmf.bounds.size() * (double(kScreenPpi) / wmf.unitsPerInch);
        } else if (hint.extent.width() > 0 && hint.extent.height() > 0) {
            const double unit = pixelsPerUnit(hint.mapMode);
            m.m_naturalSize = hint.extent * unit;
            const bool yUp = hint.mapMode >= 2 && hint.mapMode <= 6;
            m.m_window = wmf.hasWindow
                ? wmf.window
                : QRectF(0, 0,
                    hint.mapMode == 1 || hint.mapMode >= 7 ? m.m_naturalSize.width() : hint.extent.width(),
                    (hint.mapMode == 1 || hint.mapMode >= 7 ? m.m_naturalSize.height() : hint.extent.height())
                        * (yUp ? -1 : 1));
        } else if (wmf.hasWindow) {
            m.m_window = wmf.window;
            const QSizeF side(std::abs(wmf.window.width()), std::abs(wmf.window.height()));
            const double shrink = std::min(1.0, kDefaultSide / std::max(side.width(), side.height()));
            m.m_naturalSize = side * shrink;
        } else {
            return fail(error, QStringLiteral("The picture has no size"));
        }
        m.m_frame
            = QRectF(QPointF(0, 0), QSizeF(std::abs(m.m_window.width()), std::abs(m.m_window.height())));
        m.m_kind = Kind::Wmf;
    }
    if (!sane(m.m_naturalSize) || m.m_frame.isEmpty() || !std::isfinite(m.m_frame.width())
        || !std::isfinite(m.m_frame.height()))
        return fail(error, QStringLiteral("The picture size is not acceptable"));
    m.m_data = bytes;
    *this = m;
    return true;
}

QByteArray Metafile::storedBytes() const
{
    if (m_kind != Kind::Wmf || m_placeable)
        return m_data;
    // A placeable header: key, handle, bounds, units per inch, reserved, checksum.
    const QRectF w = m_window.normalized();
    auto clamp16 = [](double v) { return qint16(std::clamp<double>(std::round(v), -32768, 32767)); };
    const qint16 left = clamp16(w.left()), top = clamp16(w.top()), right = clamp16(w.right()),
                 bottom = clamp16(w.bottom());
    const double inch = std::clamp<double>(
        std::round((right - left) * double(kScreenPpi) / m_naturalSize.width()), 1, 65535);
    const quint16 words[10] = { 0xCDD7, 0x9AC6, 0, quint16(left), quint16(top), quint16(right),
        quint16(bottom), quint16(inch), 0, 0 };
    quint16 checksum = 0;
    QByteArray out;
    for (quint16 word : words) {
        checksum ^= word;
        out.append(char(word & 0xff)).append(char(word >> 8));
    }
    out.append(char(checksum & 0xff)).append(char(checksum >> 8));
    return out + m_data;
}

struct Metafile::RasterCache
{
    QImage image;
    QSizeF size; // device size of the target
    QPointF offset; // fraction of a pixel the target starts at
    bool refused = false; // the picture needs its background: no cache
};

void Metafile::draw(QPainter &painter, const QRectF &target, Caching caching) const
{
    if (isEmpty() || !painter.isActive() || target.isEmpty() || m_frame.isEmpty())
        return;
    if (caching == Caching::Allowed && drawCached(painter, target))
        return;
    drawVectors(painter, target);
}

bool Metafile::drawCached(QPainter &painter, const QRectF &target) const
{
    // A cap on the cache: a page at 400 % is about 30 million pixels.
    constexpr qint64 kMaxCachePixels = 40'000'000;
    const QPaintEngine *engine = painter.paintEngine();
    const QTransform device = painter.deviceTransform();
    if (!engine || engine->type() != QPaintEngine::Raster || device.type() > QTransform::TxScale)
        return false;
    if (!m_cache)
        m_cache = std::make_shared<RasterCache>();
    RasterCache &cache = *m_cache;
    if (cache.refused)
        return false;
    const QRectF area = device.mapRect(target);
    const QPoint origin(int(std::floor(area.left())), int(std::floor(area.top())));
    const QPointF offset = area.topLeft() - QPointF(origin);
    const QSize pixels(int(std::ceil(offset.x() + area.width())), int(std::ceil(offset.y() + area.height())));
    if (qint64(pixels.width()) * pixels.height() > kMaxCachePixels)
        return false;
    if (cache.image.isNull() || cache.size != area.size() || cache.offset != offset) {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        if (image.isNull())
            return false;
        image.fill(Qt::transparent);
        QPainter into(&image);
        const bool alone = drawVectors(into, QRectF(offset, area.size()));
        into.end();
        if (!alone) {
            cache.refused = true;
            cache.image = QImage();
            return false;
        }
        cache.image = image;
        cache.size = area.size();
        cache.offset = offset;
    }
    // Back to device pixels, keeping what the painter adds below the world
    // transform (a child widget's offset in its window's backing store).
    const QTransform belowWorld = painter.combinedTransform().inverted() * device;
    painter.save();
    painter.resetTransform();
    painter.setTransform(belowWorld.inverted());
    painter.drawImage(origin, cache.image);
    painter.restore();
    return true;
}

bool Metafile::drawVectors(QPainter &painter, const QRectF &target) const
{
    const double sx = target.width() / m_frame.width();
    const double sy = target.height() / m_frame.height();
    const QTransform pageToTarget(
        sx, 0, 0, sy, target.left() - m_frame.left() * sx, target.top() - m_frame.top() * sy);
    // Ink outside the frame is cut off, as the pixels kept for repaints are.
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    bool alone = true;
    {
        GdiContext context(painter, pageToTarget, m_frame);
        if (m_kind == Kind::Emf) {
            context.setDeviceResolution(m_pxPerMmX, m_pxPerMmY);
            EmfPlayer::Info info;
            info.end = m_recordsEnd;
            info.handleCount = m_objectCount;
            EmfPlayer::play(m_data, info, context);
        } else {
            context.setMapMode(8);
            context.setWindowOrg(m_window.topLeft());
            context.setWindowExt(m_window.size());
            context.setViewportOrg(m_frame.topLeft());
            context.setViewportExt(m_frame.size());
            WmfPlayer::Info info;
            info.recordsStart = m_recordsStart;
            info.recordsEnd = m_recordsEnd;
            info.objectCount = m_objectCount;
            WmfPlayer::play(m_data, info, context);
        }
        alone = !context.blendsWithBackground();
    }
    painter.restore();
    return alone;
}
