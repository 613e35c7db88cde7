#include "surface/vbasepanel.h"

#include "surface/objectmenu.h"
#include "surface/surfaceclipboard.h"
#include "surface/surfacecursors.h"
#include "surface/surfacemenu.h"
#include "surface/vhandle.h"

#include "objects/placedobjects.h"
#include "objects/vgraphiccontrol.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

TVBasePanel::TVBasePanel(QWidget *parent)
    : QWidget(parent)
    , m_handle(new TVHandle(this))
    , m_menu(new SurfaceMenu(this))
    , m_clipboard(new SurfaceClipboard(this, m_handle->clock()))
    , m_objectMenu(new ObjectMenu(this))
{
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    connect(m_handle, &TVHandle::pressed, this, &TVBasePanel::framePressed);
    connect(m_handle, &TVHandle::contextMenuRequested, this,
        [this](const QPoint &at, TVGraphicControl *object) { popupObjectMenu(object, at); });
}

TVBasePanel::~TVBasePanel() = default;

void TVBasePanel::setClock(const std::function<qint64()> &clock)
{
    m_handle->setClock(clock);
    m_clipboard->setClock(clock);
}

void TVBasePanel::SetScale(float scale)
{
    if (scale == m_scale || !(scale > 0.0f))
        return;
    m_rescaling = true;
    m_scale = scale;
    emit scaleChanged(scale);
    m_handle->RefitFrame();
    m_rescaling = false;
}

void TVBasePanel::setSuspendPainting(bool suspend)
{
    m_suspendPainting = suspend;
    if (!suspend)
        update();
}

void TVBasePanel::setPlacedObjects(TComponent *objects)
{
    m_handle->ClearSelection();
    m_objects = objects;
    HookAllObjects();
    update();
}

QList<TVGraphicControl *> TVBasePanel::objects() const
{
    QList<TVGraphicControl *> list;
    if (m_objects) {
        for (TComponent *child : m_objects->children())
            if (auto *object = dynamic_cast<TVGraphicControl *>(child))
                list.append(object);
    }
    return list;
}

QMenu *TVBasePanel::contextMenu() const
{
    return m_menu->menu();
}

TVGraphicControl *TVBasePanel::objectAt(const QPoint &point) const
{
    return m_objects ? PlacedObjects::at(*m_objects, point, m_scale) : nullptr;
}

bool TVBasePanel::ObjectAtPoint(const QPoint &point) const
{
    return objectAt(point) != nullptr;
}

bool TVBasePanel::pressTakenAt(const QPoint &point) const
{
    return m_handle->frameContains(point) || ObjectAtPoint(point);
}

void TVBasePanel::HookObjectEvents(TVGraphicControl *object)
{
    connect(object, &TVGraphicControl::modified, this, &TVBasePanel::NotifyChanged, Qt::UniqueConnection);
    connect(object, &TVGraphicControl::repaintRequested, this, qOverload<>(&QWidget::update),
        Qt::UniqueConnection);
    connect(object, &TVGraphicControl::unselectableSet, this, &TVBasePanel::dropUnselectable,
        Qt::UniqueConnection);
}

void TVBasePanel::HookAllObjects()
{
    for (TVGraphicControl *object : objects())
        HookObjectEvents(object);
}

void TVBasePanel::dropUnselectable()
{
    m_handle->RemoveFromSelection(qobject_cast<TVGraphicControl *>(sender()));
}

void TVBasePanel::NotifyChanged()
{
    if (!m_rescaling && !m_loading && !m_printing)
        emit labelChanged();
}

void TVBasePanel::nameNextChange(const QString &name, DocumentHistory::Burst burst)
{
    m_changeName = { QString(name).remove(QLatin1Char('&')), burst };
}

TVBasePanel::ChangeName TVBasePanel::takeChangeName()
{
    return std::exchange(m_changeName, ChangeName());
}

QString TVBasePanel::UniqueObjectName(const QString &prefix) const
{
    for (int n = 1; n <= 1000; ++n) {
        const QString name = prefix + QString::number(n);
        if (!m_objects || !m_objects->findComponent(name))
            return name;
    }
    return {};
}

