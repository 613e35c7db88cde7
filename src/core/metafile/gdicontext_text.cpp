#include "metafile/gdicontext.h"
#include "metafile/gdicontext_p.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// A long enough run of text for any real picture; longer runs are cut.
constexpr int kMaxTextLength = 8192;

std::shared_ptr<GdiGlyphs> glyphsOf(const QFont &font)
{
    // Pictures use few fonts; a page full of different ones starts afresh.
    constexpr int kMaxFonts = 64;
    thread_local QHash<QString, std::shared_ptr<GdiGlyphs>> known;
    const QString key = font.toString();
    auto it = known.constFind(key);
    if (it != known.constEnd())
        return *it;
    if (known.size() >= kMaxFonts)
        known.clear();
    auto glyphs = std::make_shared<GdiGlyphs>();
    glyphs->raw = QRawFont::fromFont(font);
    known.insert(key, glyphs);
    return glyphs;
}

bool sameFont(const GdiFont &a, const GdiFont &b)
{
    return a.width == b.width && a.weight == b.weight && a.italic == b.italic && a.underline == b.underline
        && a.strikeOut == b.strikeOut && a.faceName == b.faceName && (a.height > 0) == (b.height > 0);
}

} // namespace

void GdiContext::TextFont::addCharacter(QPainterPath &to, QPointF at, QChar c)
{
    // Underline and strike-out come with Qt's text layout only.
    const QRawFont &raw = glyphs->raw;
    if (font.underline() || font.strikeOut() || !raw.isValid() || !raw.supportsCharacter(c)) {
        to.addText(at, font, QString(c));
        return;
    }
    auto it = glyphs->paths.constFind(c.unicode());
    if (it == glyphs->paths.constEnd()) {
        quint32 index = 0;
        int count = 1;
        raw.glyphIndexesForChars(&c, 1, &index, &count);
        it = glyphs->paths.insert(c.unicode(), raw.pathForGlyph(index));
    }
    to.addPath(it->translated(at));
}

GdiContext::TextFont &GdiContext::textFont()
{
    if (!m_fontCache)
        m_fontCache = std::make_unique<TextFontCache>();
    TextFontCache &cache = *m_fontCache;
    const GdiFont &g = m_state.font;
    if (cache.valid && sameFont(cache.key, g))
        return cache.value;
    QFont font(g.faceName.isEmpty() ? QStringLiteral("Arial") : g.faceName);
    font.setPixelSize(int(kTextWorkingSize));
    font.setWeight(QFont::Weight(std::clamp(g.weight <= 0 ? 400 : g.weight, 100, 900)));
    font.setItalic(g.italic);
    font.setUnderline(g.underline);
    font.setStrikeOut(g.strikeOut);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    TextFont &t = cache.value;
    const QFontMetricsF metrics(font);
    t.cellRatio = metrics.height() > 0 ? kTextWorkingSize / metrics.height() : 1;
    if (g.width != 0 && metrics.averageCharWidth() > 0) {
        // The width is the average character width at the font's height;
        // it stretches the font, taken relative to the working size below.
        const double em = std::abs(g.height) > 0 ? std::abs(g.height) * (g.height > 0 ? t.cellRatio : 1) : 1;
        const double wanted = std::abs(g.width) * kTextWorkingSize / em;
        const double stretch = wanted / metrics.averageCharWidth() * 100;
        font.setStretch(std::isfinite(stretch) ? int(std::clamp(stretch, 1.0, 4000.0)) : 100);
    }
    const QFontMetricsF final(font);
    t.font = font;
    t.ascent = final.ascent();
    t.descent = final.descent();
    t.glyphs = glyphsOf(font);
    cache.key = g;
    cache.valid = true;
    return t;
}

// A line of text in working units, relative to its reference point.
struct GdiContext::TextRun
{
    QVector<qreal> advances;
    bool useDx = false; // glyph by glyph at the advances the record gives
    double width = 0;
    double x = 0; // left end
    double baseline = 0;
};

void GdiContext::textOut(
    QPointF reference, const QString &rawText, const QVector<qreal> &rawDx, int options, const QRectF &box)
{
    if (m_pathOpen)
        return;
    const QTransform t = fullTransform();
    if (!t.isInvertible() || !std::isfinite(t.determinant()))
        return;
    const QString text = rawText.left(kMaxTextLength);
    m_painter.save();
    paintTextBox(t, options, box);
    if (text.isEmpty()) {
        m_painter.restore();
        return;
    }
    TextFont &tf = textFont();
    const double k = textEmSize(tf) / kTextWorkingSize; // logical units per working unit
    const bool textAtCp = m_state.textAlign & Gdi::TaUpdateCp;
    const QTransform local = textPlacement(textAtCp ? m_state.currentPos : reference, k, t);
    const TextRun run = layOutText(text, rawDx, options, k, tf);
    m_painter.setTransform(local * t);
    if (m_state.opaqueBackground && !(options & Gdi::EtoOpaque))
        m_painter.fillRect(QRectF(run.x, run.baseline - tf.ascent, run.width, tf.ascent + tf.descent),
            m_state.backgroundColor);
    fillGlyphs(text, run, tf);
    m_painter.restore();
    if (textAtCp)
        moveCurrentPosPast(local, run.width);
}

