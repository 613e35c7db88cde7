#include "events/icalendarfile.h"

#include "events/icalendarevents_p.h"
#include "platform/safefilereader.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <vector>

namespace {

// Longer logical lines are not calendars but attacks on the parser.
constexpr qsizetype kMaxLineLength = 1024 * 1024;

void setUpLibical()
{
    static const bool done = [] {
        icalerror_set_errors_are_fatal(0);
        // The standard says to keep what one does not know; so does libical when asked.
        ical_set_unknown_token_handling_setting(ICAL_ASSUME_IANA_TOKEN);
        return true;
    }();
    (void)done;
}

struct LogicalLine
{
    QByteArray text;
    int number = 0; // of the first physical line, from 1
};

// Physical lines end in CR LF, LF or CR; a line starting with a blank or a
// tab continues the one before it (RFC 5545, 3.1).
std::vector<LogicalLine> unfold(const QByteArray &bytes)
{
    std::vector<LogicalLine> lines;
    lines.reserve(size_t(bytes.count('\n') + 1));
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype position = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    int number = 0;
    while (position < size) {
        const qsizetype start = position;
        while (position < size && data[position] != '\n' && data[position] != '\r')
            ++position;
        const qsizetype length = position - start;
        ++number;
        if (position < size && data[position] == '\r' && position + 1 < size && data[position + 1] == '\n')
            ++position;
        ++position;
        if (!lines.empty() && length > 0 && (data[start] == ' ' || data[start] == '\t'))
            lines.back().text.append(data + start + 1, length - 1);
        else
            lines.push_back({ QByteArray(data + start, length), number });
    }
    return lines;
}

// The first X-LIC-ERROR text found in the component or below it, in file
// order, leaving out the missing ends that closing a broken parse adds.
// Walked with a stack of its own: the depth is the file's to choose.
QString firstErrorIn(icalcomponent *root)
{
    std::vector<icalcomponent *> pending { root };
    std::vector<icalcomponent *> children;
    while (!pending.empty()) {
        icalcomponent *component = pending.back();
        pending.pop_back();
        for (icalproperty *error = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY);
             error; error = icalcomponent_get_next_property(component, ICAL_XLICERROR_PROPERTY)) {
            const QString text = QString::fromUtf8(icalproperty_get_xlicerror(error));
            if (!text.startsWith(QLatin1String("Missing END tag")))
                return text;
        }
        children.clear();
        for (icalcomponent *child = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT); child;
             child = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT))
            children.push_back(child);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return {};
}

// libical's messages end in the text it could not read; the line of the
// calendar that holds that text is the one to name.
int lineOfError(const QString &message, const std::vector<LogicalLine> &lines, size_t first, size_t last)
{
    const int colon = message.indexOf(QLatin1String(": "));
    const QByteArray fragment = colon < 0 ? QByteArray() : message.mid(colon + 2).trimmed().toUtf8();
    for (size_t i = first; !fragment.isEmpty() && i <= last && i < lines.size(); ++i) {
        if (lines[i].text.contains(fragment))
            return lines[i].number;
    }
    return first < lines.size() ? lines[first].number : 0;
}

} // namespace

struct ICalendarFile::Private
{
    std::vector<icalcomponent *> calendars;
    std::vector<ICalendarEvents::Event> events;
    QStringList notes;
    QString name;

    ~Private() { clear(); }
    void clear()
    {
        events.clear();
        notes.clear();
        for (icalcomponent *calendar : calendars)
            icalcomponent_free(calendar);
        calendars.clear();
    }
};

ICalendarFile::ICalendarFile()
    : d(std::make_unique<Private>())
{
}

ICalendarFile::~ICalendarFile() = default;

