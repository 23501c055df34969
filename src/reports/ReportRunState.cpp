#include "reports/ReportRunState.h"

namespace kv {

void ReportRunState::reset() {
    m_page = 1;
    for (Decimal& s : m_sums)
        s = Decimal();
    m_count = 0;
    m_running = 1;
}

QString ReportRunState::add(int sum, const QString& text) {
    if (sum < 1 || sum > kSums)
        return text;
    if (const auto value = Decimal::parse(text)) {
        try {
            m_sums[sum - 1] += value->rounded(2);
        } catch (const DecimalError&) {
            // A sum too large to hold stays as it was.
        }
    }
    return text;
}

Decimal ReportRunState::sum(int sum) const {
    return sum >= 1 && sum <= kSums ? m_sums[sum - 1] : Decimal();
}

QString ReportRunState::sumText(int sum) const {
    return formatDecimal(this->sum(sum), 2);
}

} // namespace kv
