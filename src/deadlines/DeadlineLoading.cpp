#include "deadlines/DeadlineLoading.h"

#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/ErrorReport.h"
#include "storage/SqlSnippets.h"
#include "storage/engine/DatabaseError.h"
#include "subregisters/LowStock.h"
#include "trips/OdometerHistory.h"
#include "users/Permissions.h"

namespace kv {

namespace {

using K = DeadlineKind;

// A statement lets through a kilometre more on either side than the rule, so
// the rounding of stored doubles never drops a candidate the exact rule keeps.
const Decimal kMileageSlack = Decimal::fromInteger(1);

Decimal stored(const QVariant& value) {
    try {
        return Decimal::fromStored(value).value_or(Decimal());
    } catch (const DecimalError&) {
        return Decimal();
    }
}

QString vehicleText(const QString& number, const QString& make) {
    return number + QStringLiteral(", ") + make;
}

QString vehicleColumn(K kind) {
    switch (kind) {
    case K::Liability:
        return QStringLiteral("DATAOC");
    case K::Collision:
        return QStringLiteral("DATAAC");
    case K::Tachograph:
        return QStringLiteral("DATATACHO");
    case K::Inspection:
        return QStringLiteral("DATAPRZE");
    default:
        return QStringLiteral("DATAPRZEGW");
    }
}

QString vehicleDescription(K kind) {
    switch (kind) {
    case K::Liability:
        return QStringLiteral("Ubezpieczenie OC");
    case K::Collision:
        return QStringLiteral("Ubezpieczenie AC");
    case K::Tachograph:
        return QStringLiteral("Termin legalizacji tachografu");
    case K::Inspection:
        return QStringLiteral("Przegląd techniczny");
    default:
        return QStringLiteral("Przegląd gwarancyjny");
    }
}

// "Kowalski Jan (nr.ew. K1) \ Serwis" : the person, then the contractor.
QString calendarDetails(const QString& person, const QString& number, const QString& contractor) {
    QString out;
    if (!number.trimmed().isEmpty())
        out = person.isEmpty() ? QStringLiteral("(nr.ew. %1)").arg(number) : person;
    if (!contractor.trimmed().isEmpty()) {
        if (!out.isEmpty())
            out += QStringLiteral(" \\ ");
        out += contractor;
    }
    return out;
}

QString equipmentDescription(const QString& kind) {
    return QStringLiteral("Wymiana wyposażenia (Rodzaj: %1)").arg(kind);
}
QString documentDescription(const QString& kind, const QString& name) {
    return QStringLiteral("Termin dokumentu (Rodzaj: %1): %2").arg(kind, name);
}
QString calendarDescription(const QString& kind, const QString& text) {
    return QStringLiteral("Zaplanowany termin (Rodzaj: %1): %2").arg(kind, text);
}
QString tyreDescription(const QString& number) {
    return QStringLiteral("Wymiana opon (nr ewid.: %1)").arg(number);
}

bool permitted(const DeadlineInput& in, K kind) {
    return in.permissions.has(deadlineKindInfo(kind).readPermission);
}

QList<DatedCandidate> datedRows(K kind, const ResultSet& r) {
    QList<DatedCandidate> out;
    out.reserve(r.rowCount());
    for (int i = 0; i < r.rowCount(); ++i) {
        DatedCandidate c;
        auto t = [&](const char* column) { return r.text(i, QLatin1String(column)); };
        c.date = r.value(i, QStringLiteral("TERMIN")).toLongLong();
        c.vehicle = vehicleText(t("NRREJ"), t("MARKA"));
        switch (kind) {
        case K::Repair:
            c.description = QStringLiteral("Naprawa");
            c.details = t("OPIS");
            c.key = t("IDNAPRAWY");
            c.done = t("DONE") == u"T";
            break;
        case K::Equipment:
            c.description = equipmentDescription(t("RODZAJ"));
            c.details = t("OPIS");
            c.key = t("IDWYPOS");
            break;
        case K::Document:
            c.description = documentDescription(t("RODZAJ"), t("NAZWA"));
            c.details = t("OPIS");
            c.key = t("IDDOKUMENT");
            break;
        case K::FuelCard:
            c.description = QStringLiteral("Ważność karty paliwowej (id: %1)").arg(t("IDKARTY"));
            c.details = QStringLiteral("Nazwa: ") + t("NAZWA");
            c.key = t("IDKARTY");
            break;
        case K::Calendar: {
            c.date =
                calendarDeadline(t("SPRODDO"), r.value(i, QStringLiteral("DATAOD")).toLongLong(),
                                 r.value(i, QStringLiteral("DATADO")).toLongLong())
                    .value_or(0);
            c.vehicle = vehicleText(t("POJAZD"), t("PMARKA"));
            c.description = calendarDescription(t("RODZAJ"), t("TOPIS"));
            c.details = calendarDetails(t("OSOBA"), t("NREW"), t("KONTRAHENT"));
            c.key = t("IDTERMINU");
            break;
        }
        case K::Tyre:
            c.vehicle = vehicleText(t("POJAZD"), t("MARKA"));
            c.description = tyreDescription(t("NREWID"));
            c.details = QStringLiteral("Rodzaj: ") + t("RODZAJO");
            c.key = t("IDOPONY");
            break;
        default:
            c.description = vehicleDescription(kind);
            c.key = t("IDPOJAZD");
            c.vehicleActive = r.value(i, QStringLiteral("STATUS")).toLongLong() == 0;
            break;
        }
        out << c;
    }
    return out;
}

QList<MileageCandidate> mileageRows(K kind, const ResultSet& r) {
    QList<MileageCandidate> out;
    out.reserve(r.rowCount());
    for (int i = 0; i < r.rowCount(); ++i) {
        auto t = [&](const char* column) { return r.text(i, QLatin1String(column)); };
        MileageCandidate c;
        c.vehicleId = static_cast<int>(r.value(i, QStringLiteral("POJ")).toLongLong());
        c.reading = stored(r.value(i, QStringLiteral("LICZTERM")));
        c.key = t("KLUCZ");
        switch (kind) {
        case K::Repair:
            c.description = QStringLiteral("Naprawa");
            c.details = t("OPIS");
            c.done = t("DONE") == u"T";
            break;
        case K::Equipment:
            c.description = equipmentDescription(t("RODZAJ"));
            c.details = t("OPIS");
            break;
        case K::Document:
            c.description = documentDescription(t("RODZAJ"), t("NAZWA"));
            c.details = t("OPIS");
            break;
        case K::Calendar:
            c.description = calendarDescription(t("RODZAJ"), t("TOPIS"));
            c.details = calendarDetails(t("OSOBA"), t("NREW"), t("KONTRAHENT"));
            break;
        default:
            c.description = tyreDescription(t("NREWID"));
            c.details = QStringLiteral("Rodzaj: ") + t("RODZAJO");
            break;
        }
        out << c;
    }
    return out;
}

void reportKind(const DatabaseError& e, qint64 code, DeadlineLoad& load) {
    if (load.showErrors)
        reportDatabaseError(e.message(), true, code);
    else
        appendErrorLog(codedLine(code, e.message()));
    load.failedCodes << code;
}

} // namespace

QString dateKindStatement(DeadlineKind kind, bool activeVehiclesOnly) {
    const QString notDone = QStringLiteral("IFNULL(A.DONE,'') <> 'T'");
    const QString join =
        QStringLiteral(" AS A LEFT OUTER JOIN pojazdy.DB AS B ON A.IDPOJAZD = B.IDPOJAZD ");
    const QString bounds = QStringLiteral("%1 <= :UPPER AND %1 > :LOWER");
    switch (kind) {
    case K::Repair:
        return QStringLiteral("SELECT A.IDNAPRAWY, A.DATA AS TERMIN, A.OPIS, A.DONE, B.NRREJ, "
                              "B.MARKA FROM naprawy.DB") +
               join + QStringLiteral("WHERE ") + bounds.arg(QStringLiteral("A.DATA")) +
               QStringLiteral(" AND ") + notDone + QStringLiteral(" ORDER BY A.DATA DESC");
    case K::Equipment:
        return QStringLiteral("SELECT A.IDWYPOS, A.TERMIN, A.RODZAJ, A.OPIS, B.NRREJ, B.MARKA "
                              "FROM wyposazenie.DB") +
               join + QStringLiteral("WHERE ") + bounds.arg(QStringLiteral("A.TERMIN")) +
               QStringLiteral(" ORDER BY A.TERMIN DESC");
    case K::Document:
        return QStringLiteral("SELECT A.IDDOKUMENT, A.TERMIN, A.RODZAJ, A.NAZWA, A.OPIS, B.NRREJ, "
                              "B.MARKA FROM dokumenty.DB") +
               join + QStringLiteral("WHERE ") + bounds.arg(QStringLiteral("A.TERMIN")) +
               QStringLiteral(" ORDER BY A.TERMIN DESC");
    case K::FuelCard:
        return QStringLiteral("SELECT A.IDKARTY, A.TERMIN, A.NAZWA, B.NRREJ, B.MARKA "
                              "FROM kpaliwowe.DB") +
               join + QStringLiteral("WHERE ") + bounds.arg(QStringLiteral("A.TERMIN")) +
               QStringLiteral(" ORDER BY A.TERMIN DESC");
    case K::Calendar:
        return QStringLiteral(
                   "SELECT T.DATAOD, T.DATADO, T.SPRODDO, T.KONTRAHENT, P.NRREJ AS POJAZD, "
                   "T.IDTERMINU, P.MARKA AS PMARKA, %1 AS OSOBA, T.NREW, S.OPIS AS RODZAJ, "
                   "T.OPIS AS TOPIS FROM terminy.DB AS T "
                   "LEFT OUTER JOIN pojazdy.DB AS P ON T.IDPOJAZDU = P.IDPOJAZD "
                   "LEFT OUTER JOIN osobowa.DB AS O ON T.NREW = O.NREW "
                   "LEFT OUTER JOIN slowniki.DB AS S ON T.RODZAJTERMINU = S.KOD "
                   "WHERE (T.SPRODDO = 'O' AND T.DATAOD <= :UPPER AND T.DATAOD > :LOWER) "
                   "OR (T.SPRODDO = 'D' AND T.DATADO <= :UPPER AND T.DATADO > :LOWER) "
                   "ORDER BY T.DATAOD, T.DATADO DESC")
            .arg(personDisplaySql(QStringLiteral("O")));
    case K::Tyre:
        // MARKA is the tyre's own: the vehicle's make is not selected here.
        return QStringLiteral("SELECT O.NREWID, O.MARKA, O.DATAWYMIANY AS TERMIN, O.IDOPONY, "
                              "A.OPIS AS RODZAJO, P.NRREJ AS POJAZD FROM opony.DB AS O "
                              "LEFT OUTER JOIN pojazdy.DB AS P ON O.IDPOJAZDU = P.IDPOJAZD "
                              "LEFT OUTER JOIN slowniki.DB AS A ON O.RODZAJ = A.KOD "
                              "WHERE O.DATAWYMIANY <= :UPPER AND O.DATAWYMIANY > :LOWER "
                              "ORDER BY O.DATAWYMIANY DESC");
    default: {
        const QString column = vehicleColumn(kind);
        return QStringLiteral("SELECT IDPOJAZD, NRREJ, MARKA, STATUS, %1 AS TERMIN FROM "
                              "pojazdy.DB WHERE %2%3 ORDER BY %1 DESC")
            .arg(column, bounds.arg(column),
                 activeVehiclesOnly ? QStringLiteral(" AND IFNULL(STATUS, 0) = 0") : QString());
    }
    }
}

QString mileageKindStatement(DeadlineKind kind) {
    QString select, table, vehicle = QStringLiteral("IDPOJAZD"), extra;
    switch (kind) {
    case K::Repair:
        select = QStringLiteral("A.IDNAPRAWY AS KLUCZ, A.OPIS, A.DONE");
        table = QStringLiteral("naprawy.DB AS A");
        extra = QStringLiteral(" AND IFNULL(A.DONE,'') <> 'T'");
        break;
    case K::Equipment:
        select = QStringLiteral("A.IDWYPOS AS KLUCZ, A.RODZAJ, A.OPIS");
        table = QStringLiteral("wyposazenie.DB AS A");
        break;
    case K::Document:
        select = QStringLiteral("A.IDDOKUMENT AS KLUCZ, A.RODZAJ, A.NAZWA, A.OPIS");
        table = QStringLiteral("dokumenty.DB AS A");
        break;
    case K::Calendar:
        select = QStringLiteral("A.IDTERMINU AS KLUCZ, A.KONTRAHENT, A.NREW, %1 AS OSOBA, "
                                "S.OPIS AS RODZAJ, A.OPIS AS TOPIS")
                     .arg(personDisplaySql(QStringLiteral("O")));
        table = QStringLiteral("terminy.DB AS A LEFT OUTER JOIN osobowa.DB AS O ON A.NREW = O.NREW "
                               "LEFT OUTER JOIN slowniki.DB AS S ON A.RODZAJTERMINU = S.KOD");
        vehicle = QStringLiteral("IDPOJAZDU");
        break;
    default:
        select = QStringLiteral("A.IDOPONY AS KLUCZ, A.NREWID, S.OPIS AS RODZAJO");
        table =
            QStringLiteral("opony.DB AS A LEFT OUTER JOIN slowniki.DB AS S ON A.RODZAJ = S.KOD");
        vehicle = QStringLiteral("IDPOJAZDU");
        break;
    }
    return QStringLiteral("SELECT A.%1 AS POJ, A.LICZTERM, %2 FROM %3 "
                          "JOIN (SELECT IDPOJAZD, MAX(LICZNIK) AS PRZEBIEG FROM przebiegi.DB "
                          "GROUP BY IDPOJAZD) AS M ON A.%1 = M.IDPOJAZD "
                          "WHERE A.LICZTERM > 0 AND M.PRZEBIEG > A.LICZTERM - :BEFORE "
                          "AND M.PRZEBIEG <= A.LICZTERM + :AFTER%4 "
                          "ORDER BY A.%1, A.LICZTERM DESC")
        .arg(vehicle, select, table, extra);
}

QString lowStockStatement() {
    return QStringLiteral("SELECT ID, CZESC, ILOSC, PRZYPOMNIJ, UWAGI FROM magazyn.DB WHERE ") +
           lowStockSqlCondition() + QStringLiteral(" ORDER BY CZESC COLLATE PL, ID");
}

DeadlineLoad loadDeadlineCandidates(DataModule& db, DeadlineInput input,
                                    const DeadlineStopTest& stopTest, bool showErrors) {
    DeadlineLoad load;
    load.showErrors = showErrors;
    load.input = std::move(input);
    DeadlineInput& in = load.input;
    const ProgramOptions& o = in.options;
    bool first = true;
    // The stop test comes before every statement but the first.
    auto mayGoOn = [&](double step) {
        if (first) {
            first = false;
            return true;
        }
        if (stopTest && stopTest(step)) {
            load.stopped = true;
            return false;
        }
        return true;
    };

    if (in.checks.dates) {
        const DateWindow w = dateWindow(in.today, o.dataWsteczna, o.dataWstecznaMin);
        const engine::Params bounds{{QStringLiteral("UPPER"), w.upper},
                                    {QStringLiteral("LOWER"), w.lower}};
        for (K kind : dateKinds()) {
            if (!mayGoOn(2))
                return load;
            if (!dateKindEnabled(o, kind) || !permitted(in, kind))
                continue;
            try {
                in.dated[kind] = datedRows(
                    kind, db.select(dateKindStatement(kind, o.cbSprTermAktPojazdy), bounds));
            } catch (const DatabaseError& e) {
                reportKind(e, deadlineKindInfo(kind).dateErrorCode, load);
            }
        }
    }

    if (in.checks.mileage) {
        const MileageWindow w = mileageWindow(o.kmOd, o.kmDo);
        const engine::Params margins{
            {QStringLiteral("BEFORE"), (w.before + kMileageSlack).toString(2).toDouble()},
            {QStringLiteral("AFTER"), (w.after + kMileageSlack).toString(2).toDouble()}};
        const double step = 80.0 / (mileageKinds().size() + 1);
        if (!mayGoOn(step))
            return load;
        try {
            in.currentMileage = currentMileages(db);
        } catch (const DatabaseError& e) {
            reportKind(e, 331934, load);
        }
        // A vehicle that cannot be read counts as active with no readings.
        try {
            const ResultSet r = db.select(QStringLiteral(
                "SELECT IDPOJAZD, NRREJ, MARKA, STATUS, LICZPRZEG, LICZGWAR FROM pojazdy.DB"));
            for (int i = 0; i < r.rowCount(); ++i) {
                VehicleState v;
                v.text = vehicleText(r.text(i, QStringLiteral("NRREJ")),
                                     r.text(i, QStringLiteral("MARKA")));
                v.active = r.value(i, QStringLiteral("STATUS")).toLongLong() == 0;
                v.inspectionReading = stored(r.value(i, QStringLiteral("LICZPRZEG")));
                v.warrantyReading = stored(r.value(i, QStringLiteral("LICZGWAR")));
                in.vehicles.insert(static_cast<int>(r.value(i, 0).toLongLong()), v);
            }
        } catch (const DatabaseError&) {
        }
        for (K kind : mileageKinds()) {
            if (kind == K::Inspection || kind == K::Warranty)
                continue;
            if (!mayGoOn(step))
                return load;
            if (!mileageKindEnabled(o, kind) || !permitted(in, kind))
                continue;
            try {
                in.byMileage[kind] =
                    mileageRows(kind, db.select(mileageKindStatement(kind), margins));
            } catch (const DatabaseError& e) {
                reportKind(e, deadlineKindInfo(kind).mileageErrorCode, load);
            }
        }
    }

    if (in.checks.warehouse && in.permissions.has(kWarehouseReadPermission)) {
        if (!mayGoOn(2))
            return load;
        try {
            const ResultSet r = db.select(lowStockStatement());
            for (int i = 0; i < r.rowCount(); ++i)
                in.warehouse << WarehouseCandidate{
                    r.text(i, QStringLiteral("CZESC")), stored(r.value(i, QStringLiteral("ILOSC"))),
                    stored(r.value(i, QStringLiteral("PRZYPOMNIJ"))),
                    r.text(i, QStringLiteral("UWAGI")), r.text(i, QStringLiteral("ID"))};
        } catch (const DatabaseError& e) {
            reportKind(e, 151923, load);
        }
    }
    return load;
}

DeadlineLists deadlinesDueToday(DataModule& db, const QDate& today) {
    DeadlineInput in;
    in.today = today;
    in.options = programOptions();
    in.permissions = currentLogin().permissions;
    // Nothing here may stop the start: a kind that cannot be read is logged,
    // never shown, and the whole answer counts as failed.
    const DeadlineLoad load = loadDeadlineCandidates(db, std::move(in), {}, false);
    if (!load.failedCodes.isEmpty())
        throw DatabaseError(QStringLiteral("Nie udało się odczytać terminów (kod %1).")
                                .arg(load.failedCodes.first()));
    return dueDeadlines(load.input);
}

QStringList dueDeadlineLines(const DeadlineLists& lists) {
    QStringList lines;
    for (const ReminderList* list : {&lists.dates, &lists.mileage}) {
        for (const QStringList& row : list->rows)
            lines << QStringLiteral("%1  %2  %3")
                         .arg(row.value(reminder::When), row.value(reminder::Vehicle),
                              row.value(reminder::Description))
                         .trimmed();
    }
    for (const QStringList& row : lists.warehouse.rows)
        lines << QStringLiteral("Mały stan magazynowy: %1 (%2)").arg(row.value(0), row.value(1));
    return lines;
}

} // namespace kv
