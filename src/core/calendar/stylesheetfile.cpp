#include "calendar/stylesheetfile.h"

#include "calendar/calendarfileattributes.h"
#include "calendar/calendarpage.h"

#include "stream/filestreams.h"
#include "stream/reader.h"
#include "stream/streamerror.h"
#include "stream/writer.h"

namespace StyleSheetFile {

namespace {

void writeBody(TWriter &writer, const CalendarPage &page)
{
    writer.writeListBegin();
    writer.writeInteger(kVersion);
    writer.writeInteger(kKind);
    CalendarFileAttributes::write(writer, page.attributes());
    writer.writeString(page.wmfBorderFile());
    writer.writeListEnd();
}

bool reportFailure(const StreamError &failure, QString *error)
{
    if (error)
        *error = failure.message();
    return false;
}

} // namespace

bool write(QIODevice &device, const CalendarPage &page, QString *error)
{
    try {
        TWriter writer(device);
        writeBody(writer, page);
        writer.flush();
    } catch (const StreamError &failure) {
        return reportFailure(failure, error);
    }
    return true;
}

bool save(const QString &fileName, const CalendarPage &page, QString *error)
{
    return FileStreams::save(
        fileName, [&](TWriter &writer) { writeBody(writer, page); }, error);
}

bool read(QIODevice &device, CalendarPage &page, QString *error, int *version)
{
    CalendarAttributes attributes = page.attributes();
    QString border;
    try {
        TReader reader(device);
        reader.readListBegin();
        const int v = reader.readInteger();
        (void)reader.readInteger(); // the file kind is not checked
        CalendarFileAttributes::read(reader, attributes);
        if (v >= 4)
            border = reader.readString();
        reader.readListEnd();
        if (version)
            *version = v;
    } catch (const StreamError &failure) {
        return reportFailure(failure, error);
    }
    attributes.wmfBorderFile.clear();
    page.loadAttributes(attributes);
    page.setWMFBorderFile(QString());
    if (!border.isEmpty())
        page.setWMFBorderFile(border);
    return true;
}

bool load(const QString &fileName, CalendarPage &page, QString *error)
{
    try {
        const auto file = FileStreams::openForReading(fileName, kMaxFileSize);
        return read(*file, page, error);
    } catch (const StreamError &failure) {
        return reportFailure(failure, error);
    }
}

} // namespace StyleSheetFile
