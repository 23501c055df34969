#pragma once

#include "reports/ReportCatalog.h"
#include "reports/ReportChoices.h"

#include <QHash>
#include <QString>
#include <optional>

namespace kv {

class ReportRow;
class ReportRunState;
struct FuelPeriodStats;

// What a report's own names are answered from.
struct SetContext {
    const ReportDefinition& report;
    const ReportChoices& choices;
    ReportRunState& state;
    const ReportRow& row;
    const FuelPeriodStats* fuel = nullptr;              // sets F and F2
    QString companyAddress;                             // set W's FIRMA
    bool fuelKindUsed = false;                          // set Z: the fuel-kind condition was used
    const QHash<QString, QString>* vatValues = nullptr; // set L: the record's values
};

// The value of one of the report's own names, adding to the running sums
// where the name does; nothing when the report's set has no such name (the
// common names answer it then).
std::optional<QString> setVariable(const QString& name, SetContext& c);

} // namespace kv
