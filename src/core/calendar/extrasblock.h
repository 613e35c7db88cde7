#pragma once

#include "calendar/pageextras.h"

class TReader;
class TWriter;

// The page extras as version 5 calendar files and style sheets carry them
// after their version 4 contents: a list of the switches (one bit each) and
// the shading colour.
namespace ExtrasBlock {

void write(TWriter &writer, const PageExtras &extras);
// False, with the extras left as they were, when the block is cut short or
// holds a value no extras have; nothing is thrown.
[[nodiscard]] bool read(TReader &reader, PageExtras &extras);

} // namespace ExtrasBlock
