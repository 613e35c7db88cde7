#include "calendar/calendarfile.h"

#include "calendar/calendarfileattributes.h"
#include "calendar/calendarfilecell.h"
#include "calendar/calendarpage.h"
#include "calendar/extrasblock.h"

#include "stream/component.h"
#include "stream/filestreams.h"
#include "stream/reader.h"
#include "stream/streamerror.h"
#include "stream/writer.h"

#include <QDir>

#include <array>
#include <cmath>
#include <memory>

namespace CalendarFile {

namespace {

constexpr int kMsPerDay = 24 * 60 * 60 * 1000;
constexpr int kLastNameNumber = 1000;

// Everything the file carries before its object list, read aside so a bad
// file leaves the page alone.
struct Contents
{
    CalendarAttributes attributes;
    QString border;
    std::array<TWPRtfStorage, kCellCount> cells;
};

void writeBody(
    TWriter &writer, const CalendarPage &page, const TComponent *objectParent, const MonthCells *months)
{
    const CalendarAttributes &a = page.attributes();
    const bool otherMonths = months && !months->isEmpty();
    const bool extras = !a.extras.isDefault() || otherMonths;
    writer.writeListBegin();
    writer.writeInteger(extras ? kExtrasVersion : kVersion);
    writer.writeInteger(kKind);
    CalendarFileAttributes::write(writer, a);
    writer.writeString(a.wmfBorderFile);
    writer.writeInteger(a.mainCalDay);
    writer.writeInteger(a.mainCalMonth);
    writer.writeInteger(a.mainCalYear);
    writer.writeInteger(a.startOfWeek);
    const int ms = int(std::lround(a.startingTime * kMsPerDay)) % kMsPerDay;
    writer.writeInteger(ms / 3600000);
    writer.writeInteger(ms / 60000 % 60);
    for (int i = 1; i <= kCellCount; ++i) {
        const CalendarFileCell cell(*page.cellStorage(i));
        writer.writeRootComponent(cell);
    }
    writer.writeString(a.userTitle);
    writer.writeListEnd();
    writer.writeListBegin();
    if (objectParent) {
        for (const TComponent *object : objectParent->children())
            writer.writeRootComponent(*object);
    }
    writer.writeListEnd();
    if (extras)
        ExtrasBlock::write(writer, a.extras);
    if (otherMonths)
        MonthCellsBlock::write(writer, *months);
}

// Whether anything follows: files before the months block end after the extras.
bool moreFollows(TReader &reader)
{
    try {
        (void)reader.nextValue();
        return true;
    } catch (const StreamError &) {
        return false;
    }
}

int readRanged(TReader &reader, int low, int high)
{
    const int value = reader.readInteger();
    if (value < low || value > high)
        throw StreamError(StreamMessages::invalidPropertyValue());
    return value;
}

int readHead(TReader &reader, Contents &c)
{
    reader.readListBegin();
    const int version = reader.readInteger();
    (void)reader.readInteger(); // the file kind is not checked
    CalendarFileAttributes::read(reader, c.attributes);
    if (version > 3)
        c.border = reader.readString();
    CalendarAttributes &a = c.attributes;
    a.mainCalDay = readRanged(reader, 0, 31);
    a.mainCalMonth = readRanged(reader, 1, 12);
    a.mainCalYear = readRanged(reader, kFirstYear, kLastYear);
    a.startOfWeek = reader.readInteger();
    const int hour = readRanged(reader, 0, 23);
    const int minute = readRanged(reader, 0, 59);
    a.startingTime = (hour * 60 + minute) / (24.0 * 60.0);
    for (TWPRtfStorage &storage : c.cells) {
        CalendarFileCell cell(storage);
        reader.readRootComponent(cell);
    }
    if (version > 1)
        a.userTitle = reader.readString();
    reader.readListEnd();
    return version;
}

// Loaded objects are named "Component" + the first number from 0 to 1000
// the owner does not use, as pasted ones are. Past that they keep their
// stored name, or go unnamed, as the tools leave objects past their
// thousandth, when another object has it already: a repeated name would
// break the list off there. Names are only ever added while a list is read,
// so the search resumes where the last one stopped.
class LoadedObjectNames
{
public:
    explicit LoadedObjectNames(const TComponent &owner)
        : m_owner(owner)
    {
    }
    void name(QString &name)
    {
        for (; m_next <= kLastNameNumber; ++m_next) {
            const QString candidate = QStringLiteral("Component") + QString::number(m_next);
            if (!m_owner.findComponent(candidate)) {
                ++m_next;
                name = candidate;
                return;
            }
        }
        if (m_owner.findComponent(name))
            name.clear();
    }

private:
    const TComponent &m_owner;
    int m_next = 0;
};

// Objects are read under a guard: a failure drops the rest of the list,
// keeps what was read before it and marks the file damaged.
void readObjects(TReader &reader, TComponent &owner, TComponent &parent, ReadReport &report, bool keepNames)
{
    auto names = std::make_shared<LoadedObjectNames>(owner);
    if (!keepNames)
        reader.onSetName = [names](TReader &, TComponent *, QString &name) { names->name(name); };
    reader.onFindMethod = [](TReader &, const QString &, bool &error) { error = false; };
    try {
        reader.readListBegin();
        reader.readComponents(&owner, &parent, [&report](TComponent *) { ++report.objectsRead; });
    } catch (const StreamError &) {
        report.damaged = true;
    }
}

// The extras follow the object list; a list that broke off leaves them
// out of reach. A file read without an object owner still walks its list.
void readExtras(
    TReader &reader, TComponent *owner, TComponent *parent, Contents &c, ReadReport &report, bool keepNames)
{
    ReadReport objects;
    TComponent skipped;
    readObjects(reader, owner ? *owner : skipped, owner ? (parent ? *parent : *owner) : skipped, objects,
        keepNames || !owner);
    if (owner) {
        report.damaged = objects.damaged;
        report.objectsRead = objects.objectsRead;
    }
    if (objects.damaged || !ExtrasBlock::read(reader, c.attributes.extras)) {
        report.extrasRefused = true;
        return;
    }
    if (moreFollows(reader) && !MonthCellsBlock::read(reader, report.otherMonths))
        report.otherMonthsRefused = true;
}

void apply(Contents &c, CalendarPage &page)
{
    c.attributes.wmfBorderFile.clear();
    page.loadAttributes(c.attributes);
    page.setWMFBorderFile(QString());
    if (!c.border.isEmpty())
        page.setWMFBorderFile(c.border);
    for (int i = 1; i <= kCellCount; ++i)
        page.cellStorage(i)->copyFrom(c.cells[size_t(i - 1)]);
    page.relayout();
}

} // namespace

QString damagedMessage(const QString &fileName, int objectsRead)
{
    return QStringLiteral("The calendar file %1 is damaged: only %2 placed %3 could be read.")
        .arg(QDir::toNativeSeparators(fileName))
        .arg(objectsRead)
        .arg(objectsRead == 1 ? QStringLiteral("object") : QStringLiteral("objects"));
}

QString extrasRefusedMessage(const QString &fileName)
{
    return QStringLiteral("The page extras in the calendar file %1 are damaged: the calendar was opened "
                          "without week numbers, shaded weekends, neighbouring days or moon phases.")
        .arg(QDir::toNativeSeparators(fileName));
}

QString otherMonthsRefusedMessage(const QString &fileName)
{
    return QStringLiteral("The cell texts of other months in the calendar file %1 are damaged: the calendar "
                          "was opened with the texts of its own month only.")
        .arg(QDir::toNativeSeparators(fileName));
}

bool write(QIODevice &device, const CalendarPage &page, const TComponent *objectParent, QString *error,
    const MonthCells *otherMonths)
{
    try {
        TWriter writer(device);
        writeBody(writer, page, objectParent, otherMonths);
        writer.flush();
    } catch (const StreamError &failure) {
        if (error)
            *error = failure.message();
        return false;
    }
    return true;
}

bool save(const QString &fileName, const CalendarPage &page, const TComponent *objectParent, QString *error,
    const MonthCells *otherMonths)
{
    return FileStreams::save(
        fileName, [&](TWriter &writer) { writeBody(writer, page, objectParent, otherMonths); }, error);
}

bool read(QIODevice &device, CalendarPage &page, TComponent *objectOwner, QString *error,
    TComponent *objectParent, ReadReport *report, bool keepStoredNames)
{
    auto contents = std::make_unique<Contents>();
    contents->attributes = page.attributes();
    contents->attributes.userTitle.clear(); // files before version 2 have none
    contents->attributes.extras = PageExtras(); // nor do files before version 5
    ReadReport found;
    try {
        TReader reader(device);
        found.version = readHead(reader, *contents);
        if (objectOwner)
            objectOwner->destroyComponents();
        if (found.version >= kExtrasVersion)
            readExtras(reader, objectOwner, objectParent, *contents, found, keepStoredNames);
        else if (objectOwner && found.version > 2)
            readObjects(
                reader, *objectOwner, objectParent ? *objectParent : *objectOwner, found, keepStoredNames);
    } catch (const StreamError &failure) {
        if (error)
            *error = failure.message();
        return false;
    }
    apply(*contents, page);
    if (report)
        *report = found;
    return true;
}

bool load(const QString &fileName, CalendarPage &page, TComponent *objectOwner, QString *error,
    TComponent *objectParent, ReadReport *report)
{
    try {
        const auto file = FileStreams::openForReading(fileName, kMaxFileSize);
        return read(*file, page, objectOwner, error, objectParent, report);
    } catch (const StreamError &failure) {
        if (error)
            *error = failure.message();
        return false;
    }
}

} // namespace CalendarFile
