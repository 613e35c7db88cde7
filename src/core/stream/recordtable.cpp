#include "stream/recordtable.h"

#include <cstring>

RecordTable::RecordTable(std::initializer_list<Record> records)
    : m_records(records)
{
}

RecordTable::RecordTable(const RecordTable &base, std::initializer_list<Record> records)
    : m_records(base.m_records)
{
    m_records.insert(m_records.end(), records);
}

void RecordTable::write(const TComponent &component, TWriter &writer) const
{
    for (const Record &record : m_records)
        record.write(component, writer);
}

const RecordTable::Record *RecordTable::find(const QString &path) const
{
    for (const Record &record : m_records) {
        const bool matches = record.prefix.isEmpty() ? PropertyIO::is(path, record.name)
                                                     : PropertyIO::hasPrefix(path, record.prefix.constData());
        if (matches)
            return &record;
    }
    return nullptr;
}

PropertyRead RecordTable::read(TComponent &component, const QString &path, TReader &reader) const
{
    if (const Record *record = find(path))
        return record->read(component, path, reader);
    return path.contains(QLatin1Char('.')) ? PropertyRead::InvalidPath : PropertyRead::NotFound;
}

namespace Records {

QByteArray prefixOf(const char *name)
{
    const char *dot = std::strchr(name, '.');
    return dot ? QByteArray(name, int(dot - name)) : QByteArray();
}

} // namespace Records
