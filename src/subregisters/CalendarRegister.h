#pragma once

#include "framework/RegisterEditing.h"
#include "subregisters/CalendarForm.h"

namespace kv {

class DataModule;

// The calendar's statements: the grid query DBFTerminarz (the entries with
// their kind, vehicle and person) and the insert and update.
void registerCalendarQueries(DataModule& db);

// The lists of the calendar window by column: which date counts (SPRODDO),
// the kinds (RODZAJTERMINU, RTERM by KOD), the vehicles (IDPOJAZDU), the
// persons (NREW) and the contractors (KONTRAHENT, typed text kept).
QHash<QString, QList<KeyedItem>> loadCalendarLists(DataModule& db);

// The calendar's part of the add and edit cycle: its lists, a new entry's
// vehicle from the vehicle selector when the option cbSetNrRej is on, the
// cursor on the saved entry.
RegisterEditing<CalendarFormValues> calendarEditing(DataModule& db);

} // namespace kv
