#pragma once

#include "deadlines/DeadlineRules.h"
#include "framework/Registers.h"

#include <optional>

namespace kv {

class DataModule;

// What the checker's window does with a row of its lists: go to the record,
// change its deadline or reminder level, switch the reminder off, delete the
// record. Each command acts only on a row of a list with results, checks the
// row's write permission, asks when the options say so, runs one statement
// with the key (and the value) bound, and removes the row once it is done.

struct ReminderCommandContext {
    PermissionSet permissions;
    bool askFirst = true; // pytajPrzedKasowaniem
};
ReminderCommandContext currentReminderCommandContext();

inline const QString kNoPermissionMessage =
    QStringLiteral("Brak uprawnień do wykonania wskazanej operacji.");
inline const QString kCalendarDateMessage =
    QStringLiteral("Operacja nie może zostać wykonana dla danych z tabeli terminarz.");
inline const QString kVehicleDeleteMessage = QStringLiteral(
    "Operacja usuwania nie może być wykonana na pojeździe. Jeśli chcesz usunąć pojazd przejdź "
    "do zakładki pojazdy.");

// The permission a row's changes need.
int rowWritePermission(ReminderListKind list, const QStringList& row);

// "Idź do": the register of a row and the key to put its cursor on.
struct GoToTarget {
    RegisterId reg = RegisterId::Vehicles;
    QString key;
    bool textKey = false; // fuel cards are keyed by their text id
};
std::optional<GoToTarget> goToTarget(ReminderListKind list, const QStringList& row);
// Asks first; a register this version lacks says so. Nothing when declined.
std::optional<GoToTarget> confirmGoTo(DataModule& db, const ReminderList& list, int row);

// "Zmień": what the quick editor shows and what the change writes.
struct ChangeForm {
    QString label;    // the field's name in the title and the question
    bool date = true; // a date (or a date range) rather than a number
    bool range = false;
    QString numberLabel; // "Stan licznika" / "Przypomnij przy stanie"
    QString preset;
    QString presetTo;
    QString table;
    QString column;
    QString secondColumn; // the range's end
    QString keyColumn;
    QString key;
    bool textKey = false;
    QString title() const { return QStringLiteral("Zmień pole: ") + label; }
};
// Nothing (with the permission message) when the row may not be changed.
std::optional<ChangeForm> changeForm(DataModule& db, const ReminderList& list, int row,
                                     const ReminderCommandContext& context);
// The value written for a typed date (0 for anything not a date, which
// switches the reminder off) or a typed number (nothing when it is none).
qint64 changedDateValue(const QString& typed);
std::optional<Decimal> changedNumberValue(const QString& typed);
// Asks (when the options say so), writes and removes the row; false when
// declined or failed (reported with 201938, the row stays).
bool applyChange(DataModule& db, ReminderList& list, int row, const ChangeForm& form,
                 const QString& typed, const QString& typedTo,
                 const ReminderCommandContext& context);

// "Deaktywuj": asks, writes and removes the row. `quiet` (for "Deakt.
// wszystkie") neither asks nor tells; false when the row stays.
bool deactivateRow(DataModule& db, ReminderList& list, int row,
                   const ReminderCommandContext& context, bool quiet = false);
// "Deakt. wszystkie": every row that can be switched off, from the top;
// a row that cannot stays. The number of rows switched off.
int deactivateAll(DataModule& db, ReminderList& list, const ReminderCommandContext& context);

// "Usuń": deletes the record with the register's statement; a failed delete
// is reported and keeps the row.
bool deleteRow(DataModule& db, ReminderList& list, int row, const ReminderCommandContext& context);

} // namespace kv
