#pragma once

#include "metafile/gdiobjects.h"

#include <QColor>

class ByteReader;

// Structures that WMF and EMF records both carry, read the same way by
// both players.
namespace GdiRecords {

// A COLORREF: red in the low byte, then green and blue.
[[nodiscard]] QColor colorRef(quint32 value);

// The two forms of a LOGFONT: WMF's with 16-bit numbers and a face name in
// code page 1252, EMF's with 32-bit numbers and a face name in UTF-16. Both
// hold at most 32 characters of name, ended early by a NUL.
enum class LogFontFormat { Wmf, Emf };
// Reads from r's position; a record cut short leaves r's error set and the
// missing fields zero.
[[nodiscard]] GdiFont readLogFont(ByteReader &r, LogFontFormat format);

} // namespace GdiRecords
