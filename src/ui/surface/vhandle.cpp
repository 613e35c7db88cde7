#include "surface/vhandle.h"

#include "surface/surfacecursors.h"
#include "surface/vbasepanel.h"

#include "objects/vgraphiccontrol.h"

#include <QElapsedTimer>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Frame margins around the objects: 2 left and above, 3 right and below.
constexpr int kBefore = 2;
constexpr int kAround = 5;
constexpr int kClickMs = 150; // a shorter press and release moves nothing
constexpr int kDragStartMs = 10; // an object press turns into a move after this

qint64 steadyMilliseconds()
{
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed() + 1; // 0 means "no press"
}

// A display delta in an object's own units.
int toObject(int delta, double factor)
{
    return roundHalfEven((long double)delta * factor);
}

} // namespace

TVHandle::TVHandle(TVBasePanel *surface)
    : QObject(surface)
    , m_surface(surface)
    , m_clock(steadyMilliseconds)
{
}

TVGraphicControl *TVHandle::SelectedObject(int index) const
{
    return index >= 0 && index < SelectionCount() ? m_selection[size_t(index)] : nullptr;
}

int TVHandle::IndexOfSelected(const TVGraphicControl *object) const
{
    const auto it = std::find(m_selection.begin(), m_selection.end(), object);
    return it == m_selection.end() ? -1 : int(it - m_selection.begin());
}

void TVHandle::AddToSelection(TVGraphicControl *object)
{
    if (!object || object->unselectable())
        return;
    m_lastPress = now();
    if (IndexOfSelected(object) >= 0)
        return;
    m_surface->setCursor(SurfaceCursors::forGrip(MoveGrip));
    if (m_selection.empty())
        m_feedback = {};
    m_selection.push_back(object);
    // Deleted objects leave the selection; moved ones take the frame along
    // once the change that moved them has finished.
    connect(object, &QObject::destroyed, this, [this, object] { RemoveFromSelection(object); });
    connect(
        object, &TVGraphicControl::frameRefitRequested, this, &TVHandle::RefitFrame, Qt::QueuedConnection);
    setFrameAround(unionOfSelection());
    m_grip = MoveGrip;
    m_shown = true;
    m_captured = true;
    m_surface->update();
}

void TVHandle::RemoveFromSelection(TVGraphicControl *object)
{
    const int index = IndexOfSelected(object);
    if (index < 0)
        return;
    m_selection.erase(m_selection.begin() + index);
    disconnect(object, nullptr, this, nullptr);
    if (m_selection.empty())
        hide();
    else
        setFrameAround(unionOfSelection());
    m_surface->update();
}

void TVHandle::ClearSelection()
{
    for (TVGraphicControl *object : m_selection)
        disconnect(object, nullptr, this, nullptr);
    m_selection.clear();
    hide();
    m_surface->update();
}

void TVHandle::hide()
{
    m_shown = false;
    m_frame = QRect(m_frame.topLeft(), QSize(24, 24));
    m_feedback = {};
    m_dragging = false;
    m_captured = false;
}

void TVHandle::RefitFrame()
{
    if (m_selection.empty())
        return;
    setFrameAround(unionOfSelection());
    m_surface->update();
}

QRect TVHandle::unionOfSelection() const
{
    QRect all;
    for (const TVGraphicControl *object : m_selection)
        all |= object->displayRect(m_surface->scale());
    return all;
}

void TVHandle::setFrameAround(const QRect &objects)
{
    m_frame = QRect(objects.left() - kBefore, objects.top() - kBefore, objects.width() + kAround,
        objects.height() + kAround);
}

TVGraphicControl *TVHandle::selectedObjectNear(const QPoint &at, int margin) const
{
    for (TVGraphicControl *object : m_selection) {
        if (object->displayRect(m_surface->scale()).adjusted(-margin, -margin, margin, margin).contains(at))
            return object;
    }
    return nullptr;
}

void TVHandle::BringSelectionToFront()
{
    for (TVGraphicControl *object : m_selection)
        object->bringToFront();
    m_surface->update();
}

void TVHandle::SendSelectionToBack()
{
    for (TVGraphicControl *object : m_selection)
        object->sendToBack();
    m_surface->update();
}

void TVHandle::setGridX(int pitch)
{
    const bool snapping = snapToGrid();
    m_gridX = std::clamp(pitch, 1, 32);
    if (snapping)
        m_pitchX = m_gridX;
}

void TVHandle::setGridY(int pitch)
{
    const bool snapping = snapToGrid();
    m_gridY = std::clamp(pitch, 1, 32);
    if (snapping)
        m_pitchY = m_gridY;
}

void TVHandle::setSnapToGrid(bool snap)
{
    m_pitchX = snap ? m_gridX : 1;
    m_pitchY = snap ? m_gridY : 1;
}

