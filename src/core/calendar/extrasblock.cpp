#include "calendar/extrasblock.h"

#include "stream/reader.h"
#include "stream/streamerror.h"
#include "stream/writer.h"

namespace ExtrasBlock {

void write(TWriter &writer, const PageExtras &extras)
{
    writer.writeListBegin();
    writer.writeInteger(extras.flags());
    writer.writeInteger(qint32(extras.shadeColor));
    writer.writeListEnd();
}

bool read(TReader &reader, PageExtras &extras)
{
    PageExtras found;
    try {
        reader.readListBegin();
        const int flags = reader.readInteger();
        const qint32 color = reader.readInteger();
        reader.readListEnd();
        if (!found.setFlags(flags) || color < 0 || color > 0xFFFFFF)
            return false;
        found.shadeColor = TColor(color);
    } catch (const StreamError &) {
        return false;
    }
    extras = found;
    return true;
}

} // namespace ExtrasBlock
