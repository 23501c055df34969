#include "costs/OrderRegister.h"

#include "dictionaries/DictionaryLists.h"
#include "fleet/VehicleRegister.h"
#include "framework/FormHandOver.h"
#include "framework/RegisterHooks.h"
#include "framework/RegisterStates.h"
#include "framework/RegisterSums.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/ErrorReport.h"
#include "storage/ProgramOptions.h"
#include "storage/SqlSnippets.h"
#include "storage/engine/DatabaseError.h"
#include "support/Decimal.h"
#include "users/Permissions.h"

namespace kv {

namespace {

// Reported when the windows' lists or the value of a row cannot be read.
constexpr qint64 kOrderListsCode = 44040;
constexpr qint64 kSettlementValueCode = 44041;

QList<KeyedItem> items(DataModule& db, const QString& sql) {
    QList<KeyedItem> out;
    try {
        const ResultSet rows = db.select(sql);
        for (int i = 0; i < rows.rowCount(); ++i)
            out.append({rows.value(i, 0).toString(), rows.value(i, 1).toString()});
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kOrderListsCode);
    }
    return out;
}

void addGrid(DataModule& db, RegisterId id, const QString& table, const QString& key,
             bool settlement) {
    // Columns qualified: the work, the vehicle and the person share names.
    StatementTemplate grid;
    QString columns = QStringLiteral("SELECT Z.%1 AS %1, Z.NRDOKUMENTU AS NRDOKUMENTU, Z.DATAOD AS "
                                     "DATAOD, Z.DATADO AS DATADO, Z.IDPOJAZDU AS IDPOJAZDU,")
                          .arg(key);
    grid << columns;
    if (settlement)
        grid << QStringLiteral("Z.GODZINY AS GODZINY, Z.STAWKA AS STAWKA, (Z.GODZINY*Z.STAWKA) "
                               "AS WARTOSC,");
    grid << QStringLiteral("Z.RODZAJPRAC AS RODZAJPRAC, Z.TRASA AS TRASA, Z.NREW AS NREW, "
                           "Z.KONTRAHENT AS KONTRAHENT, Z.OPIS AS OPIS,")
         << QStringLiteral("P.NRREJ AS NRREJ, P.MARKA AS MARKA, (P.NRREJ || ' ' || P.MARKA) AS "
                           "POJAZD, %1 AS OSOBA, S.OPIS AS RODZAJPRACO")
                .arg(personDisplaySql(QStringLiteral("O")))
         << QStringLiteral("FROM %1 AS Z").arg(table)
         << QStringLiteral("LEFT OUTER JOIN pojazdy.DB AS P ON P.IDPOJAZD = Z.IDPOJAZDU")
         << QStringLiteral("LEFT OUTER JOIN osobowa.DB AS O ON O.NREW = Z.NREW")
         << QStringLiteral("LEFT OUTER JOIN slowniki.DB AS S ON S.KOD = Z.RODZAJPRAC")
         << QStringLiteral("WHERE 1 = 1");
    grid.slot(kVehicleSlot).slot(kPeriodSlot).slot(QStringLiteral("extra"));
    grid << QStringLiteral("ORDER BY");
    grid.slot(kSortSlot).slot(kDirectionSlot);
    grid << QStringLiteral(",%1").arg(key);
    db.addQuery(registerDescriptor(id).query, ConnectionKind::Company, grid);
}

RegisterEditing<OrderFormValues> commonEditing(DataModule& db, bool settlement) {
    RegisterEditing<OrderFormValues> e;
    e.fields = settlement ? &settlementFields() : &orderFields();
    DataModule* data = &db;
    e.defaults = [data, settlement] {
        OrderFormValues v;
        if (settlement)
            v.godziny = v.stawka = QStringLiteral("0");
        if (programOptions().cbSetNrRej && sharedFilters(*data).selectedVehicleId > 0) {
            v.vehicle = sharedFilters(*data).selectedVehicleId;
            if (settlement)
                v.stawka = vehicleHourlyRate(*data, v.vehicle);
        }
        return v;
    };
    e.setup = [data](bool) {
        FormSetup s;
        s.lists = loadOrderLists(*data);
        return s;
    };
    e.keepStoredKeys = {QStringLiteral("NREW"), QStringLiteral("RODZAJPRAC")};
    e.uniqueColumn = QStringLiteral("NRDOKUMENTU");
    e.uniqueMatch = KeyMatch::Text;
    e.duplicateMessage = settlement ? kSettlementNumberTaken : kOrderNumberTaken;
    return e;
}

} // namespace

void registerOrderQueries(DataModule& db) {
    addGrid(db, RegisterId::Orders, QStringLiteral("zlecenia.DB"), QStringLiteral("IDZLECENIA"),
            false);
    addEditQueries(db, RegisterId::Orders, orderFields());
    addGrid(db, RegisterId::Settlements, QStringLiteral("rozliczenia.DB"),
            QStringLiteral("IDROZLICZENIA"), true);
    addEditQueries(db, RegisterId::Settlements, settlementFields());
}

