#pragma once

#include "objects/objecttypes.h"
#include "objects/vgraphiccontrol.h"

#include "richtext/wprtfstorage.h"

// A block of formatted text laid out as a page exactly as large as the
// object. The text is kept as RTF; laying it out is the rich-text engine's.
class TVPRichBaseLabel : public TVGraphicControl
{
    Q_OBJECT

public:
    explicit TVPRichBaseLabel(TComponent *owner = nullptr);

    [[nodiscard]] const TWPRtfStorage &rtfText() const { return m_rtfText; }
    // Takes a copy of the text.
    void setRTFText(const TWPRtfStorage &text);
    [[nodiscard]] TBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);
    [[nodiscard]] bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    [[nodiscard]] TColor bgColor() const { return m_bgColor; }
    void setBGColor(TColor color);

    [[nodiscard]] QString className() const override;
    [[nodiscard]] const RecordTable &records() const override;

private:
    TWPRtfStorage m_rtfText;
    TBorderStyle m_borderStyle = bsSingle;
    bool m_transparent = true;
    TColor m_bgColor = clWhite;
};
