#pragma once

#include "reports/ReportCatalog.h"
#include "reports/ReportChoices.h"

#include <memory>

namespace kv {

class DataModule;
class ResultSet;

// The rows of the reports that walk a statement of their own: the drivers of
// the chosen vehicle (from its trips with the trips' filters), the fuel
// purchase sums per vehicle (the costs' period filter, compared as the costs
// register compares it), the chosen road card. Null when the statement
// failed (reported with the report's code).
std::shared_ptr<const ResultSet> specialRows(DataModule& db, const ReportDefinition& def,
                                             const ReportChoices& choices);

// The company's name and address in one line (name, street, number, postal
// code, town), empty without a company row; a failure is reported with code 2.
QString companyAddress(DataModule& db);

} // namespace kv
