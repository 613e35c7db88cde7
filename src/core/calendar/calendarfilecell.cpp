#include "calendar/calendarfilecell.h"

#include "richtext/wprtfstorage.h"
#include "stream/propertyio.h"
#include "stream/reader.h"

CalendarFileCell::CalendarFileCell(TWPRtfStorage &storage)
    : m_source(storage)
    , m_target(&storage)
{
}

CalendarFileCell::CalendarFileCell(const TWPRtfStorage &storage)
    : m_source(storage)
{
}

QString CalendarFileCell::className() const
{
    return QStringLiteral("TWPRtfStorage");
}

void CalendarFileCell::writeProperties(TWriter &writer) const
{
    TComponent::writeProperties(writer);
    if (!m_source.isEmpty())
        PropertyIO::writeBinary(writer, "RtfText.Data", m_source.rtf());
}

PropertyRead CalendarFileCell::readProperty(const QString &path, TReader &reader)
{
    if (!m_target || !PropertyIO::is(path, "RtfText.Data"))
        return TComponent::readProperty(path, reader);
    m_target->setRtf(reader.readBinary());
    return PropertyRead::Done;
}