void TVBasePanel::PlaceObject(TVGraphicControl *object, QRect r)
{
    if (!m_objects)
        return;
    object->setParent(m_objects);
    object->setName(UniqueObjectName(QStringLiteral("Special")));
    // The rectangle is in this zoom's pixels; the object keeps scale 1.
    const double back = double(object->displayScale()) / double(m_scale);
    const auto at1 = [back](int v) { return roundHalfEven((long double)v * back); };
    object->setBounds(
        at1(r.left()), at1(r.top()), at1(std::max(r.width(), 10)), at1(std::max(r.height(), 15)));
    HookObjectEvents(object);
    update();
    NotifyChanged();
}

void TVBasePanel::DeleteAllObjects()
{
    m_handle->ClearSelection();
    const QList<TVGraphicControl *> all = objects();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        delete *it;
    update();
}

void TVBasePanel::deleteSelection()
{
    const std::vector<TVGraphicControl *> list = m_handle->selection();
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        m_handle->RemoveFromSelection(*it);
        delete *it;
        NotifyChanged();
    }
    update();
}

void TVBasePanel::centerObject(TVGraphicControl &object, Qt::Orientation orientation)
{
    // The surface's extent at the object's own scale.
    const double back = double(object.displayScale()) / double(m_scale);
    if (orientation == Qt::Vertical)
        object.centerVertically(roundHalfEven((long double)height() * back));
    else
        object.centerHorizontally(roundHalfEven((long double)width() * back));
}

void TVBasePanel::RectangleDrawn(QRect &)
{
}

void TVBasePanel::paintOverlays(QPainter &painter) const
{
    m_handle->paint(painter);
    if (!m_banding)
        return;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 0));
    painter.drawRect(rubberBandRect());
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    painter.drawRect(rubberBandRect());
    painter.restore();
}

QRect TVBasePanel::rubberBandRect() const
{
    // Right and bottom lie outside, as the placing rectangle counts them.
    return QRect(m_bandStart, m_bandEnd).normalized().adjusted(0, 0, -1, -1);
}

bool TVBasePanel::focusNextPrevChild(bool)
{
    return false;
}

void TVBasePanel::mousePressEvent(QMouseEvent *event)
{
    m_changeName = {};
    const QPoint at = event->position().toPoint();
    m_pressModifiers = event->modifiers();
    if (m_handle->frameContains(at) && m_handle->mousePress(at, event->button()))
        return;
    TVGraphicControl *object = objectAt(at);
    if (object && m_pointing && !object->unselectable())
        objectPressed(object, event);
    else
        backgroundPressed(event);
}

void TVBasePanel::objectPressed(TVGraphicControl *object, QMouseEvent *event)
{
    if (!(event->modifiers() & Qt::ShiftModifier))
        m_handle->ClearSelection();
    m_handle->AddToSelection(object);
    if (m_handle->SelectionCount() == 1 && event->button() == Qt::RightButton)
        popupObjectMenu(object, event->position().toPoint());
}

void TVBasePanel::framePressed(const QPoint &at)
{
    if (!(m_pressModifiers & Qt::ShiftModifier))
        return;
    // Shift-clicking a selected object takes it out of the selection.
    const auto kept = m_handle->selection();
    m_handle->ClearSelection();
    for (TVGraphicControl *object : kept)
        if (!object->displayRect(m_scale).contains(at))
            m_handle->AddToSelection(object);
}

void TVBasePanel::backgroundPressed(QMouseEvent *event)
{
    m_bandStart = m_bandEnd = event->position().toPoint();
    if (event->button() != Qt::LeftButton) {
        popupContextMenu(m_bandStart);
        return;
    }
    m_banding = true;
    setCursor(SurfaceCursors::pointing());
}

void TVBasePanel::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (m_banding) {
        m_bandEnd = at;
        update();
    } else if (m_handle->hasCapture() || m_handle->isDragging() || m_handle->frameContains(at)) {
        m_handle->mouseMove(at, event->buttons());
    } else if (m_pointing && ObjectAtPoint(at)) {
        setCursor(SurfaceCursors::pointing());
    } else {
        m_handle->mouseLeft();
    }
}

