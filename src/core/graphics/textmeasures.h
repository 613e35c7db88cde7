#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QString>

#include <memory>

// What one font measures, remembered. A page of twelve minis sets the same
// day numbers, names and titles in the same few fonts over and over, and
// each measurement otherwise shapes the text anew.
class TextMeasures
{
public:
    // The measures of font, shared by everyone who asks on this thread.
    [[nodiscard]] static std::shared_ptr<TextMeasures> of(const QFont &font);

    [[nodiscard]] double width(const QString &text);

    // The text shaped once: its glyphs with their places, the origin on the
    // left of the first line's top, and how far below that its baseline lies.
    struct Shaped
    {
        QList<QGlyphRun> runs;
        double baseline = 0;
    };
    [[nodiscard]] const Shaped &shaped(const QString &text);
    [[nodiscard]] double height() const { return m_height; }
    [[nodiscard]] double ascent() const { return m_ascent; }
    [[nodiscard]] double lineSpacing() const { return m_lineSpacing; }

    explicit TextMeasures(const QFont &font);

private:
    QFont m_font;
    double m_height;
    double m_ascent;
    double m_lineSpacing;
    QHash<QString, double> m_widths;
    QHash<QString, Shaped> m_shaped;
};