void GdiContext::paintTextBox(const QTransform &t, int options, const QRectF &box)
{
    if (!(options & (Gdi::EtoOpaque | Gdi::EtoClipped)) || !box.isValid())
        return;
    m_painter.setTransform(t);
    if (options & Gdi::EtoOpaque)
        m_painter.fillRect(box, m_state.backgroundColor);
    if (options & Gdi::EtoClipped)
        m_painter.setClipRect(box, Qt::IntersectClip);
}

double GdiContext::textEmSize(const TextFont &tf) const
{
    // A positive height is the cell, a negative one the em.
    const GdiFont &g = m_state.font;
    double em = std::abs(g.height);
    if (g.height > 0)
        em *= tf.cellRatio;
    if (em == 0) {
        const double scale = std::abs(logicalToPage().m22());
        em = scale > 0 ? 16 / scale : 16;
    }
    return em;
}

QTransform GdiContext::textPlacement(QPointF anchor, double k, const QTransform &t) const
{
    // Glyphs stay upright on the device even where the mapping flips an axis.
    const QPointF origin = t.map(QPointF());
    const QPointF xAxis = t.map(QPointF(1, 0)) - origin;
    const QPointF yAxis = t.map(QPointF(0, 1)) - origin;
    QTransform local;
    local.translate(anchor.x(), anchor.y());
    local.scale(xAxis.x() < 0 ? -1 : 1, yAxis.y() < 0 ? -1 : 1);
    local.rotate(-double(m_state.font.escapement) / 10.0);
    local.scale(k, k);
    return local;
}

GdiContext::TextRun GdiContext::layOutText(
    const QString &text, const QVector<qreal> &dx, int options, double k, const TextFont &tf) const
{
    TextRun run;
    const int stepDx = (options & Gdi::EtoPdy) ? 2 : 1;
    run.useDx = dx.size() >= text.size() * stepDx;
    run.advances.resize(text.size());
    const QFontMetricsF metrics(tf.font);
    for (int i = 0; i < text.size(); ++i) {
        run.advances[i] = run.useDx ? dx[i * stepDx] / k : metrics.horizontalAdvance(text[i]);
        run.width += run.advances[i];
    }
    alignText(run, tf);
    return run;
}

void GdiContext::alignText(TextRun &run, const TextFont &tf) const
{
    switch (m_state.textAlign & Gdi::TaHorizontalMask) {
    case Gdi::TaCenter:
        run.x = -run.width / 2;
        break;
    case Gdi::TaRight:
        run.x = -run.width;
        break;
    default:
        break;
    }
    switch (m_state.textAlign & Gdi::TaVerticalMask) {
    case Gdi::TaBaseline:
        break;
    case Gdi::TaBottom:
        run.baseline = -tf.descent;
        break;
    default:
        run.baseline = tf.ascent;
        break;
    }
}

void GdiContext::fillGlyphs(const QString &text, const TextRun &run, TextFont &tf)
{
    // Text is filled as glyph outlines. Qt's glyph bitmap cache crashes on
    // glyphs that a picture's font and transform can stretch to any size,
    // and outlines are exact at every scale besides. Underline and
    // strike-out come with the font's outlines.
    QPainterPath glyphs;
    if (run.useDx) {
        double pos = run.x;
        for (int i = 0; i < text.size(); ++i) {
            if (!text[i].isSpace())
                tf.addCharacter(glyphs, QPointF(pos, run.baseline), text[i]);
            pos += run.advances[i];
        }
    } else {
        glyphs.addText(QPointF(run.x, run.baseline), tf.font, text);
    }
    m_painter.fillPath(glyphs, m_state.textColor);
}

void GdiContext::moveCurrentPosPast(const QTransform &local, double width)
{
    // Centred text leaves the current position where it was.
    const int h = m_state.textAlign & Gdi::TaHorizontalMask;
    if (h != Gdi::TaCenter)
        m_state.currentPos = local.map(QPointF(h == Gdi::TaRight ? -width : width, 0));
}
