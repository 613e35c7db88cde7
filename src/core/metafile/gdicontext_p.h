#pragma once

#include "metafile/gdicontext.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPainterPath>
#include <QRawFont>

#include <memory>

// Text is laid out at a fixed working size and scaled into place, so the
// glyph shapes stay exact at any zoom and a font of one logical unit works.
constexpr double kTextWorkingSize = 100;

// Outlines for one glyph at a time, without laying out text; shared by every
// picture drawn on a thread in the same font, as loading a face and its
// outlines costs more than drawing most pictures.
struct GdiGlyphs
{
    QRawFont raw;
    QHash<char16_t, QPainterPath> paths;
};

struct GdiContext::TextFont
{
    QFont font;
    double ascent = 0;
    double descent = 0;
    double cellRatio = 1; // em size per cell height
    std::shared_ptr<GdiGlyphs> glyphs;

    // Adds one character's outline with its origin at the given point.
    void addCharacter(QPainterPath &to, QPointF at, QChar c);
};

struct GdiContext::TextFontCache
{
    GdiFont key;
    bool valid = false;
    TextFont value;
};
