#pragma once

#include <QByteArray>
#include <QSizeF>

#include <memory>

class QTextDocument;

// Keeps hostile texts (a megabyte pasted into a cell, a word of a hundred
// thousand letters) from costing more to lay out than the target can show.
// Qt lays a text out whole, and each line that starts inside a word with no
// break point looks for the word's end first, so such a word costs its
// length times its lines.
namespace RichTextLimits {

// The longest run of text without a break point left as it is.
constexpr int kLongestRun = 1000;

// Removes the text that cannot show in a target of area (layout units):
// what follows more text than the area has room for, counting each piece
// at its own font's height and at most its width, and twice over for
// kerning and rounding. In a table, each cell is counted from the top of
// its row and only its own rest goes; the table keeps its rows. Returns
// true when something was removed.
bool cutToArea(QTextDocument &document, const QSizeF &area);

// Puts a line separator into runs without a break point every longest
// characters (at the nearest cluster boundary after), so laying them out
// costs their length. Returns the number of separators put in.
int breakLongRuns(QTextDocument &document, int longest = kLongestRun);

// A text read from RTF for drawing into targets no larger than an area,
// holding what can show in the largest area asked for so far, cut and
// broken as above, prepared for the renderer.
class Document
{
public:
    Document();
    ~Document();

    // Reads rtf unless it is the text held and was read for an area at
    // least as large (layout units) or read whole. Returns true when it read.
    bool update(const QByteArray &rtf, const QSizeF &area);
    // The text read by the last update().
    [[nodiscard]] QTextDocument &document() const { return *m_document; }
    // Whether some of the text was left out.
    [[nodiscard]] bool cut() const { return m_cut; }

private:
    std::unique_ptr<QTextDocument> m_document;
    QByteArray m_rtf;
    QSizeF m_area;
    bool m_cut = false;
    bool m_read = false;
};

} // namespace RichTextLimits
