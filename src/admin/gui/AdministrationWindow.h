#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;
class QTabWidget;

namespace kv {

class DataModule;
class DateField;

// "Administracja bazą danych" (TfAdministracjaBaza): row deletion by date
// range, emptying of tables, packing and the error log, each page one
// command of the core. Kept for the whole run, so the chosen entries and
// typed dates stay between openings.
class AdministrationWindow : public QDialog {
    Q_OBJECT
public:
    AdministrationWindow(DataModule& db, QWidget* parent = nullptr);

    // The first page again, then the modal window.
    void showModal();

    QTabWidget* pages() const { return m_pages; }
    QComboBox* rowTable() const { return m_rowTable; }
    DateField* fromDate() const { return m_from; }
    DateField* toDate() const { return m_to; }
    QComboBox* emptyTable() const { return m_emptyTable; }

public slots:
    void deleteRows();
    void emptySelectedTable();
    void pack();
    void openErrorLog();
    void clearErrorLog();

private:
    QWidget* buildRowsPage();
    QWidget* buildEmptyingPage();
    QWidget* buildPackingPage();
    QWidget* buildLogPage();
    QPushButton* commandButton(const QString& text, const QString& name, QWidget* parent);

    DataModule& m_db;
    QTabWidget* m_pages;
    QComboBox* m_rowTable = nullptr;
    DateField* m_from = nullptr;
    DateField* m_to = nullptr;
    QComboBox* m_emptyTable = nullptr;
};

} // namespace kv
