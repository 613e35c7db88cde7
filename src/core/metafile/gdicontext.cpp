#include "metafile/gdicontext.h"

#include "base/pageresolution.h"
#include "metafile/gdicontext_p.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace {

// SaveDC without RestoreDC in a loop must not grow without bound.
constexpr size_t kMaxSavedStates = 1024;

bool finite(const QTransform &t)
{
    for (qreal v : { t.m11(), t.m12(), t.m13(), t.m21(), t.m22(), t.m23(), t.m31(), t.m32(), t.m33() })
        if (!std::isfinite(v))
            return false;
    return true;
}

} // namespace

GdiContext::GdiContext(QPainter &painter, const QTransform &pageToTarget, const QRectF &pageFrame)
    : m_painter(painter)
    , m_pageToTarget(pageToTarget)
    , m_caller(painter.worldTransform())
    , m_pageFrame(pageFrame)
{
    m_painter.save();
    m_painter.setRenderHints(
        QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    if (const QPaintDevice *device = m_painter.device())
        m_cosmeticWidth = std::max(1.0, device->logicalDpiX() / double(kScreenPpi));
    m_painter.save();
}

GdiContext::~GdiContext()
{
    m_painter.restore();
    m_painter.restore();
}

void GdiContext::setDeviceResolution(double pixelsPerMmX, double pixelsPerMmY)
{
    if (pixelsPerMmX > 0 && pixelsPerMmY > 0 && std::isfinite(pixelsPerMmX) && std::isfinite(pixelsPerMmY)) {
        m_pxPerMmX = pixelsPerMmX;
        m_pxPerMmY = pixelsPerMmY;
    }
}

void GdiContext::saveDC()
{
    if (m_saved.size() < kMaxSavedStates)
        m_saved.push_back(m_state);
}

void GdiContext::restoreDC(int which)
{
    // Negative: relative to the newest saved state; positive: absolute.
    const qint64 count = qint64(m_saved.size());
    const qint64 index = which < 0 ? count + which : qint64(which) - 1;
    if (index < 0 || index >= count)
        return;
    const bool clipChanged = m_saved[size_t(index)].hasClip != m_state.hasClip || m_state.hasClip;
    m_state = m_saved[size_t(index)];
    m_saved.resize(size_t(index));
    if (clipChanged)
        applyClip();
}

void GdiContext::setWindowExt(QSizeF ext)
{
    if (ext.width() != 0 && ext.height() != 0)
        m_state.windowExt = ext;
}

void GdiContext::setViewportExt(QSizeF ext)
{
    if (ext.width() != 0 && ext.height() != 0)
        m_state.viewportExt = ext;
}

void GdiContext::modifyWorldTransform(const QTransform &t, int mode)
{
    switch (mode) {
    case 1:
        m_state.world = QTransform();
        break;
    case 2:
        m_state.world = t * m_state.world;
        break;
    case 3:
        m_state.world = m_state.world * t;
        break;
    case 4:
        m_state.world = t;
        break;
    default:
        break;
    }
}

QTransform GdiContext::logicalToPage() const
{
    const GdiState &s = m_state;
    double sx = 1;
    double sy = 1;
    switch (s.mapMode) {
    case Gdi::MmLoMetric:
        sx = m_pxPerMmX * 0.1;
        sy = -m_pxPerMmY * 0.1;
        break;
    case Gdi::MmHiMetric:
        sx = m_pxPerMmX * 0.01;
        sy = -m_pxPerMmY * 0.01;
        break;
    case Gdi::MmLoEnglish:
        sx = m_pxPerMmX * 0.254;
        sy = -m_pxPerMmY * 0.254;
        break;
    case Gdi::MmHiEnglish:
        sx = m_pxPerMmX * 0.0254;
        sy = -m_pxPerMmY * 0.0254;
        break;
    case Gdi::MmTwips:
        sx = m_pxPerMmX * 25.4 / 1440;
        sy = -m_pxPerMmY * 25.4 / 1440;
        break;
    case Gdi::MmIsotropic:
    case Gdi::MmAnisotropic:
        sx = s.viewportExt.width() / s.windowExt.width();
        sy = s.viewportExt.height() / s.windowExt.height();
        if (s.mapMode == Gdi::MmIsotropic) {
            const double m = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(m, sx);
            sy = std::copysign(m, sy);
        }
        break;
    default:
        break;
    }
    const QTransform mapping(
        sx, 0, 0, sy, s.viewportOrg.x() - s.windowOrg.x() * sx, s.viewportOrg.y() - s.windowOrg.y() * sy);
    return s.world * mapping;
}

QTransform GdiContext::fullTransform() const
{
    return logicalToPage() * m_pageToTarget * m_caller;
}

// Qt flattens curves and round joins into more segments the larger they
// are on the device; a shape a million pixels across, wider than any page
// at any zoom, would take it minutes. Such shapes are left out.
bool GdiContext::reasonable(const QRectF &logicalBounds) const
{
    constexpr double kMaxDeviceExtent = 1 << 20;
    const QRectF device = m_painter.transform().mapRect(logicalBounds);
    const double pen = m_painter.pen().style() == Qt::NoPen || m_painter.pen().isCosmetic()
        ? 0
        : m_painter.pen().widthF() * std::sqrt(std::abs(m_painter.transform().determinant()));
    return device.width() + pen <= kMaxDeviceExtent && device.height() + pen <= kMaxDeviceExtent
        && std::abs(device.center().x()) <= kMaxDeviceExtent
        && std::abs(device.center().y()) <= kMaxDeviceExtent;
}

bool GdiContext::prepare(bool fill, bool stroke, const std::function<double()> &length)
{
    const QTransform t = fullTransform();
    if (!finite(t) || !t.isInvertible())
        return false;
    const QBrush brush = fill && m_state.rop2 != Gdi::R2Nop ? makeBrush(m_state.brush) : QBrush(Qt::NoBrush);
    const QPen pen = stroke ? makePen() : QPen(Qt::NoPen);
    if (brush.style() == Qt::NoBrush && pen.style() == Qt::NoPen)
        return false;
    m_painter.setTransform(t);
    m_painter.setPen(limitDashes(pen, length, t));
    m_painter.setBrush(brush);
    m_painter.setBackgroundMode(m_state.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.setBackground(m_state.backgroundColor);
    return true;
}

void GdiContext::draw(const QPainterPath &path, bool fill, bool stroke)
{
    if (m_pathOpen) {
        addToPath(path, false);
        return;
    }
    if (!prepare(fill, stroke, [&path] { return path.length(); }) || !reasonable(path.controlPointRect()))
        return;
    QPainterPath filled = path;
    filled.setFillRule(m_state.fillRule);
    drawPrepared(filled);
}

void GdiContext::addToPath(const QPainterPath &logicalPath, bool connect)
{
    const QPainterPath page = logicalToPage().map(logicalPath);
    if (connect && page.elementCount() > 0) {
        continuePathFrom(logicalToPage().map(m_state.currentPos));
        m_path.connectPath(page);
    } else {
        m_path.addPath(page);
    }
}

void GdiContext::continuePathFrom(QPointF pagePoint)
{
    if (m_path.elementCount() == 0)
        m_path.moveTo(pagePoint);
    else if (m_path.currentPosition() != pagePoint)
        m_path.lineTo(pagePoint);
}

void GdiContext::setPixel(QPointF p, const QColor &color)
{
    const QTransform t = fullTransform();
    if (!finite(t) || m_pathOpen)
        return;
    m_painter.resetTransform();
    const QPointF d = t.map(p);
    m_painter.fillRect(QRectF(std::floor(d.x()), std::floor(d.y()), 1, 1), color);
}

void GdiContext::patBlt(const QRectF &box, quint32 rop)
{
    const QTransform t = fullTransform();
    if (!finite(t) || m_pathOpen)
        return;
    QBrush brush = makeBrush(m_state.brush);
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (rop) {
    case Gdi::Blackness:
        brush = QBrush(Qt::black);
        break;
    case Gdi::Whiteness:
        brush = QBrush(Qt::white);
        break;
    case Gdi::DstInvert:
        brush = QBrush(Qt::white);
        mode = QPainter::CompositionMode_Difference;
        break;
    case Gdi::PatInvert:
        mode = QPainter::CompositionMode_Difference;
        break;
    case Gdi::PatCopy:
        break;
    default:
        if ((rop >> 16) == 0xAA) // D: leaves the destination alone
            return;
        break;
    }
    m_painter.setTransform(t);
    m_blendsWithBackground |= mode != QPainter::CompositionMode_SourceOver;
    m_painter.setCompositionMode(mode);
    m_painter.fillRect(box.normalized(), brush);
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void GdiContext::fillPath(const QPainterPath &logicalPath, const GdiBrush &brush)
{
    const QTransform t = fullTransform();
    if (!finite(t) || m_pathOpen)
        return;
    m_painter.setTransform(t);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(makeBrush(brush));
    m_painter.drawPath(logicalPath);
}

void GdiContext::framePath(const QPainterPath &logicalPath, const GdiBrush &brush, QSizeF frame)
{
    const QTransform t = fullTransform();
    if (!finite(t) || m_pathOpen)
        return;
    QPen pen(makeBrush(brush), std::max<qreal>(1e-3, std::abs(frame.width())));
    m_painter.setTransform(t);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(logicalPath);
}

void GdiContext::drawImage(const QRectF &dest, const QImage &image, const QRectF &source, quint32 rop)
{
    const QTransform t = fullTransform();
    if (image.isNull() || !finite(t) || m_pathOpen || dest.width() == 0 || dest.height() == 0)
        return;
    QRectF src = source.normalized().intersected(QRectF(image.rect()));
    if (src.isEmpty())
        return;
    // Negative extents mirror the picture.
    QTransform local = QTransform::fromTranslate(dest.x(), dest.y());
    local.scale(dest.width() / src.width(), dest.height() / src.height());
    m_painter.setTransform(local * t);
    QImage picture = image;
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (rop) {
    // Masking tricks combine black-and-white masks; on two-colour masks
    // these blend modes give the same result as the bitwise operations.
    case Gdi::SrcAnd:
        mode = QPainter::CompositionMode_Multiply;
        break;
    case Gdi::SrcPaint:
        mode = QPainter::CompositionMode_Screen;
        break;
    case Gdi::SrcInvert:
        mode = QPainter::CompositionMode_Difference;
        break;
    case Gdi::NotSrcCopy:
        picture.invertPixels();
        break;
    default:
        break;
    }
    m_blendsWithBackground |= mode != QPainter::CompositionMode_SourceOver;
    m_painter.setCompositionMode(mode);
    m_painter.drawImage(QRectF(0, 0, src.width(), src.height()), picture, src);
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void GdiContext::beginPath()
{
    m_pathOpen = true;
    m_path = QPainterPath();
}

void GdiContext::abortPath()
{
    m_pathOpen = false;
    m_path = QPainterPath();
}

void GdiContext::closeFigure()
{
    if (m_pathOpen)
        m_path.closeSubpath();
}

namespace {
QPainterPath toLogical(const QPainterPath &page, const QTransform &logicalToPage, bool *ok)
{
    const QTransform inverse = logicalToPage.inverted(ok);
    return *ok ? inverse.map(page) : QPainterPath();
}
} // namespace

void GdiContext::strokePath()
{
    m_pathOpen = false;
    bool ok = false;
    const QPainterPath path = toLogical(m_path, logicalToPage(), &ok);
    m_path = QPainterPath();
    if (ok)
        draw(path, false, true);
}

void GdiContext::fillCurrentPath()
{
    m_pathOpen = false;
    bool ok = false;
    QPainterPath path = toLogical(m_path, logicalToPage(), &ok);
    m_path = QPainterPath();
    path.closeSubpath();
    if (ok)
        draw(path, true, false);
}

void GdiContext::strokeAndFillPath()
{
    m_pathOpen = false;
    bool ok = false;
    QPainterPath path = toLogical(m_path, logicalToPage(), &ok);
    m_path = QPainterPath();
    if (ok)
        draw(path, true, true);
}
