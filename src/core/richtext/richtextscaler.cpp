#include "richtext/richtextscaler.h"

#include "richtext/richtexttables.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>

namespace {

void scaleCharFormat(QTextCharFormat &format, double factor)
{
    if (format.hasProperty(QTextFormat::FontPointSize))
        format.setFontPointSize(format.fontPointSize() * factor);
    if (format.isImageFormat()) {
        QTextImageFormat image = format.toImageFormat();
        if (image.width() > 0)
            image.setWidth(image.width() * factor);
        if (image.height() > 0)
            image.setHeight(image.height() * factor);
        format = image;
    }
}

void scaleTables(QTextFrame *frame, double factor)
{
    for (QTextFrame *child : frame->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(child)) {
            QTextTableFormat format = table->format();
            QList<QTextLength> lengths = format.columnWidthConstraints();
            for (QTextLength &length : lengths) {
                if (length.type() == QTextLength::FixedLength)
                    length = QTextLength(QTextLength::FixedLength, length.rawValue() * factor);
            }
            format.setColumnWidthConstraints(lengths);
            QList<QVariant> own = format.property(RichTextTables::kColumnWidthsProperty).toList();
            if (!own.isEmpty()) {
                for (QVariant &width : own)
                    width = width.toReal() * factor;
                format.setProperty(RichTextTables::kColumnWidthsProperty, own);
            }
            format.setCellPadding(format.cellPadding() * factor);
            table->setFormat(format);
        }
        scaleTables(child, factor);
    }
}

} // namespace

namespace RichTextScaler {

void scale(QTextDocument &document, double factor)
{
    if (factor <= 0 || qFuzzyCompare(factor, 1.0))
        return;
    // Formats are collected first: changing them merges fragments under a
    // running iterator.
    struct Run
    {
        int position;
        int length;
        QTextCharFormat format;
    };
    QVector<Run> runs;
    QVector<QTextBlock> blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        blocks.append(block);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid())
                runs.append({ fragment.position(), fragment.length(), fragment.charFormat() });
        }
    }
    QTextOption option = document.defaultTextOption();
    option.setTabStopDistance(option.tabStopDistance() * factor);
    document.setDefaultTextOption(option);
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const QTextBlock &block : qAsConst(blocks)) {
        QTextBlockFormat blockFormat = block.blockFormat();
        blockFormat.setLeftMargin(blockFormat.leftMargin() * factor);
        blockFormat.setRightMargin(blockFormat.rightMargin() * factor);
        blockFormat.setTextIndent(blockFormat.textIndent() * factor);
        blockFormat.setTopMargin(blockFormat.topMargin() * factor);
        blockFormat.setBottomMargin(blockFormat.bottomMargin() * factor);
        QList<QTextOption::Tab> tabs = blockFormat.tabPositions();
        for (QTextOption::Tab &tab : tabs)
            tab.position *= factor;
        if (!tabs.isEmpty())
            blockFormat.setTabPositions(tabs);
        QTextCharFormat blockChar = block.charFormat();
        scaleCharFormat(blockChar, factor);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(blockFormat);
        cursor.setBlockCharFormat(blockChar);
    }
    for (Run &run : runs) {
        scaleCharFormat(run.format, factor);
        cursor.setPosition(run.position);
        cursor.setPosition(run.position + run.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(run.format);
    }
    scaleTables(document.rootFrame(), factor);
    cursor.endEditBlock();
}

} // namespace RichTextScaler
