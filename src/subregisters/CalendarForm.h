#pragma once

#include "framework/FieldTable.h"
#include "framework/FormView.h"
#include "support/FormCheck.h"

#include <QString>

namespace kv {

// The calendar window's content ("Edytuj termin"), independent of the window.
struct CalendarFormValues {
    QString dataOd;
    QString dataDo;
    // Which date the deadline checker watches: "O" the date from, "D" the
    // date to (anything else is read as "D").
    QString sprodDo = QStringLiteral("D");
    int rodzaj = 0;  // KOD of an RTERM entry, 0 for none
    int vehicle = 0; // IDPOJAZDU, 0 for none
    QString nrew;    // employee number, empty for none
    QString kontrahent;
    QString opis;
    QString liczterm; // reading at which the entry falls due, 0 for none

    bool operator==(const CalendarFormValues&) const = default;
};

inline const QString kCheckDateTo = QStringLiteral("D");
inline const QString kCheckDateFrom = QStringLiteral("O");

// A new entry: blank dates, "Datę do", no kind, vehicle, employee or
// contractor, reading "0,00".
CalendarFormValues newCalendarDefaults();
// The columns of terminy.DB as the window holds them. SPRODDO, NREW,
// KONTRAHENT and OPIS are bound as :PARAM0..:PARAM3. SPRODDO is always
// written as "O" or "D", and NREW as the number or '' (never a number that
// matches nobody), since the deadline checker reads both.
const FieldTable<CalendarFormValues>& calendarFields();
// The fixed list "Którą date uwzględnić?": "Datę do" (D), "Datę od" (O).
QList<KeyedItem> calendarDateChoices();

// The checks of "&Zapisz" in their order, after the reading is rewritten
// with two decimals: a date from and a date to the calendar has, and the
// date to not before the date from (the same day is fine).
FormCheck checkCalendarForm(CalendarFormValues& values);

} // namespace kv
