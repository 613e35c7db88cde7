#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QString>

#include <memory>

// What one font measures, and how it shapes each text, remembered. A page of
// twelve minis sets the same day numbers, names and titles in the same few
// fonts over and over, and each measurement or drawing otherwise shapes the
// text anew.
class TextMeasures
{
public:
    // The measures of font, shared by everyone who asks on this thread.
    [[nodiscard]] static std::shared_ptr<TextMeasures> of(const QFont &font);

    // A text shaped once, for measuring and for drawing: its glyphs with
    // their places from an origin at the left of the line's top, how far below
    // that its baseline lies, and its advance.
    struct Shaped
    {
        QList<QGlyphRun> runs;
        double baseline = 0;
        double width = 0;
    };
    [[nodiscard]] const Shaped &shaped(const QString &text);
    [[nodiscard]] double width(const QString &text) { return shaped(text).width; }
    [[nodiscard]] double height() const { return m_height; }
    [[nodiscard]] double ascent() const { return m_ascent; }
    [[nodiscard]] double lineSpacing() const { return m_lineSpacing; }

    explicit TextMeasures(const QFont &font);

private:
    QFont m_font;
    double m_height;
    double m_ascent;
    double m_lineSpacing;
    QHash<QString, Shaped> m_shaped;
};