void TVBasePanel::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (m_banding && event->button() == Qt::LeftButton)
        finishRubberBand(at, event->modifiers());
    else if (m_handle->hasCapture() || m_handle->isDragging()) {
        if (m_handle->isDragging())
            nameNextChange(m_handle->activeGrip() == TVHandle::MoveGrip ? tr("Move") : tr("Resize"));
        m_handle->mouseRelease(at, event->button());
    }
}

void TVBasePanel::finishRubberBand(const QPoint &at, Qt::KeyboardModifiers modifiers)
{
    m_bandEnd = at;
    QRect r = rubberBandRect();
    m_banding = false;
    update();
    if (m_pointing) {
        selectInRectangle(r, modifiers & Qt::ShiftModifier);
        unsetCursor();
        return;
    }
    // A page without objects of its own (the properties preview) places none.
    if (!m_objects)
        return;
    RectangleDrawn(r);
    emit droppedObject(r);
}

void TVBasePanel::selectInRectangle(const QRect &r, bool shift)
{
    std::vector<TVGraphicControl *> list;
    if (shift)
        list = m_handle->selection();
    m_handle->ClearSelection();
    const QList<TVGraphicControl *> all = objects();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if (r.isEmpty() || !(*it)->displayRect(m_scale).intersects(r))
            continue;
        const auto found = std::find(list.begin(), list.end(), *it);
        if (found != list.end() && shift)
            list.erase(found);
        else
            list.push_back(*it);
    }
    for (TVGraphicControl *object : list)
        m_handle->AddToSelection(object);
    m_handle->releaseCapture(); // the band ended with the button up
}

void TVBasePanel::leaveEvent(QEvent *event)
{
    m_handle->mouseLeft();
    QWidget::leaveEvent(event);
}

void TVBasePanel::keyPressEvent(QKeyEvent *event)
{
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    // Arrow keys held or pressed in a row make one step of the history.
    nameNextChange(shift ? tr("Resize") : tr("Move"), DocumentHistory::KeyMoves);
    if (m_handle->keyPress(event->key(), shift))
        return;
    m_changeName = {};
    if (m_objects && clipboardKey(event->key(), event->modifiers()))
        return;
    QWidget::keyPressEvent(event);
}

bool TVBasePanel::clipboardKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    if (ctrl && key == Qt::Key_C) {
        m_clipboard->copy();
    } else if (ctrl && key == Qt::Key_V) {
        m_clipboard->paste();
    } else if (ctrl && key == Qt::Key_X) {
        nameNextChange(tr("Cut"));
        m_clipboard->cut();
    } else if (!ctrl && key == Qt::Key_Delete) {
        nameNextChange(tr("Delete"));
        deleteSelection();
    } else if (ctrl && key == Qt::Key_A) {
        m_menu->selectAll();
    } else
        return false;
    return true;
}

void TVBasePanel::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat())
        m_handle->keyRelease();
    QWidget::keyReleaseEvent(event);
}

void TVBasePanel::popupContextMenu(const QPoint &at)
{
    // A page without objects of its own (the properties preview) has no menu.
    if (!m_objects)
        return;
    m_menu->popup(mapToGlobal(at));
}

void TVBasePanel::popupObjectMenu(TVGraphicControl *object, const QPoint &at)
{
    if (object)
        m_objectMenu->popup(*object, mapToGlobal(at));
    else
        popupContextMenu(at);
}

void TVBasePanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    nameNextChange(tr("Edit"));
    const QPoint at = event->position().toPoint();
    TVGraphicControl *object = nullptr;
    if (m_handle->frameContains(at)) {
        m_handle->doubleClicked(); // ends the drag the first press began
        if (m_handle->SelectionCount() > 1)
            return;
        object = m_handle->selectedObjectNear(at, 2);
        if (object && m_editEvent && m_editEvent(*object))
            return;
    } else if (m_pointing) {
        object = objectAt(at);
        if (object && object->unselectable())
            object = nullptr;
    }
    if (object)
        m_objectMenu->popup(*object, mapToGlobal(at));
}
