#include "deadlines/DeadlineActions.h"

#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/ProgramOptions.h"
#include "storage/engine/DatabaseError.h"
#include "support/DateNumbers.h"
#include "support/UserInterface.h"
#include "users/Permissions.h"

namespace kv {

namespace {

using K = DeadlineKind;

const QString kInformation = QStringLiteral("Informacja");
const QString kQuestion = QStringLiteral("Pytanie");
constexpr qint64 kChangeCode = 201938;
constexpr qint64 kDeactivateCode = 201810;

// Where a row's record lives and which column holds its deadline.
struct RowTarget {
    RegisterId reg;
    QString table;
    QString keyColumn;
    bool textKey = false;
    QString column;
    QString label;
    qint64 deleteCode = 0;
};

std::optional<RowTarget> rowTarget(ReminderListKind list, const QStringList& row) {
    if (list == ReminderListKind::Warehouse)
        return RowTarget{RegisterId::Warehouse,
                         QStringLiteral("magazyn"),
                         QStringLiteral("ID"),
                         false,
                         QStringLiteral("PRZYPOMNIJ"),
                         QStringLiteral("Przypomnij przy stanie"),
                         171910};
    const std::optional<K> kind = deadlineKindOfCode(row.value(reminder::Code));
    if (!kind)
        return std::nullopt;
    const bool mileage = list == ReminderListKind::Mileage;
    const QString vehicles = QStringLiteral("pojazdy");
    const QString vehicleKey = QStringLiteral("IDPOJAZD");
    auto pick = [mileage](const char* date, const char* reading) {
        return QString::fromUtf8(mileage ? reading : date);
    };
    switch (*kind) {
    case K::Liability:
        return RowTarget{RegisterId::Vehicles, vehicles, vehicleKey, false, "DATAOC",
                         "Data ważności OC",   0};
    case K::Collision:
        return RowTarget{RegisterId::Vehicles, vehicles, vehicleKey, false, "DATAAC",
                         "Data ważności AC",   0};
    case K::Tachograph:
        return RowTarget{RegisterId::Vehicles,
                         vehicles,
                         vehicleKey,
                         false,
                         "DATATACHO",
                         "Termin legalizacji tachografu",
                         0};
    case K::Inspection:
        return RowTarget{RegisterId::Vehicles,
                         vehicles,
                         vehicleKey,
                         false,
                         pick("DATAPRZE", "LICZPRZEG"),
                         pick("Następny przegląd techniczny", "Przegl.tech. przy stanie licznika"),
                         0};
    case K::Warranty:
        return RowTarget{
            RegisterId::Vehicles,
            vehicles,
            vehicleKey,
            false,
            pick("DATAPRZEGW", "LICZGWAR"),
            pick("Data przeglądu gwarancyjnego", "Przegląd gwaranyjny po stanie licznika"),
            0};
    case K::Repair:
        return RowTarget{RegisterId::Repairs,
                         "naprawy",
                         "IDNAPRAWY",
                         false,
                         pick("DATA", "LICZTERM"),
                         pick("Data naprawy", "Termin przy stanie licznika"),
                         171905};
    case K::Equipment:
        return RowTarget{RegisterId::Equipment,
                         "wyposazenie",
                         "IDWYPOS",
                         false,
                         pick("TERMIN", "LICZTERM"),
                         pick("Termin ważności", "Termin przy stanie licznika"),
                         171900};
    case K::Document:
        return RowTarget{RegisterId::Documents,
                         "dokumenty",
                         "IDDOKUMENT",
                         false,
                         pick("TERMIN", "LICZTERM"),
                         pick("Termin ważności", "Termin przy stanie licznika"),
                         171901};
    case K::FuelCard:
        return RowTarget{
            RegisterId::FuelCards, "kpaliwowe", "IDKARTY", true, "TERMIN", "Termin", 171902};
    case K::Calendar:
        return RowTarget{RegisterId::Calendar,
                         "terminy",
                         "IDTERMINU",
                         false,
                         pick("DATAOD", "LICZTERM"),
                         pick("Data od - do", "Termin przy stanie licznika"),
                         171903};
    case K::Tyre:
        return RowTarget{RegisterId::Tyres,
                         "opony",
                         "IDOPONY",
                         false,
                         pick("DATAWYMIANY", "LICZTERM"),
                         pick("Data kolejnej wymiany", "Wymiana przy stanie licznika"),
                         171904};
    }
    return std::nullopt;
}

bool validRow(const ReminderList& list, int row) {
    return list.hasResults() && row >= 0 && row < list.rows.size();
}

QString rowKey(const ReminderList& list, int row) {
    return list.rows.at(row).value(list.kind == ReminderListKind::Warehouse ? reminder::WarehouseKey
                                                                            : reminder::Key);
}

bool isCalendarDateRow(const ReminderList& list, int row) {
    return list.kind == ReminderListKind::Dates &&
           list.rows.at(row).value(reminder::Code) == deadlineKindInfo(K::Calendar).code;
}

bool isRepairRow(const ReminderList& list, int row) {
    return list.kind != ReminderListKind::Warehouse &&
           list.rows.at(row).value(reminder::Code) == deadlineKindInfo(K::Repair).code;
}

// The key as the statement binds it: a number for the numeric keys, so a key
// cell can never be anything but a key.
std::optional<QVariant> keyValue(const RowTarget& t, const QString& key) {
    if (t.textKey)
        return QVariant(key);
    bool ok = false;
    const qint64 n = key.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return QVariant(n);
}

bool hasPermission(const ReminderList& list, int row, const ReminderCommandContext& context,
                   bool quiet) {
    if (context.permissions.has(rowWritePermission(list.kind, list.rows.at(row))))
        return true;
    if (!quiet)
        ui().information(kInformation, kNoPermissionMessage);
    return false;
}

} // namespace

ReminderCommandContext currentReminderCommandContext() {
    return {currentLogin().permissions, programOptions().pytajPrzedKasowaniem};
}

int rowWritePermission(ReminderListKind list, const QStringList& row) {
    if (list == ReminderListKind::Warehouse)
        return kWarehouseWritePermission;
    const std::optional<K> kind = deadlineKindOfCode(row.value(reminder::Code));
    return kind ? deadlineKindInfo(*kind).writePermission : -1;
}

std::optional<GoToTarget> goToTarget(ReminderListKind list, const QStringList& row) {
    const std::optional<RowTarget> t = rowTarget(list, row);
    if (!t)
        return std::nullopt;
    return GoToTarget{
        t->reg,
        row.value(list == ReminderListKind::Warehouse ? reminder::WarehouseKey : reminder::Key),
        t->textKey};
}

std::optional<GoToTarget> confirmGoTo(DataModule& db, const ReminderList& list, int row) {
    if (!validRow(list, row))
        return std::nullopt;
    const std::optional<GoToTarget> target = goToTarget(list.kind, list.rows.at(row));
    if (!target)
        return std::nullopt;
    if (!ui().question(kQuestion, QStringLiteral("Czy przejść do tabeli zawierającej zaznaczony "
                                                 "element? Bieżące okno zostanie zamknięte.")))
        return std::nullopt;
    const RegisterDescriptor& d = registerDescriptor(target->reg);
    if (!db.hasQuery(d.query)) {
        ui().information(
            kInformation,
            QStringLiteral("Rejestr \"%1\" nie jest dostępny w tej wersji programu.").arg(d.name));
        return std::nullopt;
    }
    return target;
}

std::optional<ChangeForm> changeForm(DataModule& db, const ReminderList& list, int row,
                                     const ReminderCommandContext& context) {
    if (!validRow(list, row) || !hasPermission(list, row, context, false))
        return std::nullopt;
    const QStringList& cells = list.rows.at(row);
    const std::optional<RowTarget> t = rowTarget(list.kind, cells);
    if (!t)
        return std::nullopt;
    ChangeForm f;
    f.label = t->label;
    f.table = t->table;
    f.column = t->column;
    f.keyColumn = t->keyColumn;
    f.key = rowKey(list, row);
    f.textKey = t->textKey;
    f.date = list.kind == ReminderListKind::Dates;
    if (f.date) {
        f.preset = cells.value(reminder::When);
        f.range = isCalendarDateRow(list, row);
        if (f.range) {
            f.secondColumn = QStringLiteral("DATADO");
            f.presetTo = f.preset;
        }
    } else if (list.kind == ReminderListKind::Mileage) {
        f.numberLabel = QStringLiteral("Stan licznika");
        f.preset = cells.value(reminder::When).chopped(3); // without " km"
    } else {
        // The part's reminder level, which is what the change writes.
        f.numberLabel = t->label;
        try {
            const ResultSet r =
                db.select(QStringLiteral("SELECT PRZYPOMNIJ FROM magazyn.DB WHERE ID = :K"),
                          {{QStringLiteral("K"), f.key.toLongLong()}});
            if (!r.isEmpty())
                f.preset = quantityText(Decimal::fromStored(r.value(0, 0)).value_or(Decimal()));
        } catch (const DatabaseError& e) {
            reportDatabaseError(e.message(), true, kChangeCode);
            return std::nullopt;
        }
    }
    return f;
}

qint64 changedDateValue(const QString& typed) {
    return isCalendarDateText(typed) ? textToDateNumber(typed, true) : 0;
}

std::optional<Decimal> changedNumberValue(const QString& typed) {
    return Decimal::parse(typed.trimmed());
}

bool applyChange(DataModule& db, ReminderList& list, int row, const ChangeForm& form,
                 const QString& typed, const QString& typedTo,
                 const ReminderCommandContext& context) {
    if (!validRow(list, row))
        return false;
    engine::Params params;
    QString set = QStringLiteral("%1 = :VALUE").arg(form.column);
    if (form.date) {
        params << engine::Param{QStringLiteral("VALUE"), changedDateValue(typed)};
        if (form.range) {
            set += QStringLiteral(", %1 = :VALUETO").arg(form.secondColumn);
            params << engine::Param{QStringLiteral("VALUETO"), changedDateValue(typedTo)};
        }
    } else {
        const std::optional<Decimal> value = changedNumberValue(typed);
        if (!value) {
            ui().information(kInformation,
                             QStringLiteral("Pole \"%1\" musi zawierać liczbę.").arg(form.label));
            return false;
        }
        params << engine::Param{QStringLiteral("VALUE"), value->toString(2).toDouble()};
    }
    RowTarget t{RegisterId::Vehicles, form.table, form.keyColumn, form.textKey, {}, {}, 0};
    const std::optional<QVariant> key = keyValue(t, form.key);
    if (!key)
        return false;
    params << engine::Param{QStringLiteral("KEY"), *key};
    if (context.askFirst &&
        !ui().question(kQuestion, QStringLiteral("Czy na pewno zmienić pole \"%1\"? Po edycji "
                                                 "pozycja zniknie z okna przypominacza.")
                                      .arg(form.label)))
        return false;
    try {
        db.exec(QStringLiteral("UPDATE %1.DB SET %2 WHERE %3 = :KEY")
                    .arg(form.table, set, form.keyColumn),
                params);
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kChangeCode);
        return false;
    }
    list.rows.removeAt(row);
    return true;
}

