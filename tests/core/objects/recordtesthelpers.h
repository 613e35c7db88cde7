#pragma once

#include "stream/component.h"
#include "stream/reader.h"
#include "stream/writer.h"

#include <QBuffer>
#include <QStringList>
#include <QtEndian>

// Expected record bytes spelled out value by value.
struct RecordBytes
{
    QByteArray bytes;

    RecordBytes &raw(const QByteArray &b)
    {
        bytes += b;
        return *this;
    }
    RecordBytes &str(const QByteArray &s)
    {
        bytes += char(s.size());
        bytes += s;
        return *this;
    }
    RecordBytes &prop(const QByteArray &name) { return str(name); }
    RecordBytes &i8(int v)
    {
        bytes += char(2);
        bytes += char(qint8(v));
        return *this;
    }
    RecordBytes &i16(int v)
    {
        bytes += char(3);
        char le[2];
        qToLittleEndian<qint16>(qint16(v), le);
        bytes += QByteArray(le, 2);
        return *this;
    }
    RecordBytes &i32(qint32 v)
    {
        bytes += char(4);
        char le[4];
        qToLittleEndian<qint32>(v, le);
        bytes += QByteArray(le, 4);
        return *this;
    }
    RecordBytes &ident(const QByteArray &s)
    {
        bytes += char(7);
        return str(s);
    }
    RecordBytes &string(const QByteArray &s)
    {
        bytes += char(6);
        return str(s);
    }
    RecordBytes &no()
    {
        bytes += char(8);
        return *this;
    }
    RecordBytes &yes()
    {
        bytes += char(9);
        return *this;
    }
    RecordBytes &emptySet()
    {
        bytes += char(11);
        bytes += char(0);
        return *this;
    }
    RecordBytes &end()
    {
        bytes += char(0);
        return *this;
    }
};

// One root record as the writer produces it.
inline QByteArray recordOf(const TComponent &component)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        TWriter writer(buffer);
        writer.writeRootComponent(component);
        writer.flush();
    }
    return buffer.data();
}

// The property names of a root record, in order.
inline QStringList propertyNames(const QByteArray &record)
{
    QBuffer buffer;
    buffer.setData(record);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    reader.readSignature();
    (void)reader.readStr();
    (void)reader.readStr();
    QStringList names;
    while (!reader.endOfList()) {
        names << reader.readStr();
        reader.skipValue();
    }
    return names;
}

// Reads a list of root records into owner (and parent), returning the last.
inline TComponent *readBack(const QByteArray &record, TComponent *owner, TComponent *parent = nullptr)
{
    QBuffer buffer;
    QByteArray list = QByteArray(1, char(1)) + record + QByteArray(1, char(0));
    buffer.setData(list);
    buffer.open(QIODevice::ReadOnly);
    TReader reader(buffer);
    reader.readListBegin();
    TComponent *last = nullptr;
    reader.readComponents(owner, parent, [&](TComponent *c) { last = c; });
    return last;
}
