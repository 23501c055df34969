#pragma once

#include "reportengine/PageModel.h"
#include "reports/ReportCatalog.h"
#include "reports/ReportChoices.h"
#include "reports/ReportSelection.h"

#include <optional>

namespace kv {

class DataModule;

// Why a report cannot run in this version (its register or its statement
// is not built yet, or it comes with a later version); empty when it can.
QString reportUnavailableReason(DataModule& db, const ReportDefinition& def);

// The folder of the report templates: "raporty" in the installation folder.
QString reportTemplateDirectory();

// Runs a report as its command does: whether this version has it, the check
// of its selection, its template, the condition added to its register's
// statement for the run (removed afterwards, bound where it is a text), the
// register's rows with the main window's filters, the layout. Every refusal
// or failure is told through the user interface and gives nothing.
std::optional<report::ReportDocument> runReport(DataModule& db, const ReportDefinition& def,
                                                const ReportChoices& choices,
                                                const PeriodChoice& period = {},
                                                const QString& templateDir = QString());

} // namespace kv
