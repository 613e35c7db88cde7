#include "richtext/richtextlimits.h"

#include "richtext/richtextrenderer.h"
#include "richtext/rtfreader.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Measured pieces lose the kerning and ligatures of their neighbours, and
// lines round their heights: the room is counted twice over.
constexpr qreal kSlack = 2;
// Clusters measured together, for speed.
constexpr int kPieceClusters = 32;

// A format's font as the layout sets it, measured once for all the
// fragments that share the format.
class FontMeasure
{
public:
    void use(const QTextCharFormat &format, int index)
    {
        if (index == m_index && m_metrics)
            return;
        m_index = index;
        QPaintDevice *device = RichTextRenderer::layoutDevice();
        QFont font(format.font(), device);
        // The line is as high as the font; super- and subscripts are set two
        // thirds as large on it, as Qt sets them.
        m_height = QFontMetricsF(font, device).height();
        const QTextCharFormat::VerticalAlignment align = format.verticalAlignment();
        if ((align == QTextCharFormat::AlignSuperScript || align == QTextCharFormat::AlignSubScript)
            && font.pointSize() * 2 / 3 > 0)
            font.setPointSize(font.pointSize() * 2 / 3);
        m_metrics.emplace(font, device);
        m_space = m_metrics->horizontalAdvance(QLatin1Char(' '));
    }

    [[nodiscard]] qreal height() const { return m_height; }
    [[nodiscard]] const QFontMetricsF &metrics() const { return *m_metrics; }
    [[nodiscard]] qreal space() const { return m_space; }

private:
    int m_index = -1;
    qreal m_height = 0;
    std::optional<QFontMetricsF> m_metrics;
    qreal m_space = 0;
};

// What a piece of text takes at least: lines (fractions of the line's
// width) times the height each of them needs.
class RoomCounter
{
public:
    RoomCounter(const QString &text, qreal lineWidth, FontMeasure &measure)
        : m_text(text)
        , m_lineWidth(lineWidth)
        , m_measure(measure)
        , m_clusters(QTextBoundaryFinder::Grapheme, text)
    {
    }

    // The room the clusters of the text from start to end take in the
    // measure's font: adds it to used and returns where the text first goes
    // beyond budget, or -1.
    int add(int start, int end, qreal &used, qreal budget)
    {
        const QFontMetricsF &metrics = m_measure.metrics();
        const qreal height = m_measure.height();
        int pieceStart = -1;
        int clusters = 0;
        int spaces = 0;
        // Spaces hang past the end of a line and take no room there: a
        // piece is measured less its spaces.
        const auto flush = [&](int pieceEnd) {
            if (pieceStart < 0)
                return;
            const qreal width = std::max<qreal>(0,
                metrics.horizontalAdvance(m_text.mid(pieceStart, pieceEnd - pieceStart))
                    - spaces * m_measure.space());
            if (width <= m_lineWidth) {
                used += width / m_lineWidth * height;
            } else {
                // A cluster wider than the line takes one line, no more.
                m_clusters.setPosition(pieceStart);
                for (int at = pieceStart; at < pieceEnd;) {
                    const int next = std::min<int>(pieceEnd, m_clusters.toNextBoundary());
                    if (m_text.at(at) != QLatin1Char(' ')) {
                        const qreal one = metrics.horizontalAdvance(m_text.mid(at, next - at));
                        used += std::min<qreal>(1, one / m_lineWidth) * height;
                    }
                    at = next;
                }
            }
            pieceStart = -1;
            clusters = 0;
            spaces = 0;
        };
        m_clusters.setPosition(start);
        for (int at = start; at < end;) {
            int next = m_clusters.toNextBoundary();
            if (next < 0 || next > end)
                next = end;
            const QChar c = m_text.at(at);
            // Tabs and other blanks stretch to where the layout puts them:
            // counted as nothing.
            if (c.isSpace() && c != QLatin1Char(' ')) {
                flush(at);
            } else {
                if (pieceStart < 0)
                    pieceStart = at;
                spaces += c == QLatin1Char(' ');
                if (++clusters == kPieceClusters)
                    flush(next);
            }
            m_clusters.setPosition(next);
            if (used > budget)
                return next;
            at = next;
        }
        flush(end);
        return used > budget ? end : -1;
    }

private:
    const QString &m_text;
    qreal m_lineWidth;
    FontMeasure &m_measure;
    QTextBoundaryFinder m_clusters;
};

// The room a paragraph's text takes from used on, up to budget: returns
// where it first goes beyond, or -1.
int blockPastRoom(const QTextBlock &block, qreal lineWidth, FontMeasure &measure, qreal &used, qreal budget)
{
    QPaintDevice *device = RichTextRenderer::layoutDevice();
    if (used > budget)
        return block.position();
    if (block.length() <= 1 || lineWidth <= 0) {
        // An empty paragraph still takes a line; Qt sets one whose indents
        // leave no room on a line or two, unwrapped.
        used += QFontMetricsF(QFont(block.charFormat().font(), device), device).height();
        return used > budget ? block.position() : -1;
    }
    const QString text = block.text();
    RoomCounter counter(text, lineWidth, measure);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        if (format.isImageFormat()) {
            // A picture is as high as its line at least; one without a size
            // of its own is counted as taking nothing.
            const QTextImageFormat image = format.toImageFormat();
            used += std::min<qreal>(1, std::max<qreal>(0, image.width()) / lineWidth)
                * std::max<qreal>(0, image.height()) * fragment.length();
            if (used > budget)
                return fragment.position() + fragment.length();
            continue;
        }
        measure.use(format, fragment.charFormatIndex());
        const int start = fragment.position() - block.position();
        const int past = counter.add(start, start + fragment.length(), used, budget);
        if (past >= 0)
            return block.position() + past;
    }
    return -1;
}

