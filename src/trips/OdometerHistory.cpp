#include "trips/OdometerHistory.h"

#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/ProgramOptions.h"
#include "storage/engine/DatabaseError.h"
#include "support/Clock.h"
#include "support/DateNumbers.h"

namespace kv {

namespace {

// Logged when the copy into the history fails.
constexpr qint64 kHistoryCopyCode = 562056;

std::optional<Decimal> storedReading(const QVariant& value) {
    try {
        return Decimal::fromStored(value);
    } catch (const DecimalError&) {
        return std::nullopt;
    }
}

} // namespace

QHash<int, Decimal> currentMileages(DataModule& db) {
    QHash<int, Decimal> out;
    const ResultSet rows = db.select(QStringLiteral(
        "SELECT IDPOJAZD, MAX(LICZNIK) AS PRZEBIEG FROM przebiegi.DB GROUP BY IDPOJAZD"));
    for (int i = 0; i < rows.rowCount(); ++i)
        if (const std::optional<Decimal> r = storedReading(rows.value(i, 1)))
            out.insert(static_cast<int>(rows.value(i, 0).toLongLong()), *r);
    return out;
}

std::optional<Decimal> currentMileage(DataModule& db, int vehicleId) {
    const ResultSet rows = db.select(
        QStringLiteral("SELECT MAX(LICZNIK) AS PRZEBIEG FROM przebiegi.DB WHERE IDPOJAZD = :V"),
        {{QStringLiteral("V"), vehicleId}});
    return rows.isEmpty() ? std::nullopt : storedReading(rows.value(0, 0));
}

HistoryCopy copyReadingToHistory(DataModule& db, int vehicleId, const QString& dateText,
                                 const QString& sourceName, const QString& readingText) {
    const std::optional<Decimal> reading = Decimal::parse(readingText);
    if (!reading)
        return HistoryCopy::NoReading;
    if (vehicleId == 0)
        return HistoryCopy::NoVehicle;
    const int date = isValidDateText(dateText) ? textToDateNumber(dateText, true)
                                               : dateToDateNumber(Clock::today());
    engine::Connection& c = db.companyConnection();
    try {
        c.beginWrite({QStringLiteral("przebiegi")});
        const std::optional<Decimal> greatest = currentMileage(db, vehicleId);
        if (greatest && *reading < *greatest) {
            c.rollback();
            return HistoryCopy::Lower;
        }
        db.exec(QStringLiteral("INSERT INTO przebiegi.DB(IDPOJAZD,DATA,UWAGI,LICZNIK,DOTYCZY) "
                               "VALUES (:V, :D, :PARAM0, %1, 0)")
                    .arg(reading->toSql()),
                {{QStringLiteral("V"), vehicleId},
                 {QStringLiteral("D"), date},
                 {QStringLiteral("PARAM0"), kHistoryRemarkPrefix + sourceName}});
        c.commit();
        return HistoryCopy::Added;
    } catch (const DatabaseError& e) {
        c.rollback();
        appendErrorLog(codedLine(kHistoryCopyCode, e.message()));
        return HistoryCopy::Failed;
    }
}

void offerReadingToHistory(DataModule& db, int vehicleId, const QString& dateText,
                           const QString& sourceName, const QString& readingText) {
    if (programOptions().cbKopiujPrzebiegDoHistorii)
        copyReadingToHistory(db, vehicleId, dateText, sourceName, readingText);
}

} // namespace kv
