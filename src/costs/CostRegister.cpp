#include "costs/CostRegister.h"

#include "costs/CostFilters.h"
#include "dictionaries/DictionaryLists.h"
#include "fleet/VehicleRegister.h"
#include "framework/RegisterStates.h"
#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/ProgramOptions.h"
#include "storage/SqlSnippets.h"
#include "storage/engine/DatabaseError.h"
#include "support/DateNumbers.h"
#include "trips/OdometerHistory.h"
#include "trips/OdometerReadings.h"
#include "users/Permissions.h"

namespace kv {

namespace {

// Reported when a list of the cost window cannot be read.
constexpr qint64 kCostListsCode = 4306;

QList<KeyedItem> items(DataModule& db, const QString& sql) {
    QList<KeyedItem> out;
    try {
        const ResultSet rows = db.select(sql);
        for (int i = 0; i < rows.rowCount(); ++i)
            out.append({rows.value(i, 0).toString(), rows.value(i, 1).toString(),
                        rows.columnCount() > 2 ? rows.value(i, 2).toString() : QString()});
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kCostListsCode);
    }
    return out;
}

QString dictionarySql(const QString& code) {
    return QStringLiteral("SELECT KOD, OPIS FROM slowniki.DB WHERE IDSLOWNIK = '%1' ORDER BY "
                          "OPIS COLLATE PL")
        .arg(code);
}

// The target chosen last in "Dodaj powyższe do", for the next window.
struct CostWindowMemory {
    int handTarget = 0;
};

struct TargetRight {
    int permission;
    const char* refusal;
};

TargetRight targetRight(int position) {
    switch (position) {
    case 0:
        return {8, "Brak uprawnień do tabeli Naprawy."};
    case 2:
        return {36, "Brak uprawnień do tabeli Opony."};
    default:
        return {10, "Brak uprawnień do tabeli Zuzycie Paliwa."};
    }
}

} // namespace

void registerCostQueries(DataModule& db) {
    // Every column comes qualified and named: the joined tables share
    // IDPOJAZD, UWAGI, IDKIEROWCY and IDDROGOWA. The id follows the sort
    // columns, so costs that sort alike keep one order.
    StatementTemplate grid;
    grid << QStringLiteral("SELECT A.IDKOSZT AS IDKOSZT, A.IDPOJAZD AS IDPOJAZD, B.NRREJ AS "
                           "NRREJ, B.MARKA AS MARKA, A.DATA AS DATA, A.RODZWYD AS RODZWYD,")
         << QStringLiteral("A.NAZWATOWAR AS NAZWATOWAR, A.NRDOKUMENT AS NRDOKUMENT, A.WARTNETTO "
                           "AS WARTNETTO, A.WARTVAT AS WARTVAT, A.WARTBRUTTO AS WARTBRUTTO,")
         << QStringLiteral("A.CZYVAT AS CZYVAT, A.UWAGI AS UWAGI, A.DATAWYSTAW AS DATAWYSTAW, "
                           "A.RODZAJPLAT AS RODZAJPLAT, A.IDKARTY AS IDKARTY, A.LICZNIK AS "
                           "LICZNIK,")
         << QStringLiteral("A.IDKIEROWCY AS IDKIEROWCY, %1 AS NAZWISKO, A.ISFUEL AS ISFUEL, "
                           "A.FUEL AS FUEL, A.CK AS CK, D.OPIS AS OPIS,")
                .arg(personDisplaySql(QStringLiteral("C")))
         << QStringLiteral("A.IDDROGOWA AS IDDROGOWA, E.NRKARTY AS NRKARTY")
         << QStringLiteral("FROM koszty.DB AS A")
         << QStringLiteral("LEFT OUTER JOIN pojazdy.DB AS B ON A.IDPOJAZD = B.IDPOJAZD")
         << QStringLiteral("LEFT OUTER JOIN osobowa.DB AS C ON A.IDKIEROWCY = C.NREW")
         << QStringLiteral("LEFT OUTER JOIN slowniki.DB AS D ON A.CK = D.KOD")
         << QStringLiteral("LEFT OUTER JOIN kartydrogowe.DB AS E ON A.IDDROGOWA = E.IDDROGOWA")
         << QStringLiteral("WHERE 1 = 1");
    grid.slot(kVehicleSlot).slot(kPeriodSlot).slot(QStringLiteral("extra"));
    grid.slot(kCostFuelFilter).slot(kCostCentreFilter).slot(kCostRoadCardFilter);
    grid << QStringLiteral("ORDER BY");
    grid.slot(kSortSlot).slot(kDirectionSlot);
    grid << QStringLiteral(",IDKOSZT");
    db.addQuery(registerDescriptor(RegisterId::Costs).query, ConnectionKind::Company, grid);
    addEditQueries(db, RegisterId::Costs, costFields());
}

QList<KeyedItem> loadExpenseKinds(DataModule& db) {
    QList<KeyedItem> out;
    for (const KeyedItem& i :
         items(db, QStringLiteral("SELECT OPIS, OPIS, UZUP1 FROM slowniki.DB WHERE IDSLOWNIK = "
                                  "'%1' ORDER BY OPIS COLLATE PL")
                       .arg(kExpenseKindsCode)))
        out.append(i);
    return out;
}

QList<KeyedItem> loadCostCentres(DataModule& db) {
    return items(db, dictionarySql(QStringLiteral("CKKOD")));
}

QList<KeyedItem> loadRoadCards(DataModule& db) {
    return items(db, QStringLiteral("SELECT IDDROGOWA, NRKARTY FROM kartydrogowe.DB ORDER BY "
                                    "NRKARTY COLLATE PL, IDDROGOWA"));
}

