#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QTextDocument;

// Holds the formatted text of one day cell as Rich Text Format bytes, the
// form the calendar file carries as "RtfText.Data".
class TWPRtfStorage
{
public:
    [[nodiscard]] const QByteArray &rtf() const { return m_rtf; }
    void setRtf(const QByteArray &rtf);
    void copyFrom(const TWPRtfStorage &other);
    void clear();
    // Empty when it shows nothing: no picture and no character other than
    // white space (an RTF frame with nothing in it counts as empty).
    [[nodiscard]] bool isEmpty() const;
    // The text without formatting, paragraphs joined by "\n".
    [[nodiscard]] QString plainText() const;

    // The whole text into a document (replacing its contents) and back.
    void copyTo(QTextDocument &document) const;
    void copyFrom(const QTextDocument &document);

private:
    QByteArray m_rtf;
    mutable std::optional<bool> m_empty; // worked out once per text
};
