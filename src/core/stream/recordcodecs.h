#pragma once

#include "stream/propertyio.h"

#include "base/color.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class TReader;
class TWriter;

// The columns of a record table (recordtable.h) other than names, getters and
// setters: when a record is written, and codecs, which write one named value
// by the rules of propertyio.h and read one value back.
namespace Records {

// When a record is written. The default: ordinals always, strings and binary
// data only when not empty.
struct WriteRule
{
    qint64 defaultValue = PropertyIO::kNoDefault; // an ordinal equal to it is left out
    bool evenEmpty = false; // an empty string or empty data is written too
};

// Every time, also when empty.
inline constexpr WriteRule always { PropertyIO::kNoDefault, true };
// Left out while the ordinal equals its declared default.
constexpr WriteRule unlessDefault(qint64 value)
{
    return { value, false };
}

struct Integer
{
    void write(TWriter &writer, const char *name, qint32 value, const WriteRule &rule) const;
    [[nodiscard]] qint32 read(TReader &reader) const;
};

struct Boolean
{
    void write(TWriter &writer, const char *name, bool value, const WriteRule &rule) const;
    [[nodiscard]] bool read(TReader &reader) const;
};

// A colour-constant name where one exists, else an integer.
struct Color
{
    void write(TWriter &writer, const char *name, TColor value, const WriteRule &rule) const;
    [[nodiscard]] TColor read(TReader &reader) const;
};

// An ordinal written as its identifier; names are the enumeration in order.
struct Enumeration
{
    const QStringList *names = nullptr;

    void write(TWriter &writer, const char *name, int value, const WriteRule &rule) const;
    [[nodiscard]] int read(TReader &reader) const;
};

struct String
{
    void write(TWriter &writer, const char *name, const QString &value, const WriteRule &rule) const;
    [[nodiscard]] QString read(TReader &reader) const;
};

struct Binary
{
    void write(TWriter &writer, const char *name, const QByteArray &value, const WriteRule &rule) const;
    [[nodiscard]] QByteArray read(TReader &reader) const;
};

inline constexpr Integer integer {};
inline constexpr Boolean boolean {};
inline constexpr Color color {};
inline constexpr String text {};
inline constexpr Binary binary {};
// names must outlive the table (the enumerations' name lists are static).
inline Enumeration enumeration(const QStringList &names)
{
    return { &names };
}

} // namespace Records
