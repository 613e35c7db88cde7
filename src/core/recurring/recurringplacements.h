#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What filling a month does with a list of recurring dates, before any cell
// is touched: which entries are offered for the month, and which text goes
// on which day for an entry that is used.
namespace RecurringPlacements {

struct Placement
{
    int day = 0;
    QString text;

    bool operator==(const Placement &other) const { return day == other.day && text == other.text; }
};

// The entries that may fall in the month, in list order (the first pass of
// the fill command, walking from the last entry to the first).
[[nodiscard]] QStringList CandidatesForMonth(const QStringList &entries, int year, int month);

// The days an entry puts its text on and the text it puts there, in day
// order. Day-of-month, special and Easter texts are those of the entry;
// "@" and "$" texts are trimmed, "%" and "#" texts keep their padding.
// Days the month does not have are left out.
[[nodiscard]] QList<Placement> PlacementsOf(const QString &entry, int year, int month);

} // namespace RecurringPlacements
