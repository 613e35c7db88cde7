#include "properties/previewarea.h"

void PreviewArea::setPreferredSize(const QSize &size)
{
    if (size == m_preferred)
        return;
    m_preferred = size;
    // Every layout up to the window keeps the old hint until told.
    for (QWidget *widget = this; widget && !widget->isWindow(); widget = widget->parentWidget())
        widget->updateGeometry();
}

QSize PreviewArea::sizeHint() const
{
    return m_preferred.isValid() ? m_preferred.expandedTo(minimumSize()) : QScrollArea::sizeHint();
}
