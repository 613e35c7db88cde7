#pragma once

#include "stream/component.h"
#include "stream/fontproperty.h"
#include "stream/propertyio.h"
#include "stream/recordcodecs.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <initializer_list>
#include <type_traits>
#include <vector>

// The stored properties of one component class, once: writing walks the
// records in order and reading looks a path up among them, so a record name is
// spelled in one place. A class's table starts with its base class's, so
// inherited properties come first.
//
//   const RecordTable &TBox::records() const
//   {
//       using namespace Records;
//       static const RecordTable table(TComponent::records(),
//           { record("Width", &TBox::width, &TBox::setWidth, integer),
//               record("Caption", &TBox::caption, &TBox::setCaption, text, always),
//               record("Frame", &TBox::frame, &TBox::setFrame, enumeration(frameNames()), unlessDefault(0)),
//               fontRecord("Font", &TBox::font, &TBox::setFont, &TBox::m_fontPitch) });
//       return table;
//   }
//
// A value that needs its own coding gets a codec of its own (any type with the
// write and read members of recordcodecs.h); a record that fits no factory can
// be spelled as a Record with its own write and read.
class RecordTable
{
public:
    struct Record
    {
        const char *name = nullptr;
        // Paths "prefix.anything" belong to this record ("Font" for the font's
        // sub-properties, "Picture" for "Picture.Data"); empty for a plain name.
        QByteArray prefix;
        std::function<void(const TComponent &, TWriter &)> write;
        // Reads exactly one value, or returns NotFound for a path under the
        // prefix it does not know without reading anything.
        std::function<PropertyRead(TComponent &, const QString &path, TReader &)> read;
    };

    RecordTable(std::initializer_list<Record> records);
    RecordTable(const RecordTable &base, std::initializer_list<Record> records);

    [[nodiscard]] const std::vector<Record> &records() const { return m_records; }

    void write(const TComponent &component, TWriter &writer) const;
    // Names compare without regard to case. A path no record takes is
    // InvalidPath when dotted, else NotFound.
    [[nodiscard]] PropertyRead read(TComponent &component, const QString &path, TReader &reader) const;

private:
    [[nodiscard]] const Record *find(const QString &path) const;

    std::vector<Record> m_records;
};

namespace Records {

// "Picture" for "Picture.Data"; empty for a plain name.
[[nodiscard]] QByteArray prefixOf(const char *name);

// A value written from its getter and read through its setter, so reading
// follows the setter's rules. A dotted name is the one value of an object
// property ("Picture.Data"); other paths under that property are not found.
template <typename C, typename Value, typename Argument, typename Codec>
RecordTable::Record record(
    const char *name, Value (C::*get)() const, void (C::*set)(Argument), Codec codec, WriteRule rule = {})
{
    static_assert(std::is_base_of_v<TComponent, C>);
    const auto write = [=](const TComponent &component, TWriter &writer) {
        codec.write(writer, name, (static_cast<const C &>(component).*get)(), rule);
    };
    const auto read = [=](TComponent &component, const QString &path, TReader &reader) {
        if (!PropertyIO::is(path, name))
            return PropertyRead::NotFound;
        (static_cast<C &>(component).*set)(std::decay_t<Argument>(codec.read(reader)));
        return PropertyRead::Done;
    };
    return { name, prefixOf(name), write, read };
}

// A font as its sub-properties (fontproperty.h). pitch keeps the pitch read
// so that it is written back; nothing else uses it.
template <typename C>
RecordTable::Record fontRecord(const char *name, const CalendarFont &(C::*get)() const,
    void (C::*set)(const CalendarFont &), int C::*pitch)
{
    static_assert(std::is_base_of_v<TComponent, C>);
    const auto write = [=](const TComponent &component, TWriter &writer) {
        const C &object = static_cast<const C &>(component);
        PropertyIO::writeFont(writer, name, (object.*get)(), object.*pitch);
    };
    const auto read = [=](TComponent &component, const QString &path, TReader &reader) {
        C &object = static_cast<C &>(component);
        CalendarFont font = (object.*get)();
        const PropertyRead result
            = PropertyIO::readFont(reader, PropertyIO::subPath(path), font, &(object.*pitch));
        (object.*set)(font);
        return result;
    };
    return { name, QByteArray(name), write, read };
}

} // namespace Records
