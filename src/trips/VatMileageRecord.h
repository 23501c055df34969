#pragma once

#include "storage/engine/ResultSet.h"
#include "support/Decimal.h"

#include <QHash>
#include <QString>
#include <optional>

namespace kv {

class DataModule;

// A reading of the odometer history that opens or closes the VAT record or a
// settlement period.
struct VatReading {
    qint64 date = 0;
    Decimal value;
    bool found() const { return date > 0 && !value.isZero(); }
};

// What the VAT mileage record of one vehicle and one month is printed from:
// the values before the trips (KILOKRES ... KILNARASTLICZNIK, and the two
// distances added to the record) and the month's trips in date order.
struct VatMileageRecord {
    QHash<QString, QString> values;
    ResultSet trips;
};

// A reading as a whole number of km (halves to the even number), shown with
// two decimals and " km": 100.5 -> "100,00 km", 101.5 -> "102,00 km".
Decimal wholeKilometres(const Decimal& reading);
QString vatReadingText(const Decimal& reading);

// Builds the record of the vehicle with the registration number for the
// month (1..12) of the year. The company's name and NIP, the start of the
// record and the end of this period (a reading dated in the month itself)
// must be there and the readings must agree; otherwise the message is shown
// under "Błąd" and nothing comes back. The registration number is bound,
// never written into the statement.
std::optional<VatMileageRecord>
buildVatMileageRecord(DataModule& db, const QString& registrationNumber, int year, int month);

// The columns of the trips statement, in the order the record prints them.
QString vatTripsStatement(int vehicleId, qint64 monthStart, qint64 monthEnd);

} // namespace kv
