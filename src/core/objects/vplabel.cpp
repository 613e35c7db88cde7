#include "objects/vplabel.h"

TVPLabel::TVPLabel(TComponent *owner)
    : TVBaseLabel(owner)
{
}

QString TVPLabel::className() const
{
    return QStringLiteral("TVPLabel");
}
