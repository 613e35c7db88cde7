#pragma once

#include "objects/labellayout.h"
#include "objects/objecttypes.h"
#include "objects/vgraphiccontrol.h"

// The shadow offset of a direction and depth; shared with the SuperText.
[[nodiscard]] QPoint shadowOffsetOf(TShadowDirection direction, int depth);
[[nodiscard]] QPoint highlightOffsetOf(THighlightDirection direction, int depth);

// One line of text with an optional drop shadow, highlight, background,
// border and rotation: the data of the text label and its setter rules.
class TVBaseLabel : public TVGraphicControl
{
    Q_OBJECT

public:
    explicit TVBaseLabel(TComponent *owner = nullptr);

    [[nodiscard]] TAlignment alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment);
    [[nodiscard]] int depthHighlight() const { return m_depthHighlight; }
    void setDepthHighlight(int depth);
    [[nodiscard]] int depthShadow() const { return m_depthShadow; }
    void setDepthShadow(int depth);
    [[nodiscard]] THighlightDirection directionHighlight() const { return m_directionHighlight; }
    void setDirectionHighlight(THighlightDirection direction);
    [[nodiscard]] TShadowDirection directionShadow() const { return m_directionShadow; }
    void setDirectionShadow(TShadowDirection direction);
    [[nodiscard]] TColor colorHighlight() const { return m_colorHighlight; }
    void setColorHighlight(TColor color);
    [[nodiscard]] TColor colorShadow() const { return m_colorShadow; }
    void setColorShadow(TColor color);
    [[nodiscard]] int angle() const { return m_angle; }
    // Only 0, 90, 180 and 270 are taken.
    void setAngle(int angle);
    [[nodiscard]] const QString &caption() const { return m_caption; }
    void setCaption(const QString &caption);
    [[nodiscard]] const CalendarFont &font() const { return m_font; }
    void setFont(const CalendarFont &font);
    [[nodiscard]] bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    [[nodiscard]] TColor backColor() const { return m_backColor; }
    void setBackColor(TColor color);
    [[nodiscard]] TBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);

    // Shadow and highlight offsets in pixels, from depth and direction.
    [[nodiscard]] QPoint shadowOffset() const { return shadowOffsetOf(m_directionShadow, m_depthShadow); }
    [[nodiscard]] QPoint highlightOffset() const
    {
        return highlightOffsetOf(m_directionHighlight, m_depthHighlight);
    }
    // Set by every change that moves or resizes the text; painting lays the
    // label out again and clears it.
    [[nodiscard]] bool layoutNeeded() const { return m_layoutNeeded; }
    void setLayoutNeeded(bool needed) { m_layoutNeeded = needed; }

    void applyFont(const CalendarFont &font) override;

    // The layout at a zoom, from the bounds at scale 1 brought to that zoom.
    [[nodiscard]] LabelLayout layoutAt(float zoom) const;
    // Stores the size the layout adjusts the label to.
    void layOut() override;
    // Background, the shadow, highlight and text copies each clipped to its
    // rectangle, and the border. On a printer or PDF page the label is
    // laid out at zoom 1 and stretched by the device's resolution over 96,
    // so it breaks its lines exactly as on screen at 100%.
    void paint(QPainter &painter, float scale) const override;

    [[nodiscard]] QString className() const override;
    [[nodiscard]] const RecordTable &records() const override;

protected:
    void boundsChanged() override;
    void invalidateLayout() override { m_layoutNeeded = true; }

private:
    TAlignment m_alignment = taLeftJustify;
    int m_depthHighlight = 0;
    int m_depthShadow = 0;
    THighlightDirection m_directionHighlight = hdUpLeft;
    TShadowDirection m_directionShadow = sdDownRight;
    TColor m_colorHighlight = 0xFFFF00;
    TColor m_colorShadow = 0x808080;
    int m_angle = 0;
    QString m_caption = QStringLiteral("Text");
    CalendarFont m_font;
    int m_fontPitch = 0; // kept only to be written back as it was read
    bool m_transparent = true;
    TColor m_backColor = clWhite;
    TBorderStyle m_borderStyle = bsNone;

    bool m_layoutNeeded = true;
};
