#pragma once

#include <QByteArray>
#include <QString>

// Holds the formatted text of one day cell as Rich Text Format bytes.
class TWPRtfStorage
{
public:
    [[nodiscard]] const QByteArray &rtf() const { return m_rtf; }
    void setRtf(const QByteArray &rtf) { m_rtf = rtf; }
    void copyFrom(const TWPRtfStorage &other) { m_rtf = other.m_rtf; }
    void clear() { m_rtf.clear(); }
    // Empty when it holds no visible text (an RTF frame with nothing in it
    // counts as empty).
    [[nodiscard]] bool isEmpty() const;
    // The text without formatting, paragraphs joined by "\n".
    [[nodiscard]] QString plainText() const;

private:
    QByteArray m_rtf;
};
