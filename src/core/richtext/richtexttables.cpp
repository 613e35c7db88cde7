#include "richtext/richtexttables.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>

namespace {

// Rounding in the layout may put a fitting table's edge a hair outside.
constexpr qreal kTolerance = 0.5;

void collectTables(QTextFrame *frame, QList<QTextTable *> &tables)
{
    for (QTextFrame *child : frame->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(child))
            tables.append(table);
        collectTables(child, tables);
    }
}

// The columns' own widths: kept from an earlier fit, or the fixed widths the
// table carries. Empty when any column has no fixed width (such a table is
// sized by Qt to its room already).
QList<qreal> ownWidths(const QTextTableFormat &format)
{
    QList<qreal> widths;
    const QVariant kept = format.property(RichTextTables::kColumnWidthsProperty);
    if (kept.isValid()) {
        for (const QVariant &width : kept.toList())
            widths.append(width.toReal());
        return widths;
    }
    for (const QTextLength &length : format.columnWidthConstraints()) {
        if (length.type() != QTextLength::FixedLength)
            return {};
        widths.append(length.rawValue());
    }
    return widths;
}

// How far right the table's cells reach as laid out now.
qreal rightEdge(const QTextDocument &document, QTextTable &table)
{
    const QAbstractTextDocumentLayout *layout = document.documentLayout();
    const QTextTableFormat format = table.format();
    qreal right = 0;
    for (int row = 0; row < table.rows(); ++row) {
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            for (auto it = cell.begin(); !it.atEnd(); ++it) {
                if (it.currentBlock().isValid())
                    right = std::max(right, layout->blockBoundingRect(it.currentBlock()).right());
            }
        }
    }
    return right + format.cellPadding() + format.border() + format.rightMargin();
}

void useOwnWidths(QTextTable &table, const QList<qreal> &widths)
{
    QTextTableFormat format = table.format();
    QList<QTextLength> lengths;
    for (const qreal width : widths)
        lengths.append(QTextLength(QTextLength::FixedLength, width));
    format.setColumnWidthConstraints(lengths);
    format.clearProperty(QTextFormat::FrameWidth);
    format.clearProperty(RichTextTables::kColumnWidthsProperty);
    table.setFormat(format);
}

void useProportions(QTextTable &table, const QList<qreal> &widths)
{
    qreal total = 0;
    for (const qreal width : widths)
        total += width;
    QTextTableFormat format = table.format();
    QList<QTextLength> lengths;
    QList<QVariant> kept;
    for (const qreal width : widths) {
        lengths.append(QTextLength(QTextLength::PercentageLength, total > 0 ? 100 * width / total : 0));
        kept.append(width);
    }
    format.setColumnWidthConstraints(lengths);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setProperty(RichTextTables::kColumnWidthsProperty, kept);
    table.setFormat(format);
}

} // namespace

namespace RichTextTables {

void fitToWidth(QTextDocument &document, qreal width)
{
    if (width <= 0)
        return;
    QList<QTextTable *> tables;
    collectTables(document.rootFrame(), tables);
    for (QTextTable *table : qAsConst(tables)) {
        const QList<qreal> widths = ownWidths(table->format());
        if (widths.isEmpty())
            continue;
        // Laid out at its own widths first: only a table that then does not
        // fit is squeezed.
        if (table->format().hasProperty(kColumnWidthsProperty))
            useOwnWidths(*table, widths);
        if (rightEdge(document, *table) > width + kTolerance)
            useProportions(*table, widths);
    }
}

} // namespace RichTextTables
