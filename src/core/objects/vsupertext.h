#pragma once

#include "objects/objecttypes.h"
#include "objects/storedbitmap.h"
#include "objects/supertextlayout.h"
#include "objects/vgraphiccontrol.h"

class QBrush;
struct PaintTarget;

// Display text whose letters are filled with a colour, a texture or a
// gradient, or left hollow, with a drop shadow and an outline.
class TVSuperText : public TVGraphicControl
{
    Q_OBJECT

public:
    explicit TVSuperText(TComponent *owner = nullptr);

    [[nodiscard]] int shadowDepth() const { return m_shadowDepth; }
    void setShadowDepth(int depth);
    [[nodiscard]] TShadowOrientation shadowOrientation() const { return m_shadowOrientation; }
    void setShadowOrientation(TShadowOrientation orientation);
    [[nodiscard]] TColor shadowcolor() const { return m_shadowcolor; }
    void setShadowcolor(TColor color);
    [[nodiscard]] TBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);
    [[nodiscard]] bool controlTransparent() const { return m_controlTransparent; }
    void setControlTransparent(bool transparent);
    [[nodiscard]] TColor bgColor() const { return m_bgColor; }
    void setBGColor(TColor color);
    [[nodiscard]] const QString &caption() const { return m_caption; }
    void setCaption(const QString &caption);
    [[nodiscard]] const CalendarFont &font() const { return m_font; }
    void setFont(const CalendarFont &font);
    [[nodiscard]] TFillDirection fillDirection() const { return m_fillDirection; }
    void setFillDirection(TFillDirection direction);
    [[nodiscard]] TColor gradientToColor() const { return m_gradientToColor; }
    void setGradientToColor(TColor color);
    [[nodiscard]] TColor gradientFromColor() const { return m_gradientFromColor; }
    void setGradientFromColor(TColor color);
    [[nodiscard]] const StoredBitmap &image() const { return m_image; }
    // Copies the bitmap; an empty one empties the texture.
    void setImage(const StoredBitmap &image);
    [[nodiscard]] TColor outlineColor() const { return m_outlineColor; }
    void setOutlineColor(TColor color);
    [[nodiscard]] TPenStyle outlineStyle() const { return m_outlineStyle; }
    void setOutlineStyle(TPenStyle style);
    [[nodiscard]] int outlineWidth() const { return m_outlineWidth; }
    void setOutlineWidth(int width);
    [[nodiscard]] TSurfaceType surfaceType() const { return m_surfaceType; }
    void setSurfaceType(TSurfaceType type);
    [[nodiscard]] const QString &lastBitmapFileNameandPath() const { return m_lastBitmapFile; }
    void setLastBitmapFileNameandPath(const QString &fileName) { m_lastBitmapFile = fileName; }

    // (dx, dy) from orientation and depth, in unscaled pixels.
    [[nodiscard]] QPoint shadowOffset() const;
    [[nodiscard]] bool layoutNeeded() const { return m_layoutNeeded; }
    void setLayoutNeeded(bool needed) { m_layoutNeeded = needed; }

    void applyFont(const CalendarFont &font) override;

    // The layout at a zoom, from the bounds at scale 1 brought to that zoom.
    [[nodiscard]] SuperTextLayout layoutAt(float zoom) const;
    // Stores the size the layout adjusts the object to.
    void layOut() override;
    // Sizes the object to its caption; false when the caption still does
    // not fit (painting then cuts it).
    bool fitToText();
    // The caption as painting shows it at a zoom: cut at the end, one
    // character at a time, until it fits beside the text's left edge.
    [[nodiscard]] QString shownCaption(const SuperTextLayout &layout, float zoom) const;
    // Background and border, then the text as an outline path: the shadow,
    // the face by surface type and the outline. On a printer or PDF page the
    // print rules apply: the font unscaled, the face's fill moved 0.03 inch
    // up and left, textures tiled at the printer's resolution and the
    // gradient worked out at it over a quarter inch more.
    void paint(QPainter &painter, float scale) const override;

    [[nodiscard]] QString className() const override;
    [[nodiscard]] const RecordTable &records() const override;

protected:
    void boundsChanged() override;
    void invalidateLayout() override { m_layoutNeeded = true; }

private:
    int m_shadowDepth = 0;
    TShadowOrientation m_shadowOrientation = sdDownRight;
    TColor m_shadowcolor = 0x808080;
    TBorderStyle m_borderStyle = bsNone;
    bool m_controlTransparent = true;
    TColor m_bgColor = clWhite;
    QString m_caption = QStringLiteral("Text");
    CalendarFont m_font;
    int m_fontPitch = 0; // kept only to be written back as it was read
    TFillDirection m_fillDirection = gdRight;
    TColor m_gradientToColor = 0x00FFFF;
    TColor m_gradientFromColor = 0xFF0000;
    StoredBitmap m_image;
    TColor m_outlineColor = clBlack;
    TPenStyle m_outlineStyle = psSolid;
    int m_outlineWidth = 1;
    TSurfaceType m_surfaceType = stGradientFill;
    QString m_lastBitmapFile;

    bool m_layoutNeeded = true;

    // The face's gradient, kept while its inputs stay the same.
    struct GradientCache
    {
        QSize size;
        TColor from = 0;
        TColor to = 0;
        TFillDirection direction = gdRight;
        QImage image;
    };
    mutable GradientCache m_gradient;
    // The last drawing on pixels, with everything it was drawn from.
    struct DrawnCache
    {
        QByteArray key;
        QImage image;
    };
    mutable DrawnCache m_drawn;
    [[nodiscard]] QByteArray lookKey(float zoom) const;
    void drawContent(QPainter &painter, const SuperTextLayout &layout, const PaintTarget &target) const;
    [[nodiscard]] const QImage &gradient(QSize size) const;
    // The face's brush by surface type; no brush when nothing fills it.
    [[nodiscard]] QBrush faceBrush(const SuperTextLayout &layout, const PaintTarget &target) const;
};
