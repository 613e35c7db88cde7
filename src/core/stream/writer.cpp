#include "stream/writer.h"

#include "stream/component.h"
#include "stream/extendedfloat.h"
#include "stream/streamerror.h"

#include "platform/codepage1252.h"

#include <QIODevice>

#include <cstring>

TWriter::TWriter(QIODevice &device)
    : m_device(device)
{
}

TWriter::~TWriter()
{
    try {
        flush();
    } catch (const StreamError &) {
        // Nothing can be reported from here; callers flush() first.
    }
}

void TWriter::flush()
{
    if (m_used == 0)
        return;
    const int count = m_used;
    m_used = 0;
    if (m_device.write(m_buffer.data(), count) != count)
        throw StreamError(StreamMessages::writeError());
}

void TWriter::write(const void *data, int count)
{
    const char *bytes = static_cast<const char *>(data);
    while (count > 0) {
        if (m_used == kBufferSize)
            flush();
        const int chunk = std::min(count, kBufferSize - m_used);
        std::memcpy(m_buffer.data() + m_used, bytes, size_t(chunk));
        m_used += chunk;
        bytes += chunk;
        count -= chunk;
    }
}

void TWriter::writeValue(TValueType value)
{
    const quint8 byte = value;
    write(&byte, 1);
}

void TWriter::writeLength(qint32 length)
{
    const quint8 bytes[4]
        = { quint8(length), quint8(length >> 8), quint8(length >> 16), quint8(length >> 24) };
    write(bytes, 4);
}

void TWriter::writeInteger(qint32 value)
{
    if (value >= -128 && value <= 127) {
        writeValue(vaInt8);
        const qint8 byte = qint8(value);
        write(&byte, 1);
    } else if (value >= -32768 && value <= 32767) {
        writeValue(vaInt16);
        const quint8 bytes[2] = { quint8(value), quint8(value >> 8) };
        write(bytes, 2);
    } else {
        writeValue(vaInt32);
        writeLength(value);
    }
}

void TWriter::writeString(const QString &value)
{
    if (!CodePage1252::canEncode(value)) {
        const QByteArray utf8 = value.toUtf8();
        writeValue(vaUTF8String);
        writeLength(qint32(utf8.size()));
        writeBytes(utf8);
        return;
    }
    const QByteArray bytes = CodePage1252::fromUnicode(value);
    if (bytes.size() < 256) {
        writeValue(vaString);
        const quint8 length = quint8(bytes.size());
        write(&length, 1);
    } else {
        writeValue(vaLString);
        writeLength(qint32(bytes.size()));
    }
    writeBytes(bytes);
}

void TWriter::writeFloat(double value)
{
    writeValue(vaExtended);
    const ExtendedFloat::Bytes bytes = ExtendedFloat::fromDouble(value);
    write(bytes.data(), int(bytes.size()));
}

void TWriter::writeIdent(const QString &ident)
{
    if (ident.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        writeValue(vaFalse);
    } else if (ident.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        writeValue(vaTrue);
    } else if (ident.compare(QLatin1String("nil"), Qt::CaseInsensitive) == 0) {
        writeValue(vaNil);
    } else {
        writeValue(vaIdent);
        writeStr(ident);
    }
}

void TWriter::writeBinary(const QByteArray &bytes)
{
    writeValue(vaBinary);
    writeLength(qint32(bytes.size()));
    writeBytes(bytes);
}

void TWriter::writeSet(const QStringList &members)
{
    writeValue(vaSet);
    for (const QString &member : members)
        writeStr(member);
    writeStr(QString());
}

void TWriter::writeStr(const QString &text)
{
    const QByteArray bytes = CodePage1252::fromUnicode(text).left(255);
    const quint8 length = quint8(bytes.size());
    write(&length, 1);
    writeBytes(bytes);
}

void TWriter::writeSignature()
{
    write("TPF0", 4);
}

void TWriter::writeRootComponent(const TComponent &component)
{
    writeSignature();
    writeComponent(component);
}

void TWriter::writeComponent(const TComponent &component)
{
    writeStr(component.className());
    writeStr(component.name());
    component.writeProperties(*this);
    writeListEnd();
    for (const TComponent *child : component.children())
        writeComponent(*child);
    writeListEnd();
}