bool deactivateRow(DataModule& db, ReminderList& list, int row,
                   const ReminderCommandContext& context, bool quiet) {
    if (!validRow(list, row) || !hasPermission(list, row, context, quiet))
        return false;
    if (isCalendarDateRow(list, row)) {
        if (!quiet)
            ui().information(kInformation, kCalendarDateMessage);
        return false;
    }
    const std::optional<RowTarget> t = rowTarget(list.kind, list.rows.at(row));
    if (!t)
        return false;
    const std::optional<QVariant> key = keyValue(*t, rowKey(list, row));
    if (!key)
        return false;
    QString set = QStringLiteral("%1 = 0").arg(t->column);
    QString description =
        QStringLiteral("Pole \"%1\" zostanie %2")
            .arg(t->label, t->column == u"DATATACHO" ? QStringLiteral("wyzerowany")
                                                     : QStringLiteral("wyzerowane"));
    if (isRepairRow(list, row)) {
        set = QStringLiteral("DONE = 'T'");
        description = QStringLiteral("Naprawa zostanie oznaczona jako wykonana");
    }
    if (!quiet && context.askFirst &&
        !ui().question(
            kQuestion,
            QStringLiteral("Czy na pewno deaktywować zaznaczoną pozycję (%1)?").arg(description)))
        return false;
    try {
        db.exec(
            QStringLiteral("UPDATE %1.DB SET %2 WHERE %3 = :KEY").arg(t->table, set, t->keyColumn),
            {{QStringLiteral("KEY"), *key}});
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), !quiet, kDeactivateCode);
        return false;
    }
    list.rows.removeAt(row);
    return true;
}

