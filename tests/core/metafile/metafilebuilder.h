#pragma once

#include <QByteArray>
#include <QRect>
#include <QVector>

#include <initializer_list>

// Small metafiles written record by record, for tests that need exact
// records or broken ones.
inline void put16(QByteArray &out, int v)
{
    out.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
}

inline void put32(QByteArray &out, qint64 v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

class WmfBuilder
{
public:
    // Parameters in the order the record stores them.
    WmfBuilder &add(int function, std::initializer_list<int> params)
    {
        put32(m_records, 3 + qint64(params.size()));
        put16(m_records, function);
        for (int p : params)
            put16(m_records, p);
        return *this;
    }
    WmfBuilder &addRaw(int function, QByteArray payload)
    {
        if (payload.size() % 2)
            payload.append('\0');
        put32(m_records, 3 + payload.size() / 2);
        put16(m_records, function);
        m_records.append(payload);
        return *this;
    }
    [[nodiscard]] QByteArray plain() const
    {
        QByteArray out;
        const QByteArray body = m_records + QByteArray::fromHex("030000000000");
        put16(out, 1);
        put16(out, 9);
        put16(out, 0x300);
        put32(out, (18 + body.size()) / 2);
        put16(out, 16);
        put32(out, 64);
        put16(out, 0);
        return out + body;
    }
    [[nodiscard]] QByteArray placeable(const QRect &bounds, int unitsPerInch) const
    {
        QByteArray out;
        const int words[10] = { 0xCDD7, 0x9AC6, 0, bounds.left(), bounds.top(), bounds.right() + 1,
            bounds.bottom() + 1, unitsPerInch, 0, 0 };
        int checksum = 0;
        for (int w : words) {
            checksum ^= (w & 0xffff);
            put16(out, w);
        }
        put16(out, checksum);
        return out + plain();
    }

private:
    QByteArray m_records;
};

class EmfBuilder
{
public:
    EmfBuilder &add(int type, std::initializer_list<qint64> params)
    {
        put32(m_records, type);
        put32(m_records, 8 + 4 * qint64(params.size()));
        for (qint64 p : params)
            put32(m_records, p);
        return *this;
    }
    EmfBuilder &addRaw(int type, const QByteArray &payload)
    {
        put32(m_records, type);
        put32(m_records, 8 + payload.size());
        m_records.append(payload);
        return *this;
    }
    // frame in 0.01 mm, on a reference device of 96 pixels per inch
    [[nodiscard]] QByteArray build(const QRect &bounds, const QRect &frame) const
    {
        QByteArray eof;
        put32(eof, 14);
        put32(eof, 20);
        put32(eof, 0);
        put32(eof, 16);
        put32(eof, 20);
        QByteArray out;
        const QByteArray body = m_records + eof;
        put32(out, 1);
        put32(out, 88);
        for (int v : { bounds.left(), bounds.top(), bounds.right(), bounds.bottom(), frame.left(),
                 frame.top(), frame.right(), frame.bottom() })
            put32(out, v);
        out.append(" EMF", 4);
        put32(out, 0x10000);
        put32(out, 88 + body.size());
        put32(out, 0);
        put16(out, 16);
        put16(out, 0);
        put32(out, 0);
        put32(out, 0);
        put32(out, 0);
        put32(out, 960); // reference device: 960 x 960 pixels on 254 x 254 mm
        put32(out, 960);
        put32(out, 254);
        put32(out, 254);
        return out + body;
    }

private:
    QByteArray m_records;
};