bool expenseKindBooksVat(const QString& secondValue) {
    return secondValue.trimmed().compare(QStringLiteral("Tak"), Qt::CaseInsensitive) == 0;
}

CostLists loadCostLists(DataModule& db) {
    CostLists lists;
    lists.insert(QStringLiteral("IDPOJAZD"), loadVehicleChoices(db));
    lists.insert(QStringLiteral("IDKIEROWCY"), loadDriverChoices(db));
    lists.insert(QStringLiteral("RODZWYD"), loadExpenseKinds(db));
    lists.insert(QStringLiteral("RODZAJPLAT"), items(db, dictionarySql(QStringLiteral("RDPLA"))));
    lists.insert(QStringLiteral("CK"), loadCostCentres(db));
    lists.insert(QStringLiteral("IDKARTY"),
                 items(db, QStringLiteral("SELECT IDKARTY, IDKARTY || ' ' || IFNULL(NAZWA, '') "
                                          "FROM kpaliwowe.DB ORDER BY IDKARTY COLLATE PL")));
    lists.insert(QStringLiteral("IDDROGOWA"), loadRoadCards(db));
    lists.insert(kCostRateList, loadVatRates(db));
    return lists;
}

QList<KeyedItem> loadVatRates(DataModule& db) {
    // The rates are whole numbers kept as text: highest first as numbers.
    return items(db, QStringLiteral("SELECT OPIS, OPIS FROM slowniki.DB WHERE IDSLOWNIK = "
                                    "'%1' ORDER BY CAST(OPIS AS INTEGER) DESC, OPIS DESC")
                         .arg(kVatRatesCode));
}

const QStringList& costHandOverTargets() {
    // "rejestru napraw", "zużycia paliwa - ciągłe", "rejestr opon",
    // "zużycia paliwa - km", "zużycia paliwa - mth"
    static const QStringList targets{QStringLiteral("naprawy"), QStringLiteral("zuzycie"),
                                     QStringLiteral("opony"), QStringLiteral("zuzyciekm"),
                                     QStringLiteral("zuzyciemth")};
    return targets;
}

bool costTargetNeedsFuelKind(int position) {
    return position == 1 || position == 3 || position == 4;
}

HandOverRequest costHandOverRequest(const CostFormValues& v) {
    HandOverRequest r;
    const int position = std::clamp(v.handTarget, 0, int(costHandOverTargets().size()) - 1);
    r.target = costHandOverTargets().at(position);
    r.record.origin = QStringLiteral("koszty");
    r.record.values = costFields().texts(v);
    if (costTargetNeedsFuelKind(position))
        r.record.values.insert(QStringLiteral("RODZAJPALIWA"), QString::number(v.fuelKind));
    const TargetRight right = targetRight(position);
    r.allowed = [p = right.permission] { return currentLogin().permissions.has(p); };
    r.refusal = QString::fromUtf8(right.refusal);
    return r;
}

RegisterEditing<CostFormValues> costEditing(DataModule& db) {
    RegisterEditing<CostFormValues> e;
    e.fields = &costFields();
    DataModule* data = &db;
    e.defaults = [data] {
        CostFormValues v;
        const QString zero = formatDecimal(Decimal(), 2);
        v.netto = v.vat = v.brutto = v.licznik = zero;
        v.fuel = QStringLiteral("0");
        const CostFilterState& filters = costFilterState(*data);
        v.isFuel = filters.fuelOnly ? QStringLiteral("T") : QStringLiteral("N");
        v.ck = filters.activeCostCentre();
        v.roadCard = filters.activeRoadCard();
        if (programOptions().cbSetNrRej && sharedFilters(*data).selectedVehicleId > 0) {
            v.vehicle = sharedFilters(*data).selectedVehicleId;
            v.driver = vehicleDriver(*data, v.vehicle);
        }
        v.handTarget = data->companyState<CostWindowMemory>().handTarget;
        return v;
    };
    e.setup = [data](bool) {
        FormSetup s;
        s.lists = loadCostLists(*data);
        return s;
    };
    e.keepStoredKeys = {QStringLiteral("IDKARTY"), QStringLiteral("IDKIEROWCY"),
                        QStringLiteral("RODZAJPLAT"), QStringLiteral("CK"),
                        QStringLiteral("IDDROGOWA")};
    e.confirmSave = [data](RegisterController& reg, const CostFormValues& v, bool insert) {
        const std::optional<Decimal> reading = Decimal::parse(v.licznik);
        if (!reading || reading->signum() <= 0)
            return true;
        ReadingCheck check;
        check.vehicleId = v.vehicle;
        check.typed.append({QStringLiteral("Stan licznika"),
                            {textToDateNumber(v.data, true), *reading, QString()}});
        if (!insert)
            check.edited = {QStringLiteral("koszty"),
                            reg.currentValue(QStringLiteral("IDKOSZT")).toLongLong()};
        return confirmReadings(*data, check);
    };
    e.handOver = [data](const CostFormValues& v, bool) -> std::optional<HandOverRequest> {
        data->companyState<CostWindowMemory>().handTarget = v.handTarget;
        if (!v.handOn)
            return std::nullopt;
        return costHandOverRequest(v);
    };
    e.afterWrite = [data](RegisterController&, const CostFormValues& v, bool) {
        offerReadingToHistory(*data, v.vehicle, v.data, kCostsHistorySource, v.licznik);
    };
    return e;
}

} // namespace kv
