#pragma once

#include "reports/AdditionalReports.h"
#include "reports/ReportCatalog.h"
#include "reports/ReportChoices.h"
#include "reports/ReportLists.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace kv {

class DataModule;
class DateField;

// The page "Raporty": the report options above the page control `RaportyTab`
// with a button for every report of each tab. The buttons run the reports
// through the core; what a report shows goes to the preview.
class ReportsPage : public QWidget {
    Q_OBJECT
public:
    ReportsPage(DataModule& db, QWidget* parent = nullptr);

    // The options as chosen now.
    ReportChoices choices() const;
    // The order-text box the main window keeps (saved with the notepads).
    void adoptOrderText(QPlainTextEdit* text);

    // After a login: the order number emptied, the additional reports read,
    // the issue-date box after the option, today's date; the first tab.
    void prepareAfterLogin();
    // The lists of the options read again (opening the page).
    void reloadLists();
    // The order numbers of the chosen vehicle read again.
    void reloadOrderNumbers();

    QTabWidget* tabs() const { return m_tabs; }
    QPushButton* reportButton(const QString& caption) const;
    // Runs the report of a button as a click does.
    void runReport(const QString& caption);

    // What the month and year filter shows, for the checks of the VAT record.
    std::function<void(bool& active, int& year, int& month)> monthYearFilter;
    // Shows the register on screen with its filters again (after the annual summary).
    std::function<void()> refreshRegisterOnScreen;

private:
    QWidget* buildOptions();
    QWidget* buildTab(const QString& tab);
    void runDefinition(const ReportDefinition& def);
    void comingLater(const QString& caption);
    void openAnnualSummary();

    DataModule& m_db;
    QTabWidget* m_tabs;
    QComboBox* m_driver;
    QComboBox* m_fuelCard;
    QComboBox* m_roadCard;
    QCheckBox* m_costCentreTicked;
    QComboBox* m_costCentre;
    QCheckBox* m_fuelKindTicked;
    QComboBox* m_fuelKind;
    QComboBox* m_orderNumber;
    QPlainTextEdit* m_orderText = nullptr;
    QWidget* m_orderTextSlot;
    QComboBox* m_fuelType;
    QCheckBox* m_issueDateTicked;
    DateField* m_issueDate;
    QComboBox* m_additional;
    QList<AdditionalReport> m_additionalReports;
};

} // namespace kv
