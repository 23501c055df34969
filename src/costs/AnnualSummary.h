#pragma once

#include "support/Decimal.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace kv {

class DataModule;

// The annual summary of one vehicle: month by month the trip allowance
// earned (P) against the operating costs (E), the amount to be booked and the
// surplus of either side carried into the next month.
struct AnnualSummaryRow {
    Decimal allowance;        // P(m): the month's trip allowance amounts
    Decimal costs;            // E(m): gross when CZYVAT is "T", else net
    Decimal booked;           // "Do zaksięgowania"
    Decimal allowanceSurplus; // carried after the month
    Decimal costSurplus;      // carried after the month
};

struct AnnualSummary {
    std::array<AnnualSummaryRow, 12> months;
    // Column totals: the sums of the first three columns and the surpluses
    // after December.
    std::array<Decimal, 5> totals;

    Decimal cell(int month, int column) const; // month 0..11, column 0..4
};

// The carry rule over twelve months of allowance and costs: a = P + the
// allowance carried, b = E + the costs carried; a > b books b and carries
// a - b; otherwise (also when equal) books a and carries b - a.
AnnualSummary carryAnnualSummary(const std::array<Decimal, 12>& allowance,
                                 const std::array<Decimal, 12>& costs);

// The month (1..12) of a date number of the year, 0 for none.
int monthOfDate(qint64 dateNumber);

// Reads the year's trips and costs of the vehicle with two statements (the
// registers' own filters are neither used nor changed) and applies the carry
// rule. Every amount is taken as its cell shows it, rounded half away from
// zero to the grosz; a value that is no number is skipped. Progress goes to
// the user interface. Nothing when a statement fails (reported).
std::optional<AnnualSummary> computeAnnualSummary(DataModule& db, int vehicleId, int year);

// The header of the month column and the five column headers.
QString annualSummaryMonthTitle();
const QStringList& annualSummaryColumnTitles();

// A cell as the window shows it: "0.00" followed by " zł " ("1 234" is never
// grouped; the separator is the system's).
QString annualSummaryCellText(const Decimal& value);

} // namespace kv
