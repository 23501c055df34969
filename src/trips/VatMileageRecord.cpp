#include "trips/VatMileageRecord.h"

#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/DateNumbers.h"
#include "support/TVxUtilities.h"
#include "support/UserInterface.h"

namespace kv {

namespace {

// Logged (not shown: the checks below then tell what is missing) when the
// vehicle, the company or a reading cannot be read; the trips' failure is shown.
constexpr int kVehicleCode = 4401;
constexpr int kCompanyCode = 4402;
constexpr int kReadingCode = 4403;
constexpr int kTripsCode = 4404;

const QString kError = QStringLiteral("Błąd");
const QString kNone = QStringLiteral(" - ");

std::optional<VatReading> reading(DataModule& db, int vehicleId, int kind, const QString& condition,
                                  bool latest) {
    try {
        const ResultSet r = db.select(
            QStringLiteral("SELECT DATA,LICZNIK FROM przebiegi.DB WHERE DOTYCZY=%1 AND IDPOJAZD = "
                           "%2 AND %3 ORDER BY DATA %4, IDPRZEBIEGI %4 LIMIT 1")
                .arg(kind)
                .arg(vehicleId)
                .arg(condition, latest ? QStringLiteral("DESC") : QStringLiteral("ASC")));
        if (r.isEmpty())
            return std::nullopt;
        VatReading out;
        out.date = r.value(0, 0).toLongLong();
        const std::optional<Decimal> v = Decimal::fromStored(r.value(0, 1));
        out.value = v.value_or(Decimal());
        return out;
    } catch (const DatabaseError& e) {
        appendErrorLog(codedLine(kReadingCode, e.message()));
    } catch (const DecimalError&) {
    }
    return std::nullopt;
}

bool refuse(const QString& text) {
    ui().information(kError, text);
    return false;
}

QString dateText(qint64 date) {
    return dateNumberToText(date);
}

} // namespace

Decimal wholeKilometres(const Decimal& reading) {
    Decimal whole = reading.rounded(0); // half away from zero
    const Decimal half = Decimal::parse(u"0.5").value();
    const Decimal diff = reading - whole;
    if (diff == half || diff == -half) {
        const QString digits = whole.toSql();
        const bool odd = (digits.back().digitValue() % 2) != 0;
        if (odd)
            whole = whole - Decimal::fromInteger(reading.signum());
    }
    return whole;
}

QString vatReadingText(const Decimal& reading) {
    return formatDecimal(wholeKilometres(reading), 2) + QStringLiteral(" km");
}

QString vatTripsStatement(int vehicleId, qint64 monthStart, qint64 monthEnd) {
    // The driver stays whole when a first or a last name is missing.
    return QStringLiteral(
               "SELECT A.DATA AS DATA, A.CELWYJAZDU AS CELWYJAZDU, A.TRASA AS TRASA, "
               "A.ODLEGLOSC AS ODLEGLOSC, (CASE WHEN B.NREW IS NULL THEN '' ELSE "
               "TRIM(IFNULL(B.NAZWISKO,'')||' '||IFNULL(B.IMIE,'')) END) AS KIEROWCA, A.PRYW AS "
               "PRYW, A.PRYWLICZOD AS PRYWLICZOD, A.PRYWLICZDO AS PRYWLICZDO, A.PRYWKTO AS "
               "PRYWKTO, A.UWAGI AS AUWAGI FROM przejazdy.DB AS A LEFT OUTER JOIN osobowa.DB AS "
               "B ON B.NREW = A.IDKIEROWCY WHERE A.IDPOJAZD=%1 AND A.DATA>%2 AND A.DATA<%3 "
               "ORDER BY A.DATA,A.PRYWLICZOD,AUWAGI,A.IDPRZEJAZD")
        .arg(vehicleId)
        .arg(monthStart)
        .arg(monthEnd);
}

std::optional<VatMileageRecord>
buildVatMileageRecord(DataModule& db, const QString& registrationNumber, int year, int month) {
    const qint64 start = static_cast<qint64>(year) * 10000 + month * 100;
    const qint64 end = start + 100;
    const QString monthText =
        TVxUtilities::instance().monthName(month) + u' ' + QString::number(year);

    int vehicleId = 0;
    QString make;
    try {
        const ResultSet r =
            db.select(QStringLiteral("SELECT IDPOJAZD,MARKA FROM pojazdy.DB WHERE NRREJ = :PARAM0"),
                      engine::positionalParams({registrationNumber}));
        if (!r.isEmpty()) {
            vehicleId = r.value(0, 0).toInt();
            make = r.text(0, QStringLiteral("MARKA"));
        }
    } catch (const DatabaseError& e) {
        appendErrorLog(codedLine(kVehicleCode, e.message()));
    }

    QString name, nip;
    try {
        const ResultSet r =
            db.select(QStringLiteral("SELECT NAZWA, NIP FROM firma.DB WHERE IDFIRMA = %1")
                          .arg(DataModule::kCompanyRecord));
        if (!r.isEmpty()) {
            name = r.value(0, 0).toString().trimmed();
            nip = r.value(0, 1).toString().trimmed();
        }
    } catch (const DatabaseError& e) {
        appendErrorLog(codedLine(kCompanyCode, e.message()));
    }
    if (name.isEmpty() || nip.isEmpty()) {
        refuse(QStringLiteral("Brak nazwy firmy lub NIPu. Wprowadź odpowiednie dane w zakładce "
                              "Słowniki->Dane Firmy."));
        return std::nullopt;
    }

    const auto first = reading(db, vehicleId, 1, QStringLiteral("DATA<%1").arg(end), true);
    const auto last = reading(db, vehicleId, 3, QStringLiteral("DATA>%1").arg(start), false);
    const auto previous = reading(db, vehicleId, 2, QStringLiteral("DATA<%1").arg(start), true);
    // The end of this period is dated in the month itself: a reading of an
    // earlier month closes that month, not this one.
    const auto period =
        reading(db, vehicleId, 2, QStringLiteral("DATA>%1 AND DATA<%2").arg(start).arg(end), true);

    if (!first || !first->found()) {
        refuse(QStringLiteral("Nie znaleziono informacji na temat daty rozpoczęcia prowadzenia "
                              "ewidencji. Popraw dane w zakładce Finanse->Historia przebiegów."));
        return std::nullopt;
    }
    if (!period || !period->found()) {
        refuse(QStringLiteral("Nie znaleziono informacji na temat stanu licznika na koniec okresu "
                              "%1. Popraw dane w zakładce Finanse->Historia przebiegów.")
                   .arg(monthText));
        return std::nullopt;
    }
    const bool ended = last && last->value.signum() > 0;
    if (first->value > period->value || (ended && last->value < period->value)) {
        refuse(QStringLiteral("Stany liczników rozpoczęnia/zakończenia ewidencji lub na koniec "
                              "okresu rozliczeniowego są niepoprawne. Popraw dane w zakładce "
                              "Finanse->Historia przebiegów."));
        return std::nullopt;
    }

    VatMileageRecord record;
    QHash<QString, QString>& v = record.values;
    v.insert(QStringLiteral("KILOKRES"), monthText);
    v.insert(QStringLiteral("KILNRREJ"), registrationNumber);
    v.insert(QStringLiteral("KILPOJAZD"), make);
    v.insert(QStringLiteral("KILFIRMA"), name);
    v.insert(QStringLiteral("KILNIP"), nip);
    v.insert(QStringLiteral("KILODDATA"), dateText(first->date));
    v.insert(QStringLiteral("KILODLICZNIK"), vatReadingText(first->value));
    const bool hasPrevious = previous && previous->found();
    v.insert(QStringLiteral("KILNARASTDATA"), hasPrevious ? dateText(previous->date) : kNone);
    v.insert(QStringLiteral("KILNARASTLICZNIK"),
             hasPrevious ? vatReadingText(previous->value) : kNone);
    v.insert(QStringLiteral("KILOKRESDATA"), dateText(period->date));
    v.insert(QStringLiteral("KILOKRESLICZNIK"), vatReadingText(period->value));
    const bool hasLast = last && last->found();
    v.insert(QStringLiteral("KILDODATA"), hasLast ? dateText(last->date) : kNone);
    v.insert(QStringLiteral("KILDOLICZNIK"), hasLast ? vatReadingText(last->value) : kNone);

    // The period runs from the previous period's end, or from the start of
    // the record when that is later or there is none; both in whole km as
    // printed.
    Decimal from = wholeKilometres(first->value);
    if (hasPrevious && previous->date > first->date)
        from = wholeKilometres(previous->value);
    const Decimal periodEnd = wholeKilometres(period->value);
    v.insert(QStringLiteral("KILOKRESKM"),
             formatDecimal(periodEnd - from, 2) + QStringLiteral(" km"));
    v.insert(QStringLiteral("KILRAZEMKM"),
             formatDecimal(periodEnd - wholeKilometres(first->value), 2) + QStringLiteral(" km"));

    try {
        record.trips = db.select(vatTripsStatement(vehicleId, start, end));
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kTripsCode);
        return std::nullopt;
    }
    return record;
}

} // namespace kv
