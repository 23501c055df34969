#pragma once

#include "support/Decimal.h"

#include <QString>

namespace kv {

// What a report run keeps while its pages are laid out: the page number
// (STRONA), four running sums, a row count and a running number. The sums
// hold exact hundredths of the texts added, so the printed total is the sum
// of the printed amounts.
class ReportRunState {
public:
    static constexpr int kSums = 4;

    // The row source's first row starts a run again.
    void reset();
    void setPage(int page) { m_page = page; }
    int page() const { return m_page; }

    // Adds a text as the user reads it ("12,50", "1 234,5" is not a number)
    // to sum 1..4 and answers the text; a text that is no number adds nothing.
    QString add(int sum, const QString& text);
    Decimal sum(int sum) const;
    QString sumText(int sum) const; // "0.00" with the user's separator

    void count() { ++m_count; }
    int counted() const { return m_count; }
    int nextRunningNumber() { return m_running++; }

private:
    int m_page = 0;
    Decimal m_sums[kSums];
    int m_count = 0;
    int m_running = 1;
};

} // namespace kv
