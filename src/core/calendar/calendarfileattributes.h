#pragma once

#include "calendar/calendarattributes.h"

class TReader;
class TWriter;

// The attribute block calendar files and style sheets share: paper,
// orientation, margins in hundredths of an inch, layout, borders, the name
// tables, colours, the six fonts as sub-records and the number position.
namespace CalendarFileAttributes {

void write(TWriter &writer, const CalendarAttributes &attributes);
// Stores the block's values into attributes. Values the page cannot take (a
// layout beyond 21, a margin of 80 inches, a font of size 0) fail with
// "Invalid property value" rather than reach the page.
void read(TReader &reader, CalendarAttributes &attributes);

// Margins are stored truncated to hundredths, computed in double precision
// so 0.29 in single precision becomes 28.
[[nodiscard]] qint32 marginToHundredths(float inches);

} // namespace CalendarFileAttributes
