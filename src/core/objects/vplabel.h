#pragma once

#include "objects/vbaselabel.h"

// The text label placed on the page. Its records carry only the properties
// of TVBaseLabel; text entry, rotation entries and fitting to the text are
// behaviour added by the surface.
class TVPLabel : public TVBaseLabel
{
    Q_OBJECT

public:
    explicit TVPLabel(TComponent *owner = nullptr);

    [[nodiscard]] QString className() const override;
};
