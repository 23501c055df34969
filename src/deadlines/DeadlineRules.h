#pragma once

#include "storage/ProgramOptions.h"
#include "support/Decimal.h"
#include "users/Permissions.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

// What the deadline checker looks for. The order is the order in which the
// date list is filled; the mileage list takes the vehicle kinds and then the
// table kinds in the same order.
enum class DeadlineKind {
    Liability,  // "11" DATAOC
    Collision,  // "12" DATAAC
    Tachograph, // "15" DATATACHO
    Inspection, // "13" DATAPRZE / LICZPRZEG
    Warranty,   // "14" DATAPRZEGW / LICZGWAR
    Repair,     // "2"
    Equipment,  // "3"
    Document,   // "4"
    FuelCard,   // "5"
    Calendar,   // "6"
    Tyre,       // "7"
};

// The three result lists of a check.
enum class ReminderListKind { Dates, Mileage, Warehouse };

// The fixed facts of a kind: its code in the lists, its permissions and the
// description of its rows.
struct DeadlineKindInfo {
    DeadlineKind kind;
    QString code;
    int readPermission;
    int writePermission;
    qint64 dateErrorCode;    // 0: no date check of this kind
    qint64 mileageErrorCode; // 0: no mileage check of this kind
};
const DeadlineKindInfo& deadlineKindInfo(DeadlineKind kind);
// The kind of a list code ("11", "2" ...); nothing for an unknown code.
std::optional<DeadlineKind> deadlineKindOfCode(const QString& code);
// The date kinds in checking order, and the mileage kinds.
const QList<DeadlineKind>& dateKinds();
const QList<DeadlineKind>& mileageKinds();
// Whether the options switch a kind on in the date or the mileage check.
bool dateKindEnabled(const ProgramOptions& options, DeadlineKind kind);
bool mileageKindEnabled(const ProgramOptions& options, DeadlineKind kind);
// Vehicle kinds live in the vehicle row itself and can never be deleted from
// the lists.
bool isVehicleKind(DeadlineKind kind);

// Permission to check deadlines at all, and to read the warehouse.
inline constexpr int kWarehouseReadPermission = 49;
inline constexpr int kWarehouseWritePermission = 50;

// The days in which a date deadline is listed: lower < deadline <= upper,
// both date numbers; a lower bound of 0 lists every past deadline.
struct DateWindow {
    int lower = 0;
    int upper = 0;
    bool contains(qint64 deadline) const { return deadline > lower && deadline <= upper; }
};
// Counted in calendar days from today: the upper bound `before` days ahead,
// the lower one `after` + 1 days back (0: no lower bound).
DateWindow dateWindow(const QDate& today, int before, int after);

// The kilometres around a mileage deadline D in which it is listed for a
// current mileage C: D > 0, D - margin before < C <= D + margin after.
struct MileageWindow {
    Decimal before; // kmOd + 0.01
    Decimal after;  // kmDo, or 9999999 when kmDo is 0
    bool contains(const Decimal& deadline, const Decimal& current) const;
};
MileageWindow mileageWindow(int kmBefore, int kmAfter);

// The date a calendar entry is checked on: its start for "O", its end for
// "D"; nothing for any other setting.
std::optional<qint64> calendarDeadline(const QString& checkBy, qint64 from, qint64 to);

// A dated record as its kind's statement gives it.
struct DatedCandidate {
    qint64 date = 0;
    QString vehicle; // "NRREJ, MARKA"
    QString description;
    QString details;
    QString key;
    bool vehicleActive = true; // STATUS = 0 (only the vehicle kinds look at it)
    bool done = false;         // a repair marked done
};

// A record with a mileage deadline, of one vehicle.
struct MileageCandidate {
    int vehicleId = 0;
    Decimal reading; // LICZTERM (or the vehicle's LICZPRZEG / LICZGWAR)
    QString description;
    QString details;
    QString key;
    bool done = false;
};

// A vehicle as the mileage check sees it.
struct VehicleState {
    QString text; // "NRREJ, MARKA"
    bool active = true;
    Decimal inspectionReading; // LICZPRZEG
    Decimal warrantyReading;   // LICZGWAR
};

struct WarehouseCandidate {
    QString part;
    Decimal quantity;
    Decimal reminderLevel;
    QString remarks;
    QString key;
};

// Which checks a run asks for.
struct DeadlineChecks {
    bool dates = true;
    bool mileage = true;
    bool warehouse = true;
};

// Everything the rules look at.
struct DeadlineInput {
    QDate today;
    ProgramOptions options;
    PermissionSet permissions;
    DeadlineChecks checks;
    QMap<DeadlineKind, QList<DatedCandidate>> dated; // each in its statement's order
    // Table kinds only; the two inspection kinds come from the vehicles.
    QMap<DeadlineKind, QList<MileageCandidate>> byMileage;
    QHash<int, Decimal> currentMileage; // vehicles with readings
    QHash<int, VehicleState> vehicles;
    QList<WarehouseCandidate> warehouse;
};

// One result list: its rows without the title row. Date and mileage rows have
// six cells (when, vehicle, description, details, key, code), warehouse rows
// four (part, quantity, remarks, key).
struct ReminderList {
    ReminderListKind kind = ReminderListKind::Dates;
    QList<QStringList> rows;
    bool hasResults() const { return !rows.isEmpty(); }
};

// Cells of a date or mileage row.
namespace reminder {
constexpr int When = 0;
constexpr int Vehicle = 1;
constexpr int Description = 2;
constexpr int Details = 3;
constexpr int Key = 4;
constexpr int Code = 5;
constexpr int WarehouseKey = 3;
} // namespace reminder

inline const QString kNothingFoundText = QStringLiteral("Niczego nie znaleziono");

// The column titles of a list (hidden columns included, their titles empty),
// and its row "Niczego nie znaleziono" shown when it has no results.
QStringList reminderTitles(ReminderListKind kind);
QStringList nothingFoundRow(ReminderListKind kind);
// How many columns a user sees (the rest hold the key and the code).
int visibleReminderColumns(ReminderListKind kind);

struct DeadlineLists {
    ReminderList dates{ReminderListKind::Dates, {}};
    ReminderList mileage{ReminderListKind::Mileage, {}};
    ReminderList warehouse{ReminderListKind::Warehouse, {}};
    ReminderList& list(ReminderListKind kind);
    const ReminderList& list(ReminderListKind kind) const;
};

// The rules, without any statement: which candidates are due and how their
// rows read. Only the checks asked for fill their lists.
ReminderList dueByDate(const DeadlineInput& input);
ReminderList dueByMileage(const DeadlineInput& input);
ReminderList lowStock(const DeadlineInput& input);
DeadlineLists dueDeadlines(const DeadlineInput& input);

// A reading as the mileage list shows it: "50000,00 km" (the user's separator).
QString mileageText(const Decimal& reading);
// A quantity as the warehouse list shows it: "3,00".
QString quantityText(const Decimal& quantity);

} // namespace kv
