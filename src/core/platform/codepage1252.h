#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the code page of every string in the program's files.
// Qt 6 has no codec for it, so the table lives here.
namespace CodePage1252 {

// Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D, unassigned in the code page,
// decode to the control characters of the same number, as Windows does.
[[nodiscard]] QString toUnicode(const QByteArray &bytes);
[[nodiscard]] QChar toUnicode(unsigned char byte);

// True when every character of the text has a byte in the code page.
[[nodiscard]] bool canEncode(const QString &text);
// Characters outside the code page become '?'.
[[nodiscard]] QByteArray fromUnicode(const QString &text);
// The byte for a character; false when it has none.
[[nodiscard]] bool encode(QChar character, unsigned char *byte);

} // namespace CodePage1252
