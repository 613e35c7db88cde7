#pragma once

#include <QFont>

// Faces for paper. A face of pictures only (a bitmap font, colour emoji)
// has no outlines to draw at a printer's resolution or to put into a PDF:
// a bitmap font comes out at its few pixel sizes, tiny at 300 dots per
// inch, and colour glyphs not at all. On paper an outline face of the same
// size, weight and slant stands in for it.
class QFontEngine;

namespace OutlineFaces {

// Whether the face of one of Qt's font engines draws its glyphs from
// outlines of any kind.
[[nodiscard]] bool hasOutlines(QFontEngine &engine);

// The font to draw with on paper: the font itself when its face has
// outlines, else a stand-in. Never a bitmap face.
[[nodiscard]] QFont forPaper(const QFont &font);

// The system's plain face (or its fixed-pitch one) at a pixel size,
// weight and slant, never a bitmap face.
[[nodiscard]] QFont standIn(qreal pixelSize, int weight, bool italic, bool fixedPitch);

} // namespace OutlineFaces