int TVHandle::gripAt(const QPoint &local) const
{
    const int x = local.x(), y = local.y();
    const int w = m_frame.width(), h = m_frame.height();
    const auto near = [](int a, int b) { return std::abs(a - b) < 8; };
    const auto mid = [](int a, int extent) { return std::fabs(a - extent * 0.5) < 6.0; };
    // Later matches win, so on a small frame the edge middles beat the corners.
    int grip = MoveGrip;
    const std::pair<bool, int> tests[] = { { near(x, 0) && near(y, 0), 1 }, { near(x, w) && near(y, h), 4 },
        { near(x, w) && near(y, 0), 2 }, { near(x, 0) && near(y, h), 3 }, { mid(x, w) && near(y, 0), 5 },
        { mid(x, w) && near(y, h), 7 }, { mid(y, h) && near(x, 0), 6 }, { mid(y, h) && near(x, w), 8 } };
    for (const auto &[hit, code] : tests)
        if (hit)
            grip = code;
    return grip;
}

void TVHandle::setGripCursor(int grip)
{
    m_surface->setCursor(SurfaceCursors::forGrip(grip));
}

QPoint TVHandle::limited(const QPoint &local) const
{
    return { std::clamp(local.x(), -m_frame.left(), m_surface->width() - m_frame.left()),
        std::clamp(local.y(), -m_frame.top(), m_surface->height() - m_frame.top()) };
}

QRect TVHandle::draggedFrame(const QPoint &local) const
{
    const int dx = local.x() - m_dragStart.x(), dy = local.y() - m_dragStart.y();
    const int l = m_frame.left(), t = m_frame.top(), w = m_frame.width(), h = m_frame.height();
    int nl = l, nt = t, nw = w, nh = h;
    const bool movesLeft = m_grip == 0 || m_grip == 1 || m_grip == 3 || m_grip == 6;
    const bool movesTop = m_grip == 0 || m_grip == 1 || m_grip == 2 || m_grip == 5;
    if (movesLeft) {
        nl = snapX(l + dx);
        nw = m_grip == 0 ? w : w - (nl - l);
    }
    if (movesTop) {
        nt = snapY(t + dy);
        nh = m_grip == 0 ? h : h - (nt - t);
    }
    if (m_grip == 2 || m_grip == 4 || m_grip == 8)
        nw = snapX(w + dx) - 1;
    if (m_grip == 3 || m_grip == 4 || m_grip == 7)
        nh = snapY(h + dy) - 1;
    return QRect(nl, nt, std::max(nw, 5), std::max(nh, 5));
}

void TVHandle::moveFrameTo(const QRect &frame)
{
    const QRect delta(frame.left() - m_frame.left(), frame.top() - m_frame.top(),
        frame.width() - m_frame.width(), frame.height() - m_frame.height());
    bool moved = false;
    for (TVGraphicControl *object : m_selection) {
        if (object->locked())
            continue;
        moveObject(*object, delta);
        moved = true;
    }
    m_frame = frame;
    // At other zooms the objects land on whole pixels at scale 1; the frame
    // follows them rather than the mouse.
    if (moved)
        RefitFrame();
    m_surface->update();
}

void TVHandle::moveObject(TVGraphicControl &object, const QRect &delta) const
{
    const double factor = double(object.displayScale()) / double(m_surface->scale());
    object.setBounds(object.left() + toObject(delta.left(), factor),
        object.top() + toObject(delta.top(), factor),
        std::max(1, object.width() + toObject(delta.width(), factor)),
        std::max(1, object.height() + toObject(delta.height(), factor)));
}

bool TVHandle::mousePress(const QPoint &at, Qt::MouseButton button)
{
    m_lastPress = now();
    const QPoint local = at - m_frame.topLeft();
    if (m_surface->pointing() && button == Qt::LeftButton && !m_selection.empty()) {
        m_grip = SelectionCount() == 1 ? gripAt(local) : MoveGrip;
        m_dragStart = local;
        m_dragging = true;
        m_captured = true;
        emit pressed(at);
        if (m_selection.empty())
            endDrag();
        return true;
    }
    if (button == Qt::RightButton) {
        emit contextMenuRequested(at, SelectionCount() == 1 ? selectedObjectNear(at, 2) : nullptr);
        return true;
    }
    m_surface->unsetCursor();
    return false;
}

void TVHandle::mouseMove(const QPoint &at, Qt::MouseButtons buttons)
{
    if (m_doubleClicked) {
        m_dragging = false;
        m_doubleClicked = false;
    }
    if (!m_surface->pointing()) {
        m_surface->setCursor(m_surface->placingCursor());
        return;
    }
    const QPoint local = at - m_frame.topLeft();
    const bool left = buttons & Qt::LeftButton;
    if (left && !m_dragging) {
        if (m_lastPress > 0 && now() - m_lastPress > kDragStartMs) {
            m_dragStart = local;
            m_dragging = true;
        }
        return;
    }
    if (!left)
        m_captured = false;
    const int candidate = SelectionCount() == 1 ? gripAt(local) : MoveGrip;
    setGripCursor(m_dragging ? m_grip : candidate);
    if (m_dragging) {
        m_feedback = draggedFrame(limited(local));
        m_surface->update();
    } else {
        m_grip = candidate;
    }
}

