#pragma once

#include "stream/component.h"

#include "base/color.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <climits>

class TReader;
class TWriter;

// The rules for writing one published property (name, then one value), and
// small helpers for reading them back. Record tables (recordtable.h) write
// through these; a component that writes its records by hand uses them
// directly.
//
// Ordinal properties (integers, enumerations, Booleans, sets, colours) are
// skipped when equal to the declared default; pass kNoDefault for a
// property declared without one, which is then always written. Floats are
// skipped at 0, strings when empty.
//
//   void CalendarFileCell::writeProperties(TWriter &w) const {
//       TComponent::writeProperties(w);
//       if (!m_source.isEmpty())
//           PropertyIO::writeBinary(w, "RtfText.Data", m_source.rtf());
//   }
//   PropertyRead CalendarFileCell::readProperty(const QString &path, TReader &r) {
//       if (!m_target || !PropertyIO::is(path, "RtfText.Data"))
//           return TComponent::readProperty(path, r);
//       m_target->setRtf(r.readBinary());
//       return PropertyRead::Done;
//   }
namespace PropertyIO {

constexpr qint64 kNoDefault = qint64(INT_MIN); // "declared without default"

// Property names compare without regard to case.
[[nodiscard]] bool is(const QString &path, const char *name);
// True for "Font.Name" with prefix "Font"; subPath() gives "Name".
[[nodiscard]] bool hasPrefix(const QString &path, const char *prefix);
[[nodiscard]] QString subPath(const QString &path);

void writeInteger(TWriter &writer, const char *name, qint32 value, qint64 defaultValue = kNoDefault);
void writeBoolean(TWriter &writer, const char *name, bool value, qint64 defaultValue = kNoDefault);
// The value's name as an identifier; names are the enumeration in order.
void writeEnum(
    TWriter &writer, const char *name, int value, const QStringList &names, qint64 defaultValue = kNoDefault);
// A colour-constant name where one exists, else an integer.
void writeColor(TWriter &writer, const char *name, TColor value, qint64 defaultValue = kNoDefault);
// Members of a set of up to 32 elements, bit i for names[i].
void writeSet(TWriter &writer, const char *name, quint32 value, const QStringList &names,
    qint64 defaultValue = kNoDefault);
void writeFloat(TWriter &writer, const char *name, double value);
void writeString(TWriter &writer, const char *name, const QString &value);
// A defined binary property such as "Picture.Data"; nothing when empty.
void writeBinary(TWriter &writer, const char *name, const QByteArray &value);

} // namespace PropertyIO