bool ICalendarFile::isICalendarFile(const QString &fileName)
{
    QFile file(fileName);
    if (!SafeFileReader::notAFileReason(fileName).isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    return looksLikeICalendar(file.read(64));
}

bool ICalendarFile::looksLikeICalendar(const QByteArray &start)
{
    QByteArray text = start.left(64);
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    return text.trimmed().toUpper().startsWith("BEGIN:VCALENDAR");
}

bool ICalendarFile::load(const QString &fileName, QString *error)
{
    d->clear();
    QByteArray bytes;
    QString reason;
    if (!SafeFileReader::read(fileName, kMaxFileSize, &bytes, &reason)) {
        if (error)
            *error = QStringLiteral("Unable to read %1: %2").arg(fileName, reason);
        return false;
    }
    return parse(bytes, fileName, error);
}

bool ICalendarFile::parse(const QByteArray &bytes, const QString &name, QString *error)
{
    setUpLibical();
    d->clear();
    d->name = QFileInfo(name).completeBaseName();
    auto fail = [&](int line, const QString &why) {
        if (error)
            *error = line > 0 ? QStringLiteral("Unable to read %1: line %2: %3").arg(name).arg(line).arg(why)
                              : QStringLiteral("Unable to read %1: %2").arg(name, why);
        d->clear();
        return false;
    };
    if (!looksLikeICalendar(bytes))
        return fail(0, QStringLiteral("not an iCalendar file (it does not begin with BEGIN:VCALENDAR)"));

    std::vector<LogicalLine> lines = unfold(bytes);
    icalparser *parser = icalparser_new();
    size_t componentStart = 0;
    int depth = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        QByteArray &text = lines[i].text; // libical wants it writable
        // libical would build its tree and free it by recursion, as deep as the file goes.
        if (qstrnicmp(text.constData(), "BEGIN:", 6) == 0 && ++depth > kMaxNesting) {
            (void)icalparser_clean(parser);
            icalparser_free(parser);
            return fail(lines[i].number,
                QStringLiteral("%1 is nested %2 deep; calendars nest at most %3 deep")
                    .arg(QString::fromUtf8(text.left(80)))
                    .arg(depth)
                    .arg(kMaxNesting));
        }
        // libical would print its own warning for a stray END; say it here instead.
        if (qstrnicmp(text.constData(), "END:", 4) == 0 && --depth < 0) {
            (void)icalparser_clean(parser);
            icalparser_free(parser);
            return fail(lines[i].number,
                QStringLiteral("%1 without its BEGIN").arg(QString::fromUtf8(text.left(80))));
        }
        if (text.contains('\0') || text.size() > kMaxLineLength) {
            (void)icalparser_clean(parser); // the parser frees what it gathered
            icalparser_free(parser);
            return fail(lines[i].number,
                text.contains('\0') ? QStringLiteral("a zero byte is not text")
                                    : QStringLiteral("line too long"));
        }
        icalcomponent *done = icalparser_add_line(parser, text.data());
        if (icalparser_get_state(parser) == ICALPARSER_ERROR) {
            icalcomponent *partial = icalparser_clean(parser); // still the parser's
            QString why = partial ? firstErrorIn(partial) : QString();
            icalparser_free(parser);
            if (why.isEmpty())
                why = QStringLiteral("libical cannot read \"%1\"").arg(QString::fromUtf8(text.left(80)));
            return fail(lines[i].number, why);
        }
        if (!done)
            continue;
        d->calendars.push_back(done);
        if (icalcomponent_isa(done) != ICAL_VCALENDAR_COMPONENT) {
            icalparser_free(parser);
            return fail(lines[componentStart].number,
                QStringLiteral("BEGIN:%1 outside a calendar")
                    .arg(QString::fromUtf8(icalcomponent_kind_to_string(icalcomponent_isa(done)))));
        }
        const QString why = firstErrorIn(done);
        if (!why.isEmpty()) {
            icalparser_free(parser);
            return fail(lineOfError(why, lines, componentStart, i), why);
        }
        componentStart = i + 1;
    }
    const bool unfinished = icalparser_clean(parser) != nullptr; // freed with the parser
    icalparser_free(parser);
    if (unfinished) {
        return fail(lines.empty() ? 0 : lines.back().number,
            QStringLiteral("the file ends before END:%1").arg(QStringLiteral("VCALENDAR")));
    }
    if (!d->calendars.empty())
        d->name = ICalendarEvents::nameOf(d->calendars.front(), d->name);
    qint64 zoneBudget = ICalendarZones::kMaxChangesPerFile;
    for (icalcomponent *calendar : d->calendars) {
        ICalendarZones::tame(calendar, name, zoneBudget, d->notes); // before the events use the zones
        ICalendarEvents::collect(calendar, d->name, d->events);
    }
    return true;
}

QString ICalendarFile::calendarName() const
{
    return d->name;
}

int ICalendarFile::eventCount() const
{
    return int(d->events.size());
}

QStringList ICalendarFile::notes() const
{
    return d->notes;
}

QList<EventOccurrence> ICalendarFile::occurrences(int year, int month, Shortfall *shortfall) const
{
    return ICalendarEvents::expand(d->events, year, month, shortfall);
}

QString ICalendarFile::Shortfall::message(const QString &fileName, int year, int month) const
{
    if (isEmpty())
        return {};
    auto events = [](int count) {
        return count == 1 ? QStringLiteral("1 event") : QStringLiteral("%1 events").arg(count);
    };
    QStringList why;
    if (overOccurrences > 0)
        why << QStringLiteral("%1 more than %2 occurrences in the month (only the first %2 of each are used)")
                   .arg(events(overOccurrences)
                       + (overOccurrences == 1 ? QStringLiteral(" has") : QStringLiteral(" have")))
                   .arg(kMaxOccurrencesPerEvent);
    if (pastLastRuleYear > 0)
        why << QStringLiteral("%1 cannot be followed past %2")
                   .arg(pastLastRuleYear == 1 ? QStringLiteral("1 recurring event")
                                              : QStringLiteral("%1 recurring events").arg(pastLastRuleYear))
                   .arg(kLastRuleYear);
    if (outOfSteps > 0)
        why << QStringLiteral("%1 too often to be followed to the end of the month")
                   .arg(events(outOfSteps)
                       + (outOfSteps == 1 ? QStringLiteral(" repeats") : QStringLiteral(" repeat")));
    return QStringLiteral("%1: not every occurrence in %2 was used: %3.")
        .arg(fileName, QLocale::c().toString(QDate(year, month, 1), QStringLiteral("MMMM yyyy")),
            why.join(QStringLiteral("; ")));
}
