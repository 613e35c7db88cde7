#include "surface/vbasepanel.h"

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

bool TVBasePanel::ObjectAtPoint(const QPoint &) const
{
    return false;
}

bool TVBasePanel::focusNextPrevChild(bool)
{
    return false;
}
