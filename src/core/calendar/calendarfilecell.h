#pragma once

#include "stream/component.h"

class TWPRtfStorage;

// A day cell as the calendar file holds it: a "TWPRtfStorage" record whose
// only property, "RtfText.Data", carries the cell's RTF bytes and is left
// out for an empty cell.
class CalendarFileCell : public TComponent
{
public:
    // Reads into the storage.
    explicit CalendarFileCell(TWPRtfStorage &storage);
    // Writes the storage; reading into it is refused.
    explicit CalendarFileCell(const TWPRtfStorage &storage);
    [[nodiscard]] QString className() const override;
    void writeProperties(TWriter &writer) const override;
    PropertyRead readProperty(const QString &path, TReader &reader) override;

private:
    const TWPRtfStorage &m_source;
    TWPRtfStorage *m_target = nullptr;
};
