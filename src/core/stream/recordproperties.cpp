#include "stream/recordproperties.h"

#include "stream/component.h"
#include "stream/reader.h"
#include "stream/streamerror.h"
#include "stream/writer.h"

#include <QBuffer>

namespace RecordProperties {

namespace {

QVariant readAnyValue(TReader &reader)
{
    switch (reader.nextValue()) {
    case vaInt8:
    case vaInt16:
    case vaInt32:
        return reader.readInteger();
    case vaExtended:
        return reader.readFloat();
    case vaFalse:
    case vaTrue:
        return reader.readBoolean();
    case vaString:
    case vaLString:
    case vaWString:
    case vaUTF8String:
        return reader.readString();
    case vaIdent:
        return reader.readIdent();
    case vaNil:
        (void)reader.readValue();
        return QVariant();
    case vaBinary:
        return reader.readBinary();
    case vaSet: {
        (void)reader.readValue();
        QStringList members;
        for (QString member = reader.readStr(); !member.isEmpty(); member = reader.readStr())
            members << member;
        return members;
    }
    case vaList: {
        reader.readListBegin();
        QVariantList items;
        while (!reader.endOfList())
            items << readAnyValue(reader);
        reader.readListEnd();
        return items;
    }
    default:
        reader.skipValue();
        return QVariant();
    }
}

} // namespace

QList<Property> of(const TComponent &component)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    QList<Property> out;
    try {
        {
            TWriter writer(buffer);
            component.writeProperties(writer);
            writer.writeListEnd();
            writer.flush();
        }
        buffer.seek(0);
        TReader reader(buffer);
        while (!reader.endOfList()) {
            const QString name = reader.readStr();
            out.append({ name, readAnyValue(reader) });
        }
    } catch (const StreamError &) {
        // A record this program wrote always reads back; keep what was read.
    }
    return out;
}

} // namespace RecordProperties
