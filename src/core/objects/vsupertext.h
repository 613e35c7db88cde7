#pragma once

#include "objects/objecttypes.h"
#include "objects/storedbitmap.h"
#include "objects/vgraphiccontrol.h"

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
};
