#include "richtext/richtexttables.h"

#include "richtext/richtextrenderer.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <cmath>

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

// The widest word in a column's cells, as laid out.
qreal widestWord(const QTextDocument &document, QTextTable &table, int column)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    qreal widest = 0;
    for (int row = 0; row < table.rows(); ++row) {
        const QTextTableCell cell = table.cellAt(row, column);
        if (cell.column() != column || cell.columnSpan() > 1)
            continue;
        for (auto it = cell.begin(); !it.atEnd(); ++it) {
            for (auto part = it.currentBlock().begin(); !part.atEnd(); ++part) {
                const QTextFragment fragment = part.fragment();
                const QFont font = document.defaultFont().resolve(fragment.charFormat().font());
                const QFontMetricsF metrics(font, RichTextRenderer::layoutDevice());
                for (const QString &word : fragment.text().split(blanks, Qt::SkipEmptyParts))
                    widest = std::max(widest, metrics.horizontalAdvance(word));
            }
        }
    }
    return widest;
}

// The columns' shares of the width: in proportion to their own widths, but
// where the room allows no narrower than their widest word, so words break
// inside a column only when the table cannot be laid out otherwise.
QList<qreal> shares(const QTextDocument &document, QTextTable &table, const QList<qreal> &widths, qreal width)
{
    const QTextTableFormat format = table.format();
    const int columns = int(widths.size());
    // Padding both sides and a border for each column; the layout rounds a
    // little more away, which the spare pixels of each word's room absorb.
    const qreal overhead = 2 * format.cellPadding() + 2 * format.border();
    const qreal room = width - columns * overhead - format.border();
    QList<qreal> needs;
    qreal needed = 0;
    for (int column = 0; column < columns; ++column) {
        needs.append(std::ceil(widestWord(document, table, column)) + 2);
        needed += needs.last();
    }
    QList<qreal> content(columns, 0);
    QList<bool> held(columns, false); // given their widest word
    for (bool again = needed <= room; again;) {
        again = false;
        qreal left = room;
        qreal own = 0;
        for (int column = 0; column < columns; ++column) {
            if (held[column])
                left -= needs[column];
            else
                own += widths[column];
        }
        for (int column = 0; column < columns; ++column) {
            if (held[column])
                continue;
            content[column] = own > 0 ? widths[column] / own * left : 0;
            if (content[column] < needs[column]) {
                content[column] = needs[column];
                held[column] = true;
                again = true;
            }
        }
    }
    if (needed > room) {
        qreal total = 0;
        for (const qreal own : widths)
            total += own;
        for (int column = 0; column < columns; ++column)
            content[column] = total > 0 ? widths[column] / total * room : 0;
    }
    QList<qreal> result;
    for (const qreal share : content)
        result.append(share + overhead);
    return result;
}

void useProportions(const QTextDocument &document, QTextTable &table, const QList<qreal> &widths, qreal width)
{
    const QList<qreal> columns = shares(document, table, widths, width);
    qreal total = 0;
    for (const qreal column : columns)
        total += column;
    QTextTableFormat format = table.format();
    QList<QTextLength> lengths;
    QList<QVariant> kept;
    for (int column = 0; column < columns.size(); ++column) {
        lengths.append(
            QTextLength(QTextLength::PercentageLength, total > 0 ? 100 * columns[column] / total : 0));
        kept.append(widths[column]);
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
            useProportions(document, *table, widths, width);
    }
}

} // namespace RichTextTables
