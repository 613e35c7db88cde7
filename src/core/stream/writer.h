#pragma once

#include "stream/valuetype.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

class QIODevice;
class TComponent;

// Writes the typed value stream into an open device through a 1000-byte
// buffer. The buffer goes to the device when full, on flush() and when the
// writer is destroyed; call flush() before closing the device so a write
// failure is reported (StreamError "Stream write error").
//
//   QBuffer buffer; buffer.open(QIODevice::WriteOnly);
//   TWriter writer(buffer);
//   writer.writeListBegin();
//   writer.writeRootComponent(label);   // "TPF0", class, name, properties
//   writer.writeListEnd();
//   writer.flush();
class TWriter
{
public:
    static constexpr int kBufferSize = 1000;

    explicit TWriter(QIODevice &device);
    ~TWriter(); // flushes; failures here are lost, so flush() first
    TWriter(const TWriter &) = delete;
    TWriter &operator=(const TWriter &) = delete;

    void flush();
    void write(const void *data, int count);
    void writeValue(TValueType value);

    void writeListBegin() { writeValue(vaList); }
    void writeListEnd() { writeValue(vaNull); }
    // The smallest of tags 2, 3 and 4 that holds the value.
    void writeInteger(qint32 value);
    void writeBoolean(bool value) { writeValue(value ? vaTrue : vaFalse); }
    // Windows-1252: tag 6 below 256 bytes, tag 12 from 256. Text the code
    // page cannot hold is written as UTF-8 (tag 20) instead of losing it.
    void writeString(const QString &value);
    void writeFloat(double value); // tag 5 + 80-bit extended
    // "False", "True" and "nil" (any case) become tags 8, 9, 13; others tag 7.
    void writeIdent(const QString &ident);
    void writeBinary(const QByteArray &bytes);
    void writeSet(const QStringList &members); // tag 11, names, empty name
    // A length byte and at most 255 bytes of text, no tag (names).
    void writeStr(const QString &text);
    void writePropName(const QString &name) { writeStr(name); }

    void writeSignature(); // "TPF0"
    // Signature, then the record: class name, name, properties, end marker,
    // child records (the component's children()), end marker.
    void writeRootComponent(const TComponent &component);
    void writeComponent(const TComponent &component);

private:
    void writeBytes(const QByteArray &bytes) { write(bytes.constData(), int(bytes.size())); }
    void writeLength(qint32 length);

    QIODevice &m_device;
    std::array<char, kBufferSize> m_buffer {};
    int m_used = 0;
};
