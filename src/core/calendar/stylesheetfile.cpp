#include "calendar/stylesheetfile.h"

#include "calendar/calendarfileattributes.h"
#include "calendar/calendarpage.h"
#include "calendar/extrasblock.h"

#include "stream/filestreams.h"
#include "stream/reader.h"
#include "stream/streamerror.h"
#include "stream/writer.h"

#include <QDir>

namespace StyleSheetFile {

namespace {

void writeBody(TWriter &writer, const CalendarPage &page)
{
    const PageExtras &extras = page.extras();
    writer.writeListBegin();
    writer.writeInteger(extras.isDefault() ? kVersion : kExtrasVersion);
    writer.writeInteger(kKind);
    CalendarFileAttributes::write(writer, page.attributes());
    writer.writeString(page.wmfBorderFile());
    writer.writeListEnd();
    if (!extras.isDefault())
        ExtrasBlock::write(writer, extras);
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

bool read(QIODevice &device, CalendarPage &page, QString *error, int *version, bool *extrasRefused)
{
    CalendarAttributes attributes = page.attributes();
    attributes.extras = PageExtras(); // a style without extras shows none
    bool refused = false;
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
        if (v >= kExtrasVersion)
            refused = !ExtrasBlock::read(reader, attributes.extras);
        if (version)
            *version = v;
    } catch (const StreamError &failure) {
        return reportFailure(failure, error);
    }
    if (extrasRefused)
        *extrasRefused = refused;
    attributes.wmfBorderFile.clear();
    page.loadAttributes(attributes);
    page.setWMFBorderFile(QString());
    if (!border.isEmpty())
        page.setWMFBorderFile(border);
    return true;
}

QString extrasRefusedMessage(const QString &fileName)
{
    return QStringLiteral("The page extras in the style sheet %1 are damaged: the style was applied "
                          "without week numbers, shaded weekends, neighbouring days or moon phases.")
        .arg(QDir::toNativeSeparators(fileName));
}

bool load(const QString &fileName, CalendarPage &page, QString *error, bool *extrasRefused)
{
    try {
        const auto file = FileStreams::openForReading(fileName, kMaxFileSize);
        return read(*file, page, error, nullptr, extrasRefused);
    } catch (const StreamError &failure) {
        return reportFailure(failure, error);
    }
}

} // namespace StyleSheetFile
