#pragma once

#include "reportengine/PageModel.h"
#include "reportengine/ReportSources.h"
#include "reportengine/ReportTemplate.h"
#include "reports/CommonVariables.h"
#include "reports/FuelPeriodStats.h"
#include "reports/ReportCatalog.h"
#include "reports/ReportChoices.h"
#include "reports/ReportRow.h"
#include "reports/ReportRunState.h"

#include <optional>

namespace kv {

// What a report's names are answered from besides its rows.
struct WalkExtras {
    std::optional<FuelPeriodStats> fuel; // sets F and F2
    QString companyAddress;              // set W
    bool fuelKindUsed = false;           // set Z
    QHash<QString, QString> vatValues;   // set L: the VAT record's values
    // Rows walked whatever the rows hold (the road card's single row);
    // -1: every row.
    int fixedRows = -1;
    // The record card's title and body (TEMAT, TRESC), answered first.
    std::optional<std::pair<QString, QString>> card;
};

// A report's row source and its answers in one: the first row starts the
// run state again, every page sets STRONA, the report's own names are
// answered before the common ones.
class ReportWalk : public report::RowSource, public report::VariableSource {
public:
    ReportWalk(const ReportDefinition& def, ReportRow& row, const ReportChoices& choices,
               CommonValues common, WalkExtras extras);

    void first() override;
    void next() override;
    bool atEnd() const override;
    QString value(const QString& name) override;
    void pageStarted(int pageNumber) override;

    const ReportRunState& state() const { return m_state; }

private:
    const ReportDefinition& m_def;
    ReportRow& m_row;
    const ReportChoices& m_choices;
    CommonValues m_common;
    WalkExtras m_extras;
    ReportRunState m_state;
    int m_index = 0;
};

// Lays a report out over rows already read (the tests' golden files feed
// rows of their own through it).
report::ReportDocument layoutReportRows(const report::ReportTemplate& tpl,
                                        const ReportDefinition& def, ReportRow& row,
                                        const ReportChoices& choices, const CommonValues& common,
                                        WalkExtras extras = {});

} // namespace kv
