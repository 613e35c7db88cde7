#pragma once

#include <QByteArray>

// Holds the formatted text of one day cell as Rich Text Format bytes.
class TWPRtfStorage
{
public:
    [[nodiscard]] const QByteArray &rtf() const { return m_rtf; }
    void setRtf(const QByteArray &rtf) { m_rtf = rtf; }
    void copyFrom(const TWPRtfStorage &other) { m_rtf = other.m_rtf; }
    void clear() { m_rtf.clear(); }
    // A storage counts as empty when it holds no bytes at all.
    [[nodiscard]] bool isEmpty() const { return m_rtf.trimmed().isEmpty(); }

private:
    QByteArray m_rtf;
};
