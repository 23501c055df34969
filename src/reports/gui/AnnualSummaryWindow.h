#pragma once

#include "reports/AnnualSummaryReport.h"
#include "reports/ReportChoices.h"

#include <QDialog>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kv {

class DataModule;
class DateField;

// The annual summary window (TfKsiegowanie): the header, the twelve months by
// five columns and their totals; printing the summary, the internal receipt
// of a month and the sheet. Everything it shows is worked out before it opens.
class AnnualSummaryWindow : public QDialog {
    Q_OBJECT
public:
    AnnualSummaryWindow(DataModule& db, AnnualSummary summary, AnnualSummaryHeader header,
                        ReportChoices choices, QWidget* parent = nullptr);

    QTableWidget* table() const { return m_table; }
    QString totalText(int column) const;

    // The three commands, as their buttons run them.
    void printSummary();
    void printReceipt();
    void saveSheet();

private:
    void buildHeader(QGridLayout* grid);

    DataModule& m_db;
    AnnualSummary m_summary;
    AnnualSummaryHeader m_header;
    ReportChoices m_choices;
    QTableWidget* m_table;
    QList<QLabel*> m_totals;
    QComboBox* m_month;
    DateField* m_issueDate;
    QLineEdit* m_number;
};

} // namespace kv
