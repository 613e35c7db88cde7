#pragma once

#include "richtext/cellcontentpainter.h"
#include "richtext/richtextlimits.h"

#include <QByteArray>
#include <QHash>
#include <QImage>

#include <memory>

// The page's cell painter: reads each cell's text once into a laid-out
// document, no more of it than the cell can show, and keeps it until the
// text changes. On raster targets it also keeps the drawn cell as a
// picture, so repainting the page (every scroll, every exposed window)
// copies 42 pictures instead of laying out text.
class RichTextCellPainter : public CellContentPainter
{
public:
    RichTextCellPainter();
    ~RichTextCellPainter() override;

    bool paint(
        QPainter &painter, const TWPRtfStorage &storage, const QRect &target, int zoomPercent) const override;

private:
    struct Entry
    {
        RichTextLimits::Document text;
        QImage picture; // the text drawn on white at pictureZoom
        int pictureZoom = 0;
        bool overflows = false; // some of the text lies below the picture
    };

    // The entry of a text, holding at least what shows in area.
    Entry &entryFor(const QByteArray &rtf, const QSizeF &area) const;

    mutable QHash<QByteArray, std::shared_ptr<Entry>> m_entries;
};
