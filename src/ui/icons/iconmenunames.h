#pragma once

#include <QString>

// How the icon tool's File menu names icon files: the part of the path
// after the last separator, at most 64 characters, cut before its first
// ".". For matching, that name upper-cased, with the four library names
// whose menu entries read otherwise translated to their captions.
namespace IconMenuNames {

constexpr int kMaxNameLength = 64;

// "C:\Icons\Sports.icl" -> "Sports"
[[nodiscard]] QString shortName(const QString &fileName);
// "/data/holiday.icl" -> "HOLIDAYS", the upper-cased caption of its entry.
[[nodiscard]] QString menuName(const QString &fileName);
// A menu caption as menuName gives it: upper case, without access keys.
[[nodiscard]] QString captionKey(const QString &caption);

} // namespace IconMenuNames
