#pragma once

#include <QString>

namespace kv {

class DataModule;

// The statements of the chart series, one named template per kind of
// series. Numbers (dates, ids, codes) go into named slots; texts (the
// expense kind, the fuel flag) are bound as parameters.
//
//   DBFWykresCeny        DATA, BRUTTO of one fuel kind, by DATA, BRUTTO
//   DBFWykresZuzycie     DATA, BAK, TANKOWANIE, LICZNIK of one vehicle
//   DBFWykresZuzycieKm   DATA, PRZEBIEG, TANKOWANIE, LICZNIK (also per hour)
//   DBFWykresPrzebieg    DATA, ODLEGLOSC of the trips
//   DBFWykresKoszty      DATA, WARTBRUTTO of the costs
// The slots: "first" and "last" (date numbers), "fuel" (a fuel kind's
// code), "table" (the consumption table of the chosen fuel), "vehicle" (the
// whole line "AND IDPOJAZD = n", empty for the whole fleet), "fuelOnly" and
// "expense" (the cost conditions, empty when not chosen).
inline const QString kPriceSeriesQuery = QStringLiteral("DBFWykresCeny");
inline const QString kContinuousSeriesQuery = QStringLiteral("DBFWykresZuzycie");
inline const QString kPerUnitSeriesQuery = QStringLiteral("DBFWykresZuzycieKm");
inline const QString kMileageSeriesQuery = QStringLiteral("DBFWykresPrzebieg");
inline const QString kCostSeriesQuery = QStringLiteral("DBFWykresKoszty");

void registerChartQueries(DataModule& db);

} // namespace kv
