#pragma once

#include "reports/ReportCatalog.h"
#include "reports/ReportChoices.h"

namespace kv {

struct SharedFilters;

// What the month and year lists of the filter row hold, for the checks of
// the annual summary and the VAT record: whether they are the active filter
// and what they show (0: "(Wszystkie)").
struct PeriodChoice {
    bool monthYearActive = false;
    int year = 0;
    int month = 0;
};

// Checks what a report needs chosen before it runs; a missing choice is told
// under "Informacja" and the answer is false.
bool checkReportSelection(SelectionKind kind, const SharedFilters& filters,
                          const ReportChoices& choices, const PeriodChoice& period = {});

} // namespace kv
