#include "charts/ChartQueries.h"

#include "storage/DataModule.h"

namespace kv {

namespace {

StatementTemplate dated(const QString& select) {
    StatementTemplate t;
    t << select << QStringLiteral("WHERE DATA >=");
    t.slot(QStringLiteral("first")) << QStringLiteral("AND DATA <=");
    t.slot(QStringLiteral("last"));
    return t;
}

StatementTemplate consumption(const QString& columns) {
    StatementTemplate t;
    t << QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM");
    t.slot(QStringLiteral("table")) << QStringLiteral("WHERE DATA >=");
    t.slot(QStringLiteral("first")) << QStringLiteral("AND DATA <=");
    t.slot(QStringLiteral("last"));
    t.slot(QStringLiteral("vehicle"));
    // The row before is the previous refuelling: always by date.
    t << QStringLiteral("ORDER BY DATA");
    return t;
}

} // namespace

void registerChartQueries(DataModule& db) {
    StatementTemplate prices = dated(QStringLiteral("SELECT DATA,BRUTTO FROM cenypaliw.DB"));
    prices << QStringLiteral("AND RODZAJPALIWA =");
    prices.slot(QStringLiteral("fuel")) << QStringLiteral("ORDER BY DATA, BRUTTO");
    db.addQuery(kPriceSeriesQuery, ConnectionKind::Company, prices);

    db.addQuery(kContinuousSeriesQuery, ConnectionKind::Company,
                consumption(QStringLiteral("DATA,BAK,TANKOWANIE,LICZNIK")));
    db.addQuery(kPerUnitSeriesQuery, ConnectionKind::Company,
                consumption(QStringLiteral("DATA,PRZEBIEG,TANKOWANIE,LICZNIK")));

    StatementTemplate mileage = dated(QStringLiteral("SELECT DATA,ODLEGLOSC FROM przejazdy.DB"));
    mileage.slot(QStringLiteral("vehicle"));
    db.addQuery(kMileageSeriesQuery, ConnectionKind::Company, mileage);

    StatementTemplate costs = dated(QStringLiteral("SELECT DATA,WARTBRUTTO FROM koszty.DB"));
    costs.slot(QStringLiteral("fuelOnly")).slot(QStringLiteral("expense"));
    costs.slot(QStringLiteral("vehicle"));
    db.addQuery(kCostSeriesQuery, ConnectionKind::Company, costs);
}

} // namespace kv
