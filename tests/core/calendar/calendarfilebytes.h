#pragma once

#include <QByteArray>
#include <QString>

// Calendar files spelled out byte by byte, independent of the program's
// writer, for the older format versions.
class CalendarFileBytes
{
public:
    CalendarFileBytes &raw(std::initializer_list<int> values)
    {
        for (int v : values)
            m_bytes.append(char(v));
        return *this;
    }
    CalendarFileBytes &int8(int v) { return raw({ 2, v & 0xFF }); }
    CalendarFileBytes &int16(int v) { return raw({ 3, v & 0xFF, (v >> 8) & 0xFF }); }
    CalendarFileBytes &int32(qint64 v)
    {
        return raw({ 4, int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF), int((v >> 24) & 0xFF) });
    }
    CalendarFileBytes &str(const QByteArray &latin1)
    {
        raw({ 6, int(latin1.size()) });
        m_bytes += latin1;
        return *this;
    }
    CalendarFileBytes &boolean(bool v) { return raw({ v ? 9 : 8 }); }
    CalendarFileBytes &font(const QByteArray &name, int size, bool bold, qint64 color)
    {
        return str(name).int8(size).boolean(bold).boolean(false).boolean(false).boolean(false).int32(color);
    }
    // Paper A4, landscape, margins 0.5/0.75/1.0/1.25, layout 3, the rest varied.
    CalendarFileBytes &attributeBlock()
    {
        int8(1).int8(1).int8(50).int8(75).int8(100).int8(125).int8(3).int8(2).int8(1);
        for (int i = 1; i <= 12; ++i)
            str("M" + QByteArray::number(i));
        for (int i = 1; i <= 7; ++i)
            str("D" + QByteArray::number(i));
        int32(0x00FF00); // title background
        font("Arial", 20, true, 0x0000FF).boolean(false);
        font("Courier New", 12, false, 0).int8(3).int8(2).int32(0xC0C0C0);
        font("Times New Roman", 14, true, 0x123456).int8(4).int8(1).int8(0).int32(0xFFFFFF).boolean(true);
        font("Arial", 9, true, 0).font("Arial", 7, false, 0xFFFFFF).int32(0x808080).int8(0).int8(3).int8(2);
        return font("Arial", 6, false, 0).int8(0);
    }
    CalendarFileBytes &emptyCell()
    {
        m_bytes += "TPF0";
        raw({ 13 });
        m_bytes += "TWPRtfStorage";
        return raw({ 0, 0, 0 });
    }
    CalendarFileBytes &cellWithText(const QByteArray &rtf)
    {
        m_bytes += "TPF0";
        raw({ 13 });
        m_bytes += "TWPRtfStorage";
        raw({ 0, 12 });
        m_bytes += "RtfText.Data";
        raw({ 10, int(rtf.size()), 0, 0, 0 });
        m_bytes += rtf;
        return raw({ 0, 0 });
    }
    // A whole calendar file of the given version with one filled cell (index 5).
    static QByteArray calendar(int version, const QByteArray &objectList = QByteArray())
    {
        CalendarFileBytes b;
        b.raw({ 1 }).int8(version).int8(1).attributeBlock();
        if (version > 3)
            b.str("");
        b.int8(17).int8(6).int16(2003).int8(2).int8(9).int8(30);
        for (int i = 1; i <= 42; ++i) {
            if (i == 5)
                b.cellWithText("{\\rtf1\\ansi Old text\\par}");
            else
                b.emptyCell();
        }
        if (version > 1)
            b.str("Own title");
        b.raw({ 0 });
        if (version > 2)
            b.m_bytes += objectList.isEmpty() ? QByteArray("\x01\x00", 2) : objectList;
        return b.m_bytes;
    }
    [[nodiscard]] const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};
