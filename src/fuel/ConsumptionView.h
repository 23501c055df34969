#pragma once

#include "framework/Registers.h"
#include "fuel/Consumption.h"

#include <QList>
#include <QString>

namespace kv {

class DataModule;
class ResultSet;

// What the consumption registers show besides their stored columns: every
// row's consumption (the grid's, the export's and the reports' ZUZYCIE), the
// totals of the rows shown and the labels of the tab.

ConsumptionKind consumptionKind(RegisterId id);

// The rows of a register's statement (DATA, BAK or PRZEBIEG, TANKOWANIE,
// LICZNIK) as the calculation reads them; a cell that holds no number reads
// as 0. Throws DecimalError for a stored value that is no finite number.
QList<RefuellingRow> refuellingRows(ConsumptionKind kind, const ResultSet& rows);
// The ZUZYCIE text of one row of a register's statement, its previous row
// being the one before it: "-" where there is no consumption, and where a
// stored value cannot be read.
QString consumptionCell(ConsumptionKind kind, const ResultSet& rows, int row);

// The totals of the register refreshed last, kept for the main window and
// the reports; reset at every refresh (first date 99999999, last date 0,
// numbers 0), so a failed refresh leaves them reset.
struct KeptConsumptionTotals {
    RegisterId id = RegisterId::Consumption;
    ConsumptionTotals totals;
};
KeptConsumptionTotals lastConsumptionTotals(DataModule& db);
// The totals a register had at its own last refresh.
ConsumptionTotals registerConsumptionTotals(DataModule& db, RegisterId id);

// The texts of a consumption tab beside its grid.
struct ConsumptionLabels {
    QString vehicle; // NRREJ + ", " + MARKA, "(Wybierz pojazd)" for none
    QString norm;    // "Norma zużycia paliwa dla pojazdu" NORMAOD " - " NORMADO
    QString average; // "Średnie zużycie paliwa: 7,00 litrów / 100 km"
    QString period;  // "w okresie: 01.03.2024 - 02.03.2024", or "w okresie:" alone
};
// The vehicle's part is read from the vehicle selector's choice (the vehicle
// by its id); the average and the period from the register's kept totals.
ConsumptionLabels consumptionLabels(DataModule& db, RegisterId id);
// The period as the tab shows it: empty when there are no rows.
QString consumptionPeriodText(const ConsumptionTotals& totals);

// Installs the computed ZUZYCIE column and the totals of the three registers.
void installConsumptionHooks();

} // namespace kv
