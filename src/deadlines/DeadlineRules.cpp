#include "deadlines/DeadlineRules.h"

#include "subregisters/LowStock.h"
#include "support/DateNumbers.h"
#include "support/Numbers.h"

#include <algorithm>

namespace kv {

namespace {

using K = DeadlineKind;

const QList<DeadlineKindInfo>& kindTable() {
    // Read and write permission pairs of the registers the records live in.
    static const QList<DeadlineKindInfo> table{
        {K::Liability, QStringLiteral("11"), 1, 2, 190, 0},
        {K::Collision, QStringLiteral("12"), 1, 2, 191, 0},
        {K::Tachograph, QStringLiteral("15"), 1, 2, 191, 0},
        {K::Inspection, QStringLiteral("13"), 1, 2, 193, 331934},
        {K::Warranty, QStringLiteral("14"), 1, 2, 194, 331934},
        {K::Repair, QStringLiteral("2"), 7, 8, 195, 185303},
        {K::Equipment, QStringLiteral("3"), 11, 12, 196, 185304},
        {K::Document, QStringLiteral("4"), 13, 14, 197, 185306},
        {K::FuelCard, QStringLiteral("5"), 15, 16, 198, 0},
        {K::Calendar, QStringLiteral("6"), 33, 34, 58198, 185307},
        {K::Tyre, QStringLiteral("7"), 35, 36, 58199, 185308},
    };
    return table;
}

// Descending by the plain text of one cell; equal cells keep their order.
void sortDescending(QList<QStringList>& rows, int column) {
    std::stable_sort(rows.begin(), rows.end(),
                     [column](const QStringList& a, const QStringList& b) {
                         return QString::compare(a.at(column), b.at(column), Qt::CaseSensitive) > 0;
                     });
}

QStringList reminderRow(const QString& when, const QString& vehicle, const QString& description,
                        const QString& details, const QString& key, K kind) {
    return {when, vehicle, description, details, key, deadlineKindInfo(kind).code};
}

} // namespace

const DeadlineKindInfo& deadlineKindInfo(DeadlineKind kind) {
    return kindTable().at(static_cast<int>(kind));
}

std::optional<DeadlineKind> deadlineKindOfCode(const QString& code) {
    for (const DeadlineKindInfo& info : kindTable())
        if (info.code == code)
            return info.kind;
    return std::nullopt;
}

const QList<DeadlineKind>& dateKinds() {
    static const QList<K> kinds{K::Liability, K::Collision, K::Tachograph, K::Inspection,
                                K::Warranty,  K::Repair,    K::Equipment,  K::Document,
                                K::FuelCard,  K::Calendar,  K::Tyre};
    return kinds;
}

const QList<DeadlineKind>& mileageKinds() {
    static const QList<K> kinds{K::Inspection, K::Warranty, K::Repair, K::Equipment,
                                K::Document,   K::Calendar, K::Tyre};
    return kinds;
}

bool dateKindEnabled(const ProgramOptions& o, DeadlineKind kind) {
    switch (kind) {
    case K::Liability:
        return o.cbOC;
    case K::Collision:
        return o.cbAC;
    case K::Tachograph:
        return o.cbTachograf;
    case K::Inspection:
        return o.cbPRZEG;
    case K::Warranty:
        return o.cbPRZEGW;
    case K::Repair:
        return o.cbNAPRAWY;
    case K::Equipment:
        return o.cbWYPOSAZENIE;
    case K::Document:
        return o.cbDOKUMENTY;
    case K::FuelCard:
        return o.cbKPALIWOWE;
    case K::Calendar:
        return o.cbTERMINARZ;
    case K::Tyre:
        return o.cbOPONY;
    }
    return false;
}

bool mileageKindEnabled(const ProgramOptions& o, DeadlineKind kind) {
    switch (kind) {
    case K::Inspection:
        return o.cbLICZPRZEG;
    case K::Warranty:
        return o.cbLICZGWAR;
    case K::Repair:
        return o.cbLICZNAPR;
    case K::Equipment:
        return o.cbLICZWYPOS;
    case K::Document:
        return o.cbLICZDOK;
    case K::Calendar:
        return o.cbLICZTERM;
    case K::Tyre:
        return o.cbLICZOPONY;
    default:
        return false;
    }
}

bool isVehicleKind(DeadlineKind kind) {
    return kind == K::Liability || kind == K::Collision || kind == K::Tachograph ||
           kind == K::Inspection || kind == K::Warranty;
}

DateWindow dateWindow(const QDate& today, int before, int after) {
    DateWindow w;
    w.upper = dateToDateNumber(today.addDays(before));
    w.lower = after != 0 ? dateToDateNumber(today.addDays(-(qint64(after) + 1))) : 0;
    return w;
}

bool MileageWindow::contains(const Decimal& deadline, const Decimal& current) const {
    const Decimal zero = Decimal::fromInteger(0);
    return deadline > zero && deadline - before < current && current <= deadline + after;
}

MileageWindow mileageWindow(int kmBefore, int kmAfter) {
    MileageWindow w;
    w.before = Decimal::fromInteger(kmBefore) + *Decimal::parse(u"0.01");
    w.after = Decimal::fromInteger(kmAfter != 0 ? kmAfter : 9999999);
    return w;
}

std::optional<qint64> calendarDeadline(const QString& checkBy, qint64 from, qint64 to) {
    if (checkBy == u"O")
        return from;
    if (checkBy == u"D")
        return to;
    return std::nullopt;
}

QStringList reminderTitles(ReminderListKind kind) {
    switch (kind) {
    case ReminderListKind::Dates:
        return {QStringLiteral("Data"),
                QStringLiteral("Pojazd"),
                QStringLiteral("Opis"),
                QStringLiteral("Szczegóły"),
                QString(),
                QString()};
    case ReminderListKind::Mileage:
        return {QStringLiteral("Licznik"),
                QStringLiteral("Pojazd"),
                QStringLiteral("Opis"),
                QStringLiteral("Szczegóły"),
                QString(),
                QString()};
    case ReminderListKind::Warehouse:
        return {QStringLiteral("Nazwa elementu"), QStringLiteral("Ilość"), QStringLiteral("Opis"),
                QString()};
    }
    return {};
}

QStringList nothingFoundRow(ReminderListKind kind) {
    if (kind == ReminderListKind::Warehouse)
        return {kNothingFoundText, QString(), QString(), QString()};
    return {QString(), QString(), kNothingFoundText, QString(), QString(), QString()};
}

int visibleReminderColumns(ReminderListKind kind) {
    return kind == ReminderListKind::Warehouse ? 3 : 4;
}

ReminderList& DeadlineLists::list(ReminderListKind kind) {
    return kind == ReminderListKind::Dates     ? dates
           : kind == ReminderListKind::Mileage ? mileage
                                               : warehouse;
}

const ReminderList& DeadlineLists::list(ReminderListKind kind) const {
    return const_cast<DeadlineLists*>(this)->list(kind);
}

QString mileageText(const Decimal& reading) {
    return reading.toString(2, decimalSeparator()) + QStringLiteral(" km");
}

QString quantityText(const Decimal& quantity) {
    return quantity.toString(2, decimalSeparator());
}

ReminderList dueByDate(const DeadlineInput& in) {
    ReminderList out{ReminderListKind::Dates, {}};
    const ProgramOptions& o = in.options;
    const DateWindow window = dateWindow(in.today, o.dataWsteczna, o.dataWstecznaMin);
    for (K kind : dateKinds()) {
        if (!dateKindEnabled(o, kind) || !in.permissions.has(deadlineKindInfo(kind).readPermission))
            continue;
        for (const DatedCandidate& c : in.dated.value(kind)) {
            if (!window.contains(c.date) || c.done)
                continue;
            if (isVehicleKind(kind) && o.cbSprTermAktPojazdy && !c.vehicleActive)
                continue;
            // The date stays a number until the sort, which orders its text.
            out.rows << reminderRow(QString::number(c.date), c.vehicle, c.description, c.details,
                                    c.key, kind);
        }
    }
    if (o.sprawdzajTerminySortuj == 1)
        sortDescending(out.rows, reminder::When);
    else if (o.sprawdzajTerminySortuj == 2)
        sortDescending(out.rows, reminder::Vehicle);
    for (QStringList& row : out.rows)
        row[reminder::When] = dateNumberToText(row.at(reminder::When).toLongLong(), true);
    return out;
}

ReminderList dueByMileage(const DeadlineInput& in) {
    ReminderList out{ReminderListKind::Mileage, {}};
    const ProgramOptions& o = in.options;
    const MileageWindow window = mileageWindow(o.kmOd, o.kmDo);

    // Vehicles in id order, then kinds in order, then each statement's order.
    QList<int> vehicleIds = in.currentMileage.keys();
    std::sort(vehicleIds.begin(), vehicleIds.end());
    QHash<int, QMap<K, QList<const MileageCandidate*>>> byVehicle;
    for (auto it = in.byMileage.cbegin(); it != in.byMileage.cend(); ++it)
        for (const MileageCandidate& c : it.value())
            byVehicle[c.vehicleId][it.key()] << &c;

    for (int id : vehicleIds) {
        const Decimal current = in.currentMileage.value(id);
        const VehicleState vehicle = in.vehicles.value(id);
        if (o.cbSprPrzebAktPojazdy && !vehicle.active)
            continue;
        const QString key = QString::number(id);
        for (K kind : mileageKinds()) {
            if (!mileageKindEnabled(o, kind) ||
                !in.permissions.has(deadlineKindInfo(kind).readPermission))
                continue;
            if (kind == K::Inspection || kind == K::Warranty) {
                const bool inspection = kind == K::Inspection;
                const Decimal& reading =
                    inspection ? vehicle.inspectionReading : vehicle.warrantyReading;
                if (window.contains(reading, current))
                    out.rows << reminderRow(mileageText(reading), vehicle.text,
                                            inspection ? QStringLiteral("Przegląd techniczny")
                                                       : QStringLiteral("Przegląd gwarancyjny"),
                                            QString(), key, kind);
                continue;
            }
            for (const MileageCandidate* c : byVehicle.value(id).value(kind))
                if (!c->done && window.contains(c->reading, current))
                    out.rows << reminderRow(mileageText(c->reading), vehicle.text, c->description,
                                            c->details, c->key, kind);
        }
    }
    return out;
}

ReminderList lowStock(const DeadlineInput& in) {
    ReminderList out{ReminderListKind::Warehouse, {}};
    if (!in.permissions.has(kWarehouseReadPermission))
        return out;
    for (const WarehouseCandidate& c : in.warehouse)
        if (isLowStock(c.quantity, c.reminderLevel))
            out.rows << QStringList{c.part, quantityText(c.quantity), c.remarks, c.key};
    return out;
}

DeadlineLists dueDeadlines(const DeadlineInput& in) {
    DeadlineLists lists;
    if (in.checks.dates)
        lists.dates = dueByDate(in);
    if (in.checks.mileage)
        lists.mileage = dueByMileage(in);
    if (in.checks.warehouse)
        lists.warehouse = lowStock(in);
    return lists;
}

} // namespace kv
