#pragma once

#include <QByteArray>

#include <cstdint>
#include <cstring>

// Little-endian reader over a byte block. Reading past the end sets a sticky
// error and yields zeros, so record parsers check once after reading a group
// of fields instead of before every field.
class ByteReader
{
public:
    ByteReader() = default;
    ByteReader(const char *data, qsizetype size)
        : m_data(data)
        , m_size(size < 0 ? 0 : size)
    {
    }
    explicit ByteReader(const QByteArray &bytes)
        : ByteReader(bytes.constData(), bytes.size())
    {
    }

    [[nodiscard]] bool ok() const { return m_ok; }
    [[nodiscard]] qsizetype pos() const { return m_pos; }
    [[nodiscard]] qsizetype size() const { return m_size; }
    [[nodiscard]] qsizetype remaining() const { return m_size - m_pos; }
    [[nodiscard]] const char *data() const { return m_data; }
    [[nodiscard]] const char *current() const { return m_data + m_pos; }

    void seek(qsizetype pos)
    {
        if (pos < 0 || pos > m_size) {
            m_ok = false;
            m_pos = m_size;
        } else {
            m_pos = pos;
        }
    }
    void skip(qsizetype count) { seek(count < 0 || count > remaining() ? -1 : m_pos + count); }
    [[nodiscard]] bool has(qsizetype count) const { return count >= 0 && count <= remaining(); }

    uint8_t u8() { return static_cast<uint8_t>(take<uint8_t>()); }
    uint16_t u16() { return take<uint16_t>(); }
    int16_t i16() { return static_cast<int16_t>(take<uint16_t>()); }
    uint32_t u32() { return take<uint32_t>(); }
    int32_t i32() { return static_cast<int32_t>(take<uint32_t>()); }
    float f32()
    {
        const uint32_t bits = take<uint32_t>();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // A slice of the next count bytes; an empty reader with the error set
    // when fewer remain.
    ByteReader sub(qsizetype count)
    {
        if (!has(count)) {
            m_ok = false;
            m_pos = m_size;
            return {};
        }
        ByteReader slice(m_data + m_pos, count);
        m_pos += count;
        return slice;
    }
    QByteArray bytes(qsizetype count)
    {
        ByteReader slice = sub(count);
        return QByteArray(slice.data(), slice.size());
    }

private:
    template <typename T> T take()
    {
        if (!has(sizeof(T))) {
            m_ok = false;
            m_pos = m_size;
            return 0;
        }
        T value = 0;
        for (size_t i = 0; i < sizeof(T); ++i)
            value |= static_cast<T>(static_cast<T>(static_cast<unsigned char>(m_data[m_pos + i])) << (8 * i));
        m_pos += sizeof(T);
        return value;
    }

    const char *m_data = nullptr;
    qsizetype m_size = 0;
    qsizetype m_pos = 0;
    bool m_ok = true;
};
