#include "widgets/objectpreview.h"

#include "objects/vgraphiccontrol.h"

#include <QPainter>
#include <QScrollArea>

ObjectPreview::ObjectPreview(TVGraphicControl &object, QWidget *parent)
    : QWidget(parent)
    , m_object(object)
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    connect(&object, &TVGraphicControl::repaintRequested, this, qOverload<>(&QWidget::update));
    connect(&object, &TVGraphicControl::frameRefitRequested, this, [this] {
        updateGeometry();
        resize(sizeHint());
        update();
    });
}

QSize ObjectPreview::sizeHint() const
{
    const QRect shown = m_object.displayRect(1.0f);
    return QSize(shown.right() + 1 + m_object.left(), shown.bottom() + 1 + m_object.top());
}

void ObjectPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_object.paint(painter, 1.0f);
}

QScrollArea *scrolledPreview(TVGraphicControl &object, QSize minimum)
{
    auto *area = new QScrollArea;
    area->setBackgroundRole(QPalette::Base);
    area->setWidget(new ObjectPreview(object));
    area->widget()->resize(area->widget()->sizeHint());
    area->setMinimumSize(minimum);
    return area;
}
