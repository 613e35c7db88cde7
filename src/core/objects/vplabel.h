#pragma once

#include "objects/vbaselabel.h"

// The text label placed on the page. Its records carry only the properties
// of TVBaseLabel; it adds fitting to the text. Text entry and the rotation
// entries are behaviour added by the surface.
class TVPLabel : public TVBaseLabel
{
    Q_OBJECT

public:
    explicit TVPLabel(TComponent *owner = nullptr);

    [[nodiscard]] QString className() const override;

    // Grows the label to hold its caption after the text or the font
    // changed; at angle 0 only, and never smaller than it is.
    void fitToText();
};
