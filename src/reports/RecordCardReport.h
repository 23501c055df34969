#pragma once

#include "framework/RecordCard.h"
#include "reportengine/PageModel.h"
#include "reports/ReportChoices.h"

#include <optional>

namespace kv {

class DataModule;

// "Drukuj": the record card laid out by "drukuj_pozycje.frf" over one row,
// answering TEMAT and TRESC and the common names. A template that cannot be
// read is told through the user interface and gives nothing.
std::optional<report::ReportDocument> recordCardDocument(DataModule& db, const RecordCardText& card,
                                                         const ReportChoices& choices,
                                                         const QString& templateDir = QString());

} // namespace kv
