#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

class TComponent;

// The stored properties of a component exactly as its record carries them,
// in record order: the record is written and read back value by value.
// Integers come out as int, floats as double, Booleans as bool, strings and
// identifiers (enumeration values, colour names) as QString, sets as
// QStringList, binary values as QByteArray, nil as a null QVariant.
namespace RecordProperties {

using Property = QPair<QString, QVariant>;

[[nodiscard]] QList<Property> of(const TComponent &component);

} // namespace RecordProperties
