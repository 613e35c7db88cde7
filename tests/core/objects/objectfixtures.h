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

inline StoredBitmap smallBitmap()
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(QColor(10, 20, 30));
    image.setPixel(1, 1, qRgb(200, 100, 50));
    StoredBitmap bitmap;
    bitmap.setImage(image);
    return bitmap;
}

// A placeable WMF of 100 x 50 pixels at 96 per inch holding no drawing.
inline Metafile tinyMetafile()
{
    QByteArray wmf;
    auto put16 = [&wmf](int v) {
        wmf += char(v & 0xff);
        wmf += char((v >> 8) & 0xff);
    };
    put16(0xCDD7);
    put16(0x9AC6); // key
    put16(0); // handle
    put16(0);
    put16(0);
    put16(100);
    put16(50); // bounding box
    put16(96); // units per inch
    put16(0);
    put16(0); // reserved
    quint16 sum = 0;
    for (int i = 0; i < 20; i += 2)
        sum ^= quint16(quint8(wmf[i]) | (quint8(wmf[i + 1]) << 8));
    put16(sum);
    put16(1);
    put16(9);
    put16(0x0300); // type, header words, version
    put16(12);
    put16(0); // size in words
    put16(0); // objects
    put16(3);
    put16(0); // largest record
    put16(0);
    put16(3);
    put16(0);
    put16(0); // end of file record
    Metafile metafile;
    QString error;
    if (!metafile.loadFromData(wmf, &error))
        qWarning("tiny metafile: %s", qPrintable(error));
    return metafile;
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
        if (kind == "bitmap") {
            const StoredBitmap bitmap = smallBitmap();
            image->setPicture(Picture::fromBitmap(bitmap.image(), bitmap.bmpData()));
            image->setAutoSize(true);
        } else {
            image->setPicture(Picture::fromMetafile(tinyMetafile()));
        }
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