// The stretches of text that cannot show in the area: the rest of each
// table cell that is fuller than the room, and everything after the first
// paragraph outside tables that goes beyond it.
std::vector<std::pair<int, int>> unseen(const QTextDocument &document, const QSizeF &area)
{
    std::vector<std::pair<int, int>> ranges;
    const int end = document.characterCount() - 1;
    const qreal width = std::max<qreal>(1, area.width());
    qreal budget = kSlack * (std::max<qreal>(0, area.height()) + 1);
    qreal used = 0;
    FontMeasure measure;
    // A table's cells sit side by side: each is counted from where its row
    // starts, and a row takes the room of its fullest cell (cells reaching
    // into rows below are left out of that).
    const QTextTable *table = nullptr;
    qreal rowStart = 0;
    qreal rowRoom = 0;
    int row = -1;
    int cellStart = -1;
    qreal cellUsed = 0;
    bool cellCut = false;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        // Paragraphs pulled together make room for more.
        budget += kSlack
            * (std::max<qreal>(0, -format.topMargin()) + std::max<qreal>(0, -format.bottomMargin()));
        const QTextTable *in = QTextCursor(block).currentTable();
        if (in != table) {
            if (table)
                used = rowStart + rowRoom;
            table = in;
            rowStart = used;
            rowRoom = 0;
            row = -1;
            cellStart = -1;
        }
        if (!table) {
            // A paragraph has the width less its indents, more when they
            // are negative.
            const qreal lineWidth = width - format.leftMargin() - format.rightMargin()
                - std::min<qreal>(0, format.textIndent());
            const int past = blockPastRoom(block, lineWidth, measure, used, budget);
            if (past >= 0) {
                ranges.emplace_back(past, end);
                return ranges;
            }
            continue;
        }
        const QTextTableCell cell = table->cellAt(block.position());
        if (cell.firstPosition() != cellStart) {
            if (cell.row() != row) {
                if (row >= 0)
                    rowStart += rowRoom;
                rowRoom = 0;
                row = cell.row();
            }
            cellStart = cell.firstPosition();
            cellUsed = 0;
            cellCut = false;
        }
        if (cellCut)
            continue;
        // Cells narrower than the width only take more lines than counted.
        const int past = blockPastRoom(block, width, measure, cellUsed, budget - rowStart);
        if (cell.rowSpan() == 1)
            rowRoom = std::max(rowRoom, cellUsed);
        if (past >= 0) {
            ranges.emplace_back(past, cell.lastPosition());
            cellCut = true;
        }
    }
    if (table && rowStart + rowRoom > budget)
        ranges.emplace_back(table->lastPosition() + 1, end);
    return ranges;
}

} // namespace

namespace RichTextLimits {

bool cutToArea(QTextDocument &document, const QSizeF &area)
{
    std::vector<std::pair<int, int>> ranges = unseen(document, area);
    // From the back, so the positions of what is still to go hold.
    std::sort(ranges.begin(), ranges.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    bool cut = false;
    for (const auto &[from, to] : ranges) {
        if (to <= from)
            continue;
        QTextCursor cursor(&document);
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        cut = true;
    }
    return cut;
}

int breakLongRuns(QTextDocument &document, int longest)
{
    if (longest < 1)
        return 0;
    std::vector<int> breaks; // document positions, ascending
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (text.size() <= longest)
            continue;
        QTextBoundaryFinder lines(QTextBoundaryFinder::Line, text);
        QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text);
        int runStart = 0;
        for (int next = lines.toNextBoundary(); next >= 0; next = lines.toNextBoundary()) {
            for (int at = runStart + longest; at < next; at += longest) {
                clusters.setPosition(at);
                if (!clusters.isAtBoundary())
                    at = clusters.toNextBoundary();
                if (at < 0 || at >= next)
                    break;
                breaks.push_back(block.position() + at);
            }
            runStart = next;
        }
    }
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (auto it = breaks.rbegin(); it != breaks.rend(); ++it) {
        cursor.setPosition(*it);
        cursor.insertText(QString(QChar(QChar::LineSeparator)));
    }
    cursor.endEditBlock();
    return int(breaks.size());
}

Document::Document() = default;

Document::~Document() = default;

bool Document::update(const QByteArray &rtf, const QSizeF &area)
{
    if (m_read && rtf == m_rtf
        && (!m_cut || (area.width() <= m_area.width() && area.height() <= m_area.height())))
        return false;
    // A text cut for a smaller area is read again for the larger one; what
    // was asked for before is still covered.
    const QSizeF covered = m_read && rtf == m_rtf ? m_area.expandedTo(area) : area;
    // The layout comes last: a document that has one lays every edit out.
    auto document = std::make_unique<QTextDocument>();
    document->setUndoRedoEnabled(false);
    RtfReader::read(rtf, *document);
    m_cut = cutToArea(*document, covered);
    breakLongRuns(*document);
    RichTextRenderer::prepare(*document);
    m_document = std::move(document);
    m_rtf = rtf;
    m_area = covered;
    m_read = true;
    return true;
}

} // namespace RichTextLimits
