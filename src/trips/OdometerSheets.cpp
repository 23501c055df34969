#include "trips/OdometerSheets.h"

#include "storage/DataModule.h"
#include "support/DateNumbers.h"
#include "trips/OdometerHistory.h"
#include "trips/OdometerReadings.h"

namespace kv {

namespace {

struct Vehicle {
    int id;
    QString number;
    QString make;
};

QList<Vehicle> vehicles(DataModule& db) {
    QList<Vehicle> out;
    const ResultSet rows = db.select(QStringLiteral(
        "SELECT IDPOJAZD, NRREJ, MARKA FROM pojazdy.DB ORDER BY NRREJ COLLATE PL, IDPOJAZD"));
    for (int i = 0; i < rows.rowCount(); ++i)
        out.append({static_cast<int>(rows.value(i, 0).toLongLong()), rows.value(i, 1).toString(),
                    rows.value(i, 2).toString()});
    return out;
}

} // namespace

QStringList currentMileageTitles() {
    return {QStringLiteral("Nr Rej."), QStringLiteral("Marka"), QStringLiteral("Przebieg")};
}

QList<QStringList> currentMileageRows(DataModule& db) {
    const QHash<int, Decimal> mileages = currentMileages(db);
    QList<QStringList> rows;
    for (const Vehicle& v : vehicles(db)) {
        const auto it = mileages.constFind(v.id);
        rows.append({v.number, v.make, it == mileages.cend() ? QString() : formatDecimal(*it, 2)});
    }
    return rows;
}

QStringList readingCheckTitles() {
    return {QStringLiteral("Nr Rej."), QStringLiteral("Data"), QStringLiteral("Stan licznika"),
            QStringLiteral("Rejestr"), QStringLiteral("Problem")};
}

QList<QStringList> readingCheckRows(DataModule& db, int vehicleId, const Decimal& maxKmPerDay) {
    QHash<int, QList<OdometerReading>> readings;
    if (vehicleId > 0)
        readings.insert(vehicleId, vehicleReadings(db, vehicleId));
    else
        readings = allVehicleReadings(db);
    QList<QStringList> rows;
    for (const Vehicle& v : vehicles(db)) {
        if (vehicleId > 0 && v.id != vehicleId)
            continue;
        for (const ReadingFinding& f : implausibleReadings(readings.value(v.id), maxKmPerDay)) {
            QString problem = describeFinding(f, maxKmPerDay);
            problem[0] = problem.at(0).toUpper();
            rows.append({v.number, dateNumberToText(f.reading.date, true),
                         formatDecimal(f.reading.reading, 2), f.reading.registerName, problem});
        }
    }
    return rows;
}

} // namespace kv
