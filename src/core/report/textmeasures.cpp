#include "report/textmeasures.h"

#include <QFontMetricsF>
#include <QTextLayout>

namespace {

// Enough for every font and text of the busiest page; past it the cache
// starts over rather than grow with a long-running program.
constexpr int kMaxFonts = 64;
constexpr int kMaxTextsPerFont = 4096;

} // namespace

TextMeasures::TextMeasures(const QFont &font)
    : m_font(font)
{
    const QFontMetricsF metrics(font);
    m_height = metrics.height();
    m_ascent = metrics.ascent();
    m_lineSpacing = metrics.lineSpacing();
}

std::shared_ptr<TextMeasures> TextMeasures::of(const QFont &font)
{
    thread_local QHash<QFont, std::shared_ptr<TextMeasures>> fonts;
    auto found = fonts.constFind(font);
    if (found != fonts.constEnd())
        return *found;
    if (fonts.size() >= kMaxFonts)
        fonts.clear();
    auto measures = std::make_shared<TextMeasures>(font);
    fonts.insert(font, measures);
    return measures;
}

const TextMeasures::Shaped &TextMeasures::shaped(const QString &text)
{
    auto found = m_shaped.constFind(text);
    if (found != m_shaped.constEnd())
        return *found;
    if (m_shaped.size() >= kMaxTextsPerFont)
        m_shaped.clear();
    QTextLayout layout(text, m_font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    Shaped result;
    if (line.isValid()) {
        result.runs = line.glyphRuns();
        result.baseline = line.ascent();
        result.width = line.horizontalAdvance();
    }
    return *m_shaped.insert(text, result);
}