int deactivateAll(DataModule& db, ReminderList& list, const ReminderCommandContext& context) {
    if (!list.hasResults() ||
        !ui().question(
            kQuestion,
            QStringLiteral("Czy na pewno deaktywować wszystkie pozycje widocznej tabeli?"),
            DefaultAnswer::No))
        return 0;
    int done = 0;
    // A row switched off moves the next one up into its place; a row that
    // stays is stepped over.
    for (int row = 0; row < list.rows.size();) {
        if (deactivateRow(db, list, row, context, true))
            ++done;
        else
            ++row;
    }
    return done;
}

bool deleteRow(DataModule& db, ReminderList& list, int row, const ReminderCommandContext& context) {
    if (!validRow(list, row))
        return false;
    if (list.kind != ReminderListKind::Warehouse) {
        const std::optional<K> kind = deadlineKindOfCode(list.rows.at(row).value(reminder::Code));
        if (!kind)
            return false;
        if (isVehicleKind(*kind)) {
            ui().information(kInformation, kVehicleDeleteMessage);
            return false;
        }
    }
    if (!hasPermission(list, row, context, false))
        return false;
    const std::optional<RowTarget> t = rowTarget(list.kind, list.rows.at(row));
    if (!t)
        return false;
    const std::optional<QVariant> key = keyValue(*t, rowKey(list, row));
    if (!key)
        return false;
    if (context.askFirst &&
        !ui().question(
            kQuestion,
            QStringLiteral("Czy na pewno usunąć bezpowrotnie zaznaczoną pozycję z bazy danych?"),
            DefaultAnswer::No))
        return false;
    try {
        db.exec(QStringLiteral("DELETE FROM %1.DB WHERE %2 = :KEY").arg(t->table, t->keyColumn),
                {{QStringLiteral("KEY"), *key}});
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, t->deleteCode);
        return false;
    }
    list.rows.removeAt(row);
    return true;
}

} // namespace kv
