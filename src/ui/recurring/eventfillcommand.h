#pragma once

#include "recurring/recurringfillcommand.h"

#include <QString>

// "Fill from iCalendar File...": offers the events a calendar file (or a
// shipped holiday calendar) has in the month the page shows and appends
// each chosen one to its day's cell, as the recurring dates are.
namespace EventFillCommand {

// True when the page's cells were changed. The file shown first is
// firstFile; *lastFile gets the file the events were taken from.
bool run(QWidget *parent, CalendarDocument &document, const CalendarFont &defaultFont,
    const CellEditorHook &hook, const QString &firstFile, QString *lastFile,
    const QString &dataFolder = QString());

} // namespace EventFillCommand
