#include "surface/vbasepanel.h"

#include "objects/placedobjects.h"

TVBasePanel::TVBasePanel(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void TVBasePanel::SetScale(float scale)
{
    if (scale == m_scale || !(scale > 0.0f))
        return;
    m_scale = scale;
    emit scaleChanged(scale);
}

void TVBasePanel::setSuspendPainting(bool suspend)
{
    m_suspendPainting = suspend;
    if (!suspend)
        update();
}

void TVBasePanel::setPlacedObjects(const TComponent *objects)
{
    m_objects = objects;
    update();
}

TVGraphicControl *TVBasePanel::objectAt(const QPoint &point) const
{
    return m_objects ? PlacedObjects::at(*m_objects, point, m_scale) : nullptr;
}

bool TVBasePanel::ObjectAtPoint(const QPoint &point) const
{
    return objectAt(point) != nullptr;
}

bool TVBasePanel::focusNextPrevChild(bool)
{
    return false;
}
