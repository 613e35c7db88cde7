#include "stream/recordcodecs.h"

#include "stream/reader.h"
#include "stream/writer.h"

namespace Records {

namespace {

bool leftOutEmpty(bool empty, const WriteRule &rule)
{
    return empty && !rule.evenEmpty;
}

} // namespace

void Integer::write(TWriter &writer, const char *name, qint32 value, const WriteRule &rule) const
{
    PropertyIO::writeInteger(writer, name, value, rule.defaultValue);
}

qint32 Integer::read(TReader &reader) const
{
    return reader.readInteger();
}

void Boolean::write(TWriter &writer, const char *name, bool value, const WriteRule &rule) const
{
    PropertyIO::writeBoolean(writer, name, value, rule.defaultValue);
}

bool Boolean::read(TReader &reader) const
{
    return reader.readBoolean();
}

void Color::write(TWriter &writer, const char *name, TColor value, const WriteRule &rule) const
{
    PropertyIO::writeColor(writer, name, value, rule.defaultValue);
}

TColor Color::read(TReader &reader) const
{
    return reader.readColor();
}

void Enumeration::write(TWriter &writer, const char *name, int value, const WriteRule &rule) const
{
    PropertyIO::writeEnum(writer, name, value, *names, rule.defaultValue);
}

int Enumeration::read(TReader &reader) const
{
    return reader.readEnum(*names);
}

void String::write(TWriter &writer, const char *name, const QString &value, const WriteRule &rule) const
{
    if (leftOutEmpty(value.isEmpty(), rule))
        return;
    writer.writePropName(QLatin1String(name));
    writer.writeString(value);
}

QString String::read(TReader &reader) const
{
    return reader.readString();
}

void Binary::write(TWriter &writer, const char *name, const QByteArray &value, const WriteRule &rule) const
{
    if (leftOutEmpty(value.isEmpty(), rule))
        return;
    writer.writePropName(QLatin1String(name));
    writer.writeBinary(value);
}

QByteArray Binary::read(TReader &reader) const
{
    return reader.readBinary();
}

} // namespace Records
