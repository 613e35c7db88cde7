#include "objects/vplabel.h"

#include <QFontMetrics>

TVPLabel::TVPLabel(TComponent *owner)
    : TVBaseLabel(owner)
{
}

QString TVPLabel::className() const
{
    return QStringLiteral("TVPLabel");
}

void TVPLabel::fitToText()
{
    if (angle() != 0)
        return;
    layOut();
    const LabelLayout layout = layoutAt(displayScale());
    const QFontMetrics metrics(font().toQFont(displayScale()));
    const int left = qMax(layout.textRect.left, qMax(layout.shadowRect.left, layout.highlightRect.left));
    const int top = qMax(layout.textRect.top, qMax(layout.shadowRect.top, layout.highlightRect.top));
    const int neededWidth = left + metrics.horizontalAdvance(caption() + QStringLiteral("     "));
    const int neededHeight = top + metrics.height();
    setBounds(this->left(), this->top(), qMax(width(), neededWidth), qMax(height(), neededHeight));
    setLayoutNeeded(true);
    invalidate();
}
