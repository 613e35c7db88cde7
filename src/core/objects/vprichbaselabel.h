#pragma once

#include "objects/objecttypes.h"
#include "objects/vgraphiccontrol.h"

#include "richtext/richtextlimits.h"
#include "richtext/wprtfstorage.h"

// A block of formatted text laid out as a page exactly as large as the
// object. The text is kept as RTF; laying it out is the rich-text engine's.
class TVPRichBaseLabel : public TVGraphicControl
{
    Q_OBJECT

public:
    explicit TVPRichBaseLabel(TComponent *owner = nullptr);
    ~TVPRichBaseLabel() override;

    [[nodiscard]] const TWPRtfStorage &rtfText() const { return m_rtfText; }
    // Takes a copy of the text.
    void setRTFText(const TWPRtfStorage &text);
    [[nodiscard]] TBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);
    [[nodiscard]] bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    [[nodiscard]] TColor bgColor() const { return m_bgColor; }
    void setBGColor(TColor color);

    // The text laid out as a page of the object's size at 100% and drawn at
    // the scale, over the background colour unless transparent.
    void paint(QPainter &painter, float scale) const override;

    [[nodiscard]] QString className() const override;
    [[nodiscard]] const RecordTable &records() const override;

private:
    TWPRtfStorage m_rtfText;
    // The text read once and kept laid out until it changes.
    mutable RichTextLimits::Document m_text;
    TBorderStyle m_borderStyle = bsSingle;
    bool m_transparent = true;
    TColor m_bgColor = clWhite;
};
