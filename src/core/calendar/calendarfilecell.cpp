#include "calendarfilecell.h"

#include "richtext/wprtfstorage.h"
#include "stream/propertyio.h"
#include "stream/reader.h"

CalendarFileCell::CalendarFileCell(TWPRtfStorage &storage)
    : m_storage(storage)
{
}

QString CalendarFileCell::className() const
{
    return QStringLiteral("TWPRtfStorage");
}

void CalendarFileCell::writeProperties(TWriter &writer) const
{
    TComponent::writeProperties(writer);
    if (!m_storage.isEmpty())
        PropertyIO::writeBinary(writer, "RtfText.Data", m_storage.rtf());
}

TPropertyRead CalendarFileCell::readProperty(const QString &path, TReader &reader)
{
    if (!PropertyIO::is(path, "RtfText.Data"))
        return TComponent::readProperty(path, reader);
    m_storage.setRtf(reader.readBinary());
    return TPropertyRead::Done;
}
