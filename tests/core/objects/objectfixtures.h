#pragma once

#include "objects/vflatcalendar.h"
#include "objects/vimage.h"
#include "objects/vplabel.h"
#include "objects/vprichbaselabel.h"
#include "objects/vsupertext.h"

#include <QImage>

#include <memory>

// Objects of every kind with every property away from its value at
// creation, for round trips. kind: "label", "rotated label", "bitmap",
// "metafile", "rich", "supertext", anything else a floating calendar.
inline CalendarFont otherFont(int size)
{
    CalendarFont f;
    f.name = QStringLiteral("Times New Roman");
    f.size = size;
    f.bold = true;
    f.italic = true;
    f.underline = true;
    f.strikeout = true;
    f.color = 0x123456;
    return f;
}

inline TVBitmap smallBitmap()
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(QColor(10, 20, 30));
    image.setPixel(1, 1, qRgb(200, 100, 50));
    TVBitmap bitmap;
    bitmap.setImage(image);
    return bitmap;
}

inline std::unique_ptr<TVGraphicControl> makeKind(const QString &kind)
{
    if (kind.endsWith("label") && kind != "rich") {
        auto label = std::make_unique<TVPLabel>();
        if (kind == "label") {
            label->setAlignment(taCenter);
        } else {
            label->setAngle(270);
        }
        label->setDepthHighlight(2);
        label->setDepthShadow(3);
        label->setDirectionHighlight(hdLeft);
        label->setDirectionShadow(sdDown);
        label->setColorHighlight(0x0000FF);
        label->setColorShadow(0x010203);
        label->setCaption(QStringLiteral("Grüße, €uro"));
        label->setFont(otherFont(14));
        label->setTransparent(false);
        label->setBackColor(0x00FF00);
        label->setBorderStyle(bsSingle);
        if (kind != "label") { // only the rotated one keeps these defaults
            label->setDepthHighlight(0);
            label->setDepthShadow(0);
            label->setDirectionHighlight(hdUpLeft);
            label->setDirectionShadow(sdDownRight);
            label->setColorHighlight(0xFFFF00);
            label->setColorShadow(0x808080);
        }
        return label;
    }
    if (kind == "bitmap" || kind == "metafile") {
        auto image = std::make_unique<TVImage>();
        TVPicture picture;
        if (kind == "bitmap") {
            picture.setBitmap(smallBitmap());
            image->setAutoSize(true);
        } else {
            picture.setMetafile(QByteArray::fromHex("d7cdc69a0000000000006400640060000000000023a0"));
        }
        image->setPicture(picture);
        image->setBorderStyle(bsSingle);
        image->setReverse(true);
        image->setFlip(true);
        return image;
    }
    if (kind == "rich") {
        auto rich = std::make_unique<TVPRichBaseLabel>();
        TWPRtfStorage text;
        text.setRtf("{\\rtf1\\ansi Hello \\b world\\b0\\par}");
        rich->setRTFText(text);
        rich->setBorderStyle(bsNone);
        rich->setTransparent(false);
        rich->setBGColor(0x00C0C0);
        return rich;
    }
    if (kind == "supertext") {
        auto text = std::make_unique<TVSuperText>();
        text->setShadowDepth(4);
        text->setShadowOrientation(sdDownLeft);
        text->setShadowcolor(0x0000FF);
        text->setBorderStyle(bsSingle);
        text->setControlTransparent(false);
        text->setBGColor(0x112233);
        text->setCaption(QStringLiteral("Super"));
        text->setFont(otherFont(36));
        text->setFillDirection(gdUp);
        text->setGradientToColor(0x445566);
        text->setGradientFromColor(0x778899);
        text->setSurfaceType(stBrushImage);
        text->setImage(smallBitmap());
        text->setOutlineColor(0x00FF00);
        text->setOutlineStyle(psDashDot);
        text->setOutlineWidth(3);
        text->setLastBitmapFileNameandPath(QStringLiteral("/textures/wood.bmp"));
        return text;
    }
    auto calendar = std::make_unique<TVFlatCalendar>(nullptr, QDate(1999, 11, 1));
    calendar->setStartOfWeek(2);
    calendar->setTitleFont(otherFont(12));
    calendar->setDayNameFont(otherFont(9));
    calendar->setCellFont(otherFont(6));
    calendar->setShowYear(true);
    calendar->setDayNameBGColor(0x010101);
    calendar->setCalendarBorderStyle(fcbTopBottom);
    calendar->setDayNameBorderStyle(fcbBottom);
    calendar->setCellBorderStyle(fcbTop);
    calendar->setDayNameStyle(fdsWhole);
    calendar->setTitleBGcolor(0x020202);
    calendar->setBackgroundcolor(0x030303);
    calendar->setShadowColor(0x040404);
    calendar->setShadowDepth(-3);
    calendar->setShadowPosition(fcpUpperLeft);
    calendar->setLanguage(fclSpanish);
    calendar->setCalTransparent(true);
    return calendar;
}