QHash<QString, QList<KeyedItem>> loadOrderDictionaryLists(DataModule& db) {
    QHash<QString, QList<KeyedItem>> lists;
    lists.insert(QStringLiteral("RODZAJPRAC"),
                 items(db, QStringLiteral("SELECT KOD, OPIS FROM slowniki.DB WHERE IDSLOWNIK = "
                                          "'RPRAC' ORDER BY OPIS COLLATE PL")));
    lists.insert(QStringLiteral("TRASA"),
                 items(db, QStringLiteral("SELECT OPIS, OPIS FROM slowniki.DB WHERE IDSLOWNIK = "
                                          "'%1' ORDER BY OPIS COLLATE PL")
                               .arg(kRoutesCode)));
    QList<KeyedItem> contractors;
    for (const QString& name : db.fillContractorList())
        contractors.append({name, name});
    lists.insert(QStringLiteral("KONTRAHENT"), contractors);
    return lists;
}

QHash<QString, QList<KeyedItem>> loadOrderLists(DataModule& db) {
    QHash<QString, QList<KeyedItem>> lists = loadOrderDictionaryLists(db);
    QList<KeyedItem> vehicles = loadVehicleChoices(db);
    QHash<QString, QString> rates;
    for (const KeyedItem& item : items(db, QStringLiteral("SELECT IDPOJAZD, STAWKA FROM "
                                                          "pojazdy.DB")))
        rates.insert(item.key, item.text);
    for (KeyedItem& vehicle : vehicles) {
        const QString stored = rates.value(vehicle.key);
        vehicle.extra = formatDecimal(Decimal::parse(stored).value_or(Decimal()), 2);
    }
    lists.insert(QStringLiteral("IDPOJAZDU"), vehicles);
    lists.insert(QStringLiteral("NREW"), loadDriverChoices(db));
    return lists;
}

QString vehicleHourlyRate(DataModule& db, int vehicleId) {
    Decimal rate;
    try {
        const ResultSet r =
            db.select(QStringLiteral("SELECT STAWKA FROM pojazdy.DB WHERE IDPOJAZD = :ID"),
                      {{QStringLiteral("ID"), vehicleId}});
        if (!r.isEmpty())
            rate = Decimal::fromStored(r.value(0, 0)).value_or(Decimal());
    } catch (const std::exception&) {
        // no rate: the user types one
    }
    return formatDecimal(rate, 2);
}

RegisterEditing<OrderFormValues> orderEditing(DataModule& db) {
    RegisterEditing<OrderFormValues> e = commonEditing(db, false);
    e.handOver = [](const OrderFormValues& v, bool) -> std::optional<HandOverRequest> {
        if (!v.addToSettlements)
            return std::nullopt;
        HandOverRequest r;
        r.target = kSettlementsTarget;
        r.record.origin = kOrderOrigin;
        r.record.values = orderFields().texts(v);
        r.allowed = [] { return currentLogin().permissions.has(kSettlementsWritePermission); };
        r.refusal = QStringLiteral("Brak uprawnień do tabeli Rozliczenia.");
        return r;
    };
    return e;
}

RegisterEditing<OrderFormValues> settlementEditing(DataModule& db) {
    return commonEditing(db, true);
}

OrderFormValues settlementFromOrder(const HandOverRecord& r, OrderFormValues v) {
    v.nrDokumentu = r.value(QStringLiteral("NRDOKUMENTU"));
    v.dataOd = r.value(QStringLiteral("DATAOD"));
    v.dataDo = r.value(QStringLiteral("DATADO"));
    v.vehicle = r.value(QStringLiteral("IDPOJAZDU")).toInt();
    v.rodzajPrac = r.value(QStringLiteral("RODZAJPRAC")).toInt();
    v.trasa = r.value(QStringLiteral("TRASA"));
    v.opis = r.value(QStringLiteral("OPIS"));
    v.nrew = r.value(QStringLiteral("NREW"));
    v.kontrahent = r.value(QStringLiteral("KONTRAHENT"));
    v.godziny = v.stawka = QStringLiteral("0");
    v.addToSettlements = false;
    return v;
}

QString settlementValueCell(const ResultSet& rows, int row) {
    try {
        const Decimal hours =
            Decimal::fromStored(rows.value(row, QStringLiteral("GODZINY"))).value_or(Decimal());
        const Decimal rate =
            Decimal::fromStored(rows.value(row, QStringLiteral("STAWKA"))).value_or(Decimal());
        return formatDecimal((hours * rate).rounded(2), 2);
    } catch (const std::exception& e) {
        appendErrorLog(codedLine(kSettlementValueCode, QString::fromUtf8(e.what())));
        return formatDecimal(Decimal(), 2);
    }
}

void installOrderHooks() {
    registerHooks(RegisterId::Orders).keyCheckedInWrite = true;
    registerHooks(RegisterId::Settlements).keyCheckedInWrite = true;
    registerHooks(RegisterId::Settlements).computedCell = [](DataModule&, const ResultSet& rows,
                                                             int row, const GridColumn&) {
        return settlementValueCell(rows, row);
    };
    // "Koszt pracy": the values as the grid shows them, added.
    setSumValueHook(
        RegisterId::Settlements, [](DataModule&, const ResultSet& rows, const QString&) {
            Decimal total;
            for (int row = 0; row < rows.rowCount(); ++row)
                total += Decimal::parse(settlementValueCell(rows, row)).value_or(Decimal());
            return total;
        });
}

void installSettlementHandOverTarget() {
    FormHandOverTarget<OrderFormValues> t;
    t.registerId = RegisterId::Settlements;
    t.editing = settlementEditing;
    t.prefill = [](DataModule&, const HandOverRecord& r, OrderFormValues defaults) {
        return settlementFromOrder(r, std::move(defaults));
    };
    t.check = [](OrderFormValues& v) { return checkSettlementForm(v); };
    installFormHandOverTarget(kSettlementsTarget, std::move(t));
}

} // namespace kv
