#pragma once

#include "stream/component.h"

#include "base/calendarfont.h"

#include <QString>

class TReader;
class TWriter;

enum TFontPitch { fpDefault, fpVariable, fpFixed };

// A font property of a record, written as five sub-properties under its
// name: "Font.Color", "Font.Height" (pixels at 96 per inch, negative for a
// character height), "Font.Name", "Font.Pitch" (skipped at fpDefault) and
// "Font.Style" (a set of fsBold, fsItalic, fsUnderline, fsStrikeOut).
namespace PropertyIO {

void writeFont(TWriter &writer, const char *prefix, const CalendarFont &font, int pitch = fpDefault);
// subName is the part after the prefix and the dot ("Height"); NotFound for
// any other name. A positive (cell) height is taken as the size it gives.
PropertyRead readFont(TReader &reader, const QString &subName, CalendarFont &font, int *pitch = nullptr);

[[nodiscard]] int fontHeightFromPoints(int points);
[[nodiscard]] int pointsFromFontHeight(int height);

} // namespace PropertyIO
