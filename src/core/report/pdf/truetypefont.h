#pragma once

#include <QByteArray>
#include <QHash>
#include <QRect>
#include <QSet>

#include <functional>
#include <vector>

// The parts of a TrueType font (glyf outlines) a PDF needs: metrics, which
// characters the glyphs stand for, and a copy of the font cut down to the
// glyphs a page uses.
class TrueTypeFont
{
public:
    // Returns the raw bytes of the table named by the four-character tag
    // ("head", "glyf", "cvt "...), or an empty array when the font has none.
    using TableReader = std::function<QByteArray(const char *tag)>;

    // False when the font has no TrueType outlines (CFF fonts, bitmap fonts)
    // or a table it needs is missing or damaged. Nothing else may be called then.
    // Damaged optional tables (OS/2, post, cmap) count as missing.
    bool load(const TableReader &read);

    int unitsPerEm() const { return m_unitsPerEm; }
    // Font units, y up, from head: left()/right() are xMin/xMax, top()/bottom() yMin/yMax.
    QRect boundingBox() const { return m_boundingBox; }
    int ascent() const { return m_ascent; } // font units, from OS/2 typo/win or hhea
    int descent() const { return m_descent; } // negative, font units
    int capHeight() const { return m_capHeight; } // OS/2 sCapHeight when present (version>=2), else ascent
    double italicAngle() const { return m_italicAngle; } // degrees, from post (16.16 fixed)
    bool isFixedPitch() const { return m_fixedPitch; } // post.isFixedPitch
    int glyphCount() const { return m_glyphCount; } // maxp.numGlyphs
    // Advance width in font units (hmtx; glyphs past numberOfHMetrics take the last).
    int advance(quint32 glyph) const;
    // May the font be embedded in a document? False for OS/2 fsType "restricted
    // licence" (fsType & 0x000F == 2) and for bitmap-only embedding (0x0200).
    bool embeddable() const;

    // For each of the given glyphs, the lowest Unicode code point the font's
    // cmap maps to it. Reads the (3,10) format 12 subtable when there is one,
    // else (3,1)/(0,x) format 4; glyphs no character maps to are absent.
    QHash<quint32, char32_t> unicodesOf(const QSet<quint32> &glyphs) const;

    // A complete TrueType font file with just the given glyphs, numbered
    // anew in that order (glyph i of the result is glyphs[i] here; glyphs[0]
    // should be 0, the missing-character glyph), followed by every component
    // their composite glyphs use, recursively, whose references are
    // renumbered to match. Damaged glyphs and composites that use themselves
    // come out empty. Tables: head, hhea, hmtx, maxp, loca (long), glyf, and
    // cvt , fpgm, prep when the font has them. Empty if the font was not loaded.
    QByteArray subset(const std::vector<quint32> &glyphs) const;

private:
    enum class Outline : quint8 { Unknown, Visiting, Kept, Damaged };

    void resolveOutlines(quint32 root, std::vector<Outline> &outlines) const;
    bool checkGlyph(quint32 glyph, std::vector<quint16> *components) const;
    int leftSideBearing(quint32 glyph) const;

    bool m_loaded = false;
    QByteArray m_head, m_hhea, m_hmtx, m_maxp, m_glyf, m_cvt, m_fpgm, m_prep, m_cmap;
    std::vector<quint32> m_loca; // glyphCount + 1 byte offsets into m_glyf, as the font has them
    int m_unitsPerEm = 0;
    QRect m_boundingBox;
    int m_ascent = 0;
    int m_descent = 0;
    int m_capHeight = 0;
    double m_italicAngle = 0;
    bool m_fixedPitch = false;
    int m_glyphCount = 0;
    int m_hMetricCount = 0;
    quint16 m_fsType = 0;
};
