#pragma once

#include "trips/TripsFixture.h"

#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "fuel/FuelKinds.h"
#include "storage/engine/ResultSet.h"

namespace kv::test {

// Refuelling rows written straight into a consumption register's tables, and
// the rows read back, for the fuel tests.
class FuelData : public TripsData {
public:
    explicit FuelData(DataModule& db) : TripsData(db), m_db(db) {}

    // A row of a table: the first quantity is BAK (zuzycie, zuzycielpg) or
    // PRZEBIEG (the others).
    void addRow(const char* table, int vehicle, int date, const char* first, const char* litres,
                const char* reading) {
        const QString t = QLatin1String(table);
        const QString firstColumn =
            t.startsWith(QLatin1String("zuzyciekm")) || t.startsWith(QLatin1String("zuzyciemth"))
                ? QStringLiteral("PRZEBIEG")
                : QStringLiteral("BAK");
        m_db.exec(QStringLiteral("INSERT INTO %1.DB (IDPOJAZD, DATA, %2, TANKOWANIE, LICZNIK) "
                                 "VALUES (%3, %4, %5, %6, %7)")
                      .arg(t, firstColumn)
                      .arg(vehicle)
                      .arg(date)
                      .arg(QLatin1String(first), QLatin1String(litres), QLatin1String(reading)));
    }
    // A table's rows as "date first litres reading" lines in date order.
    QStringList rows(const char* table) {
        const QString t = QLatin1String(table);
        const QString firstColumn =
            t.startsWith(QLatin1String("zuzyciekm")) || t.startsWith(QLatin1String("zuzyciemth"))
                ? QStringLiteral("PRZEBIEG")
                : QStringLiteral("BAK");
        const ResultSet r = m_db.select(
            QStringLiteral(
                "SELECT DATA, %2, TANKOWANIE, LICZNIK FROM %1.DB ORDER BY IDPOJAZD, DATA")
                .arg(t, firstColumn));
        QStringList out;
        for (int i = 0; i < r.rowCount(); ++i)
            out << QStringLiteral("%1 %2 %3 %4")
                       .arg(r.value(i, 0).toLongLong())
                       .arg(r.value(i, 1).toDouble())
                       .arg(r.value(i, 2).toDouble())
                       .arg(r.value(i, 3).toDouble());
        return out;
    }

private:
    DataModule& m_db;
};

// The texts a register's grid shows in one column, row by row.
inline QStringList columnTexts(RegisterController& reg, const QString& field) {
    QStringList out;
    const auto rows = reg.rows();
    if (!rows)
        return out;
    const auto cells = reg.computedCells();
    for (const GridColumn& c : reg.descriptor().columns)
        if (c.field == field)
            for (int i = 0; i < rows->rowCount(); ++i)
                out << (c.format == Formatter::Computed ? cells(*rows, i, c)
                                                        : rows->value(i, field).toString());
    return out;
}

} // namespace kv::test
