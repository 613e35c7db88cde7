#include "recurring/recurringplacements.h"

#include "recurring/recurringevaluation.h"
#include "recurring/recurringformula.h"

using namespace RecurringFormula;

namespace RecurringPlacements {

QStringList CandidatesForMonth(const QStringList &entries, int year, int month)
{
    QStringList candidates = entries;
    for (qsizetype i = candidates.size() - 1; i >= 0; --i) {
        if (!RecurringEvaluation::MayFallIn(candidates.at(i), year, month))
            candidates.removeAt(i);
    }
    return candidates;
}

QList<Placement> PlacementsOf(const QString &entry, int year, int month)
{
    const QChar kind = KindOf(entry);
    QString text = EventPart(entry);
    if (kind == kDayOfMonth || kind == kSpecial)
        text = TrimBlanks(text);
    else if (kind != kDaysOfWeek && kind != kNamed)
        return {};
    QList<Placement> placements;
    for (int day : RecurringEvaluation::FallsOn(FormulaPart(entry), year, month))
        placements.append({ day, text });
    return placements;
}

} // namespace RecurringPlacements
