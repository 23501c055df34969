#include "reports/ReportWalk.h"

#include "reportengine/ReportLayout.h"
#include "reports/ReportVariableSets.h"

namespace kv {

ReportWalk::ReportWalk(const ReportDefinition& def, ReportRow& row, const ReportChoices& choices,
                       CommonValues common, WalkExtras extras)
    : m_def(def), m_row(row), m_choices(choices), m_common(std::move(common)),
      m_extras(std::move(extras)) {}

void ReportWalk::first() {
    m_state.reset();
    m_index = 0;
    m_row.setRow(0);
}

void ReportWalk::next() {
    ++m_index;
    m_row.setRow(m_index);
}

bool ReportWalk::atEnd() const {
    const int count = m_extras.fixedRows >= 0 ? m_extras.fixedRows : m_row.rowCount();
    return m_index >= count;
}

void ReportWalk::pageStarted(int pageNumber) {
    m_state.setPage(pageNumber);
}

QString ReportWalk::value(const QString& name) {
    if (m_extras.card) {
        if (name.compare(QLatin1String("TEMAT"), Qt::CaseInsensitive) == 0)
            return m_extras.card->first;
        if (name.compare(QLatin1String("TRESC"), Qt::CaseInsensitive) == 0)
            return m_extras.card->second;
    } else {
        SetContext context{m_def, m_choices, m_state, m_row};
        context.fuel = m_extras.fuel ? &*m_extras.fuel : nullptr;
        context.companyAddress = m_extras.companyAddress;
        context.fuelKindUsed = m_extras.fuelKindUsed;
        context.vatValues = &m_extras.vatValues;
        if (auto v = setVariable(name, context))
            return *v;
    }
    return commonVariable(name, m_common, m_state.page());
}

report::ReportDocument layoutReportRows(const report::ReportTemplate& tpl,
                                        const ReportDefinition& def, ReportRow& row,
                                        const ReportChoices& choices, const CommonValues& common,
                                        WalkExtras extras) {
    ReportWalk walk(def, row, choices, common, std::move(extras));
    return report::layoutReport(tpl, walk, walk, kReportTitle);
}

} // namespace kv
