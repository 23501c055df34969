#pragma once

#include "framework/Registers.h"
#include "support/Decimal.h"

#include <QString>

namespace kv {

class DataModule;
class RateTable;
class ResultSet;

// The allowance of the trips on the register's rows: never stored, worked out
// from the rates whenever a row is shown, summed, exported or printed.
struct TripAllowance {
    Decimal rate;   // four decimals; 0 when no rate applies
    Decimal amount; // the length times that rate, in grosze
};

// The allowance of one row of a trips statement (DATA, RODZAJ, POJEMNOSC,
// ODLEGLOSC). Throws DecimalError for a length too large to hold.
TripAllowance tripAllowance(const RateTable& rates, const ResultSet& rows, int row);
// The total of the rows as the register shows them: the sum of the shown
// (rounded) amounts, so a column adds up to what it shows.
Decimal tripAllowanceTotal(const RateTable& rates, const ResultSet& rows);

// The text of the STAWKA ("0,0000") and KWOTA ("0,00") cells. A row whose
// allowance cannot be worked out shows zeros, and the error is logged; the
// grid goes on.
QString tripAllowanceCell(const RateTable& rates, const ResultSet& rows, int row,
                          const GridColumn& column);

// Installs the trips register's hooks: the rates read again before every
// refresh, and the two computed columns from them. The program and the
// command-line tool both install it, so their sheets agree.
void installTripHooks();

} // namespace kv
