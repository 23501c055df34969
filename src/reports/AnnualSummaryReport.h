#pragma once

#include "costs/AnnualSummary.h"
#include "reportengine/PageModel.h"
#include "reportengine/ReportSources.h"
#include "reports/CommonVariables.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

class DataModule;
struct ReportChoices;

// What the annual summary window shows above its table.
struct AnnualSummaryHeader {
    int year = 0;
    QString vehicle;  // NRREJ + ", " + MARKA
    QString owner;    // the vehicle's NREW
    QString capacity; // POJEMNOSC + " cm3"
    QString company;  // as the main window shows it
};

// Reads the header of the vehicle (by id) for the year; a database error is
// reported and leaves the vehicle's fields empty.
AnnualSummaryHeader readAnnualSummaryHeader(DataModule& db, int vehicleId, int year);

// The table as "do CSV" writes it: the header row ("Miesiąc" and the five
// column titles) and the twelve months, each cell as the window shows it.
QList<QStringList> annualSummarySheet(const AnnualSummary& summary);
// The month as the table's first column shows it: a leading blank.
QString annualSummaryMonthText(int month);

// The seven company lines of the internal receipt: NAZWA; ULICA and NUMER
// joined by a blank; KOD, a blank and MIASTO; NIP; TELEFON; FAX; EMAIL;
// empty ones skipped and the rest padded with empty lines. The town comes in
// `town`. A database error is reported and gives seven empty lines.
QStringList receiptCompanyLines(DataModule& db, QString* town = nullptr);

// What the receipt prints besides the company lines.
struct ReceiptChoice {
    int month = 0;     // 1..12
    QString issueDate; // "Data wystawienia DW:"
    QString number;    // "Nr dowodu:"
};

// The printout of the summary (zest_m.frf): twelve rows; the row band asks
// "Cell" (or "Cell1" .. "Cell5") once per column, the header band
// "KolumnaHeader" likewise, the summary "Suma" or "Suma1" .. "Suma5"; names
// are matched without regard to case. Nothing, with the message told, when
// the template cannot be read.
std::optional<report::ReportDocument> layoutAnnualSummary(const AnnualSummary& summary,
                                                          const AnnualSummaryHeader& header,
                                                          const CommonValues& common,
                                                          const QString& templateDir = QString());

// The internal receipt of one month (dw_miesiac.frf).
std::optional<report::ReportDocument>
layoutMonthReceipt(const AnnualSummary& summary, const AnnualSummaryHeader& header,
                   const ReceiptChoice& choice, const QStringList& companyLines,
                   const QString& town, const QString& templateDir = QString());

// The answers of the two printouts, for the layout and the tests.
class AnnualSummaryValues : public report::VariableSource {
public:
    AnnualSummaryValues(const AnnualSummary& summary, const AnnualSummaryHeader& header,
                        const CommonValues& common);
    QString value(const QString& name) override;
    void pageStarted(int page) override { m_page = page; }
    void setRow(int month) { m_month = month; } // 0..11

private:
    const AnnualSummary& m_summary;
    AnnualSummaryHeader m_header;
    CommonValues m_common;
    int m_month = 0;
    int m_page = 0;
    int m_cellColumn = 0;
    int m_headerColumn = 0;
    int m_sumColumn = 0;
    int m_cellRow = -1;
};

class MonthReceiptValues : public report::VariableSource {
public:
    MonthReceiptValues(const AnnualSummary& summary, const AnnualSummaryHeader& header,
                       const ReceiptChoice& choice, QStringList companyLines, QString town);
    QString value(const QString& name) override;

private:
    const AnnualSummary& m_summary;
    AnnualSummaryHeader m_header;
    ReceiptChoice m_choice;
    QStringList m_lines;
    QString m_town;
};

} // namespace kv
