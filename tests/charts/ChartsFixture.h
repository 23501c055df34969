#pragma once

#include "fuel/FuelFixture.h"

namespace kv::test {

// Rows the chart tests build their companies from: fuel prices and costs
// besides the trips and refuellings of the fuel tests.
class ChartsData : public FuelData {
public:
    explicit ChartsData(DataModule& db) : FuelData(db), m_db(db) {}

    void addPrice(int fuelKind, int date, const char* gross) {
        m_db.exec(QStringLiteral("INSERT INTO cenypaliw.DB (DATA, RODZAJPALIWA, BRUTTO, MIEJSCE) "
                                 "VALUES (%1, %2, %3, 'Orlen')")
                      .arg(date)
                      .arg(fuelKind)
                      .arg(QLatin1String(gross)));
    }
    void addCost(int vehicle, int date, const char* gross, const QString& kind, bool fuel) {
        m_db.exec(QStringLiteral("INSERT INTO koszty.DB (IDPOJAZD, DATA, RODZWYD, WARTNETTO, "
                                 "WARTVAT, WARTBRUTTO, CZYVAT, ISFUEL) VALUES (%1, %2, :PARAM0, "
                                 "%3, 0, %3, 'T', %4)")
                      .arg(vehicle)
                      .arg(date)
                      .arg(QLatin1String(gross))
                      .arg(fuel ? QStringLiteral("'T'") : QStringLiteral("NULL")),
                  engine::positionalParams({kind}));
    }

private:
    DataModule& m_db;
};

} // namespace kv::test
