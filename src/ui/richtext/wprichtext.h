#pragma once

#include "base/calendarfont.h"

#include <QColor>
#include <QStringList>
#include <QTextEdit>

class QPainter;
class TWPRtfStorage;

// Current character attributes as the cell editor reports and takes them.
struct CharAttributes
{
    int fontIndex = -1; // into TWPRichText::fontTable()
    double size = 10; // points at 100%
    int styles = 0; // TWPRichText::Bold | Italic | Underline | StrikeOut
    int colorIndex = 0; // into TWPRichText::colorTable()

    friend bool operator==(const CharAttributes &a, const CharAttributes &b)
    {
        return a.fontIndex == b.fontIndex && qFuzzyCompare(a.size, b.size) && a.styles == b.styles
            && a.colorIndex == b.colorIndex;
    }
};

// The rich-text editor laid over a day cell (and used hidden to append text
// to a cell). Its page is a width and height in twips shown at a zoom: the
// document it shows is the stored text scaled by the zoom, and every
// exchange with a storage or with attributes converts back to 100%.
class TWPRichText : public QTextEdit
{
    Q_OBJECT

public:
    enum Style { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };

    explicit TWPRichText(QWidget *parent = nullptr);

    // Whole text to and from a cell storage.
    void copyFrom(const TWPRtfStorage &storage);
    void copyTo(TWPRtfStorage &storage) const;
    [[nodiscard]] QByteArray rtf() const;
    void setRtf(const QByteArray &rtf);

    // Page: zero margins, text wraps at the page width.
    void setPageSizeTwips(int width, int height);
    [[nodiscard]] int pageWidthTwips() const { return m_pageWidth; }
    [[nodiscard]] int pageHeightTwips() const { return m_pageHeight; }
    void setZoom(int percent);
    [[nodiscard]] int zoom() const { return m_zoom; }

    // The editor's font table: the system's families plus faces met in texts.
    [[nodiscard]] const QStringList &fontTable() const { return m_fonts; }
    // Index of a face (letter case ignored); an unknown face is added.
    int fontIndexOf(const QString &face) const;
    // The 16 colours text can take by index.
    [[nodiscard]] static const QVector<QColor> &colorTable();
    // Highest table index holding the colour, -1 when none does.
    [[nodiscard]] static int colorIndexOf(const QColor &color);

    [[nodiscard]] CharAttributes currentAttributes() const;
    void setCurrentAttributes(const CharAttributes &attributes);
    // The text typed next takes the font: its face, size, styles and the
    // nearest of the table's colours.
    void setTypingFont(const CalendarFont &font);

    [[nodiscard]] bool isEmptyText() const;
    void selectAllText();
    void moveToEnd();
    void newParagraph();
    void insertTextWithAttributes(const QString &text, const CharAttributes &attributes);
    void reformat();
    // An inline picture at the insertion point, shown at its own pixel size at 100%.
    void insertPicture(const QImage &picture);
    // Paints the text as the page shows it at the current zoom into rect.
    void renderTo(QPainter &painter, const QRect &rect) const;
    // The colour behind the text.
    [[nodiscard]] QColor backgroundColor() const;
    void setBackgroundColor(const QColor &color);
    // Takes the input focus with the caret at the start of the text.
    void focusAtStart();

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    [[nodiscard]] QTextCharFormat formatOf(const CharAttributes &attributes) const;
    [[nodiscard]] double zoomFactor() const { return m_zoom / 100.0; }
    // The default font, scaled to the zoom.
    void applyZoomToDefaultFont();
    void applyWrapWidth();
    void fitTables();
    // Pastes a text in RTF at the caret; false when it is not RTF.
    bool insertRtf(const QByteArray &rtf);

    mutable QStringList m_fonts; // grows by the faces texts bring
    int m_pageWidth = 0;
    int m_pageHeight = 0;
    int m_zoom = 100;
};
