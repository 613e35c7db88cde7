#include "stream/propertyio.h"

#include "stream/colornames.h"
#include "stream/writer.h"

namespace PropertyIO {

namespace {

bool skipped(qint64 value, qint64 defaultValue)
{
    return defaultValue != kNoDefault && value == defaultValue;
}

} // namespace

bool is(const QString &path, const char *name)
{
    return path.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

bool hasPrefix(const QString &path, const char *prefix)
{
    const QLatin1String head(prefix);
    return path.size() > head.size() + 1 && path.at(head.size()) == QLatin1Char('.')
        && path.startsWith(head, Qt::CaseInsensitive);
}

QString subPath(const QString &path)
{
    const qsizetype dot = path.indexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : path.mid(dot + 1);
}

void writeInteger(TWriter &writer, const char *name, qint32 value, qint64 defaultValue)
{
    if (skipped(value, defaultValue))
        return;
    writer.writePropName(QLatin1String(name));
    writer.writeInteger(value);
}

void writeBoolean(TWriter &writer, const char *name, bool value, qint64 defaultValue)
{
    if (skipped(value ? 1 : 0, defaultValue))
        return;
    writer.writePropName(QLatin1String(name));
    writer.writeBoolean(value);
}

void writeEnum(TWriter &writer, const char *name, int value, const QStringList &names, qint64 defaultValue)
{
    if (skipped(value, defaultValue))
        return;
    writer.writePropName(QLatin1String(name));
    if (value >= 0 && value < names.size())
        writer.writeIdent(names[value]);
    else
        writer.writeInteger(value); // not a value of the type; kept rather than lost
}

void writeColor(TWriter &writer, const char *name, TColor value, qint64 defaultValue)
{
    if (skipped(qint32(value), defaultValue) || skipped(qint64(value), defaultValue))
        return;
    writer.writePropName(QLatin1String(name));
    const QString ident = ColorNames::colorToIdent(value);
    if (ident.isEmpty())
        writer.writeInteger(qint32(value));
    else
        writer.writeIdent(ident);
}

void writeSet(TWriter &writer, const char *name, quint32 value, const QStringList &names, qint64 defaultValue)
{
    if (skipped(qint64(value), defaultValue))
        return;
    QStringList members;
    for (int i = 0; i < names.size() && i < 32; ++i) {
        if (value & (quint32(1) << i))
            members << names[i];
    }
    writer.writePropName(QLatin1String(name));
    writer.writeSet(members);
}

void writeFloat(TWriter &writer, const char *name, double value)
{
    if (value == 0.0)
        return;
    writer.writePropName(QLatin1String(name));
    writer.writeFloat(value);
}

void writeString(TWriter &writer, const char *name, const QString &value)
{
    if (value.isEmpty())
        return;
    writer.writePropName(QLatin1String(name));
    writer.writeString(value);
}

void writeBinary(TWriter &writer, const char *name, const QByteArray &value)
{
    if (value.isEmpty())
        return;
    writer.writePropName(QLatin1String(name));
    writer.writeBinary(value);
}

} // namespace PropertyIO
