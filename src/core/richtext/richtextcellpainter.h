#pragma once

#include "cellcontentpainter.h"

#include <QByteArray>
#include <QHash>

#include <memory>

class QTextDocument;

// The page's cell painter: reads each cell's text once into a laid-out
// document and keeps it until the text changes, so repainting 42 cells
// costs only the drawing.
class RichTextCellPainter : public CellContentPainter
{
public:
    RichTextCellPainter();
    ~RichTextCellPainter() override;

    void paint(QPainter &painter, const TWPRtfStorage &storage, const QRect &target,
               int zoomPercent) const override;

private:
    QTextDocument &documentFor(const QByteArray &rtf) const;

    mutable QHash<QByteArray, std::shared_ptr<QTextDocument>> m_documents;
};