bool TVHandle::mouseRelease(const QPoint &at, Qt::MouseButton button)
{
    QPoint local = at - m_frame.topLeft();
    if (m_dragging && now() - m_lastPress < kClickMs)
        m_dragStart = local;
    m_lastPress = 0;
    m_captured = false;
    if (!m_dragging || button != Qt::LeftButton) {
        m_surface->update();
        return false;
    }
    local = limited(local);
    if (local != m_dragStart)
        moveFrameTo(draggedFrame(local));
    endDrag();
    return true;
}

void TVHandle::endDrag()
{
    m_feedback = {};
    m_dragging = false;
    m_captured = false;
    m_surface->unsetCursor();
    m_surface->update();
}

void TVHandle::mouseLeft()
{
    if (m_dragging)
        return;
    if (m_surface->pointing())
        m_surface->unsetCursor();
    else
        m_surface->setCursor(m_surface->placingCursor());
}

bool TVHandle::keyPress(int key, bool shift)
{
    if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    if (m_selection.empty())
        return false;
    if (!m_tracking)
        startTracking();
    const bool resize = shift && SelectionCount() == 1;
    QRect &r = m_tracked;
    const int w = m_surface->width(), h = m_surface->height();
    if (key == Qt::Key_Left && resize && r.right() - r.left() + 1 > 10)
        r.setRight(r.right() - 1);
    else if (key == Qt::Key_Left && !resize && r.left() > 0)
        r.translate(-1, 0);
    else if (key == Qt::Key_Up && resize && r.bottom() - r.top() + 1 > 10)
        r.setBottom(r.bottom() - 1);
    else if (key == Qt::Key_Up && !resize && r.top() > 0)
        r.translate(0, -1);
    else if (key == Qt::Key_Right && r.right() + 1 <= w)
        resize ? r.setRight(r.right() + 1) : r.translate(1, 0);
    else if (key == Qt::Key_Down && r.bottom() + 1 <= h)
        resize ? r.setBottom(r.bottom() + 1) : r.translate(0, 1);
    m_surface->update();
    return true;
}

void TVHandle::startTracking()
{
    m_tracking = true;
    // Inclusive edges: (left + 2, top + 2) to (left + width - 3, top + height - 3).
    m_tracked = QRect(QPoint(m_frame.left() + kBefore, m_frame.top() + kBefore),
        QPoint(m_frame.right() + 1 - 3, m_frame.bottom() + 1 - 3));
}

void TVHandle::keyRelease()
{
    if (!m_tracking)
        return;
    m_tracking = false;
    const QRect &r = m_tracked;
    moveFrameTo(QRect(r.left() - kBefore, r.top() - kBefore, r.right() - r.left() + kAround,
        r.bottom() - r.top() + kAround));
}

void TVHandle::paint(QPainter &painter) const
{
    if (!m_shown)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const bool one = SelectionCount() == 1;
    const QColor color = one ? QColor(Qt::black) : QColor(0x80, 0x80, 0x80);
    for (const TVGraphicControl *object : m_selection) {
        const QRect shown = object->displayRect(m_surface->scale());
        // R = (left - 2, top - 2, right + 2, bottom + 2), right and bottom exclusive.
        const int l = shown.left() - 2, t = shown.top() - 2;
        const int r = shown.right() + 1 + 2, b = shown.bottom() + 1 + 2;
        const QRect squares[]
            = { { l, t, 5, 5 }, { r - 5, t, 5, 5 }, { r - 5, b - 5, 5, 5 }, { l, b - 5, 5, 5 } };
        for (const QRect &square : squares)
            painter.fillRect(square, color);
        if (!one)
            continue;
        const int hx = (r - l) / 2, hy = (b - t) / 2;
        const QRect middles[] = { { l + hx - 2, t, 5, 5 }, { l + hx - 2, b - 5, 5, 5 },
            { l, t + hy - 2, 5, 5 }, { r - 5, t + hy - 2, 5, 5 } };
        for (const QRect &square : middles)
            painter.fillRect(square, color);
    }
    // The dotted outline shows on white and on dark page parts alike.
    const auto outline = [&painter](const QRect &r) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, 0));
        painter.drawRect(r);
        painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
        painter.drawRect(r);
    };
    if (!m_feedback.isNull())
        outline(QRect(QPoint(m_feedback.left() + 2, m_feedback.top() + 2),
            QPoint(m_feedback.right() + 1 - 3, m_feedback.bottom() + 1 - 3)));
    if (m_tracking)
        outline(m_tracked);
    painter.restore();
}
