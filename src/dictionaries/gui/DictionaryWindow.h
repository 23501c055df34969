#pragma once

#include "dictionaries/DictionaryBook.h"

#include <QDialog>
#include <QList>

class QAction;
class QComboBox;
class QPushButton;
class QStackedWidget;
class QTableView;

namespace kv {

class DictionaryTableModel;
class DictionaryEntryDialog;
class DataModule;
class VehicleKindsPage;

// The dictionary window "Biblioteka": the list selector CBSlownik, one grid
// page per list and the vehicle kinds page, the commands "Dodaj", "Edytuj",
// "Usuń", "Kopiuj", "Zamknij" and the grids' pop-up menu. The work is
// DictionaryBook's; the window keeps the pages, the grids and the buttons in
// step with it.
class DictionaryWindow : public QDialog {
    Q_OBJECT
public:
    explicit DictionaryWindow(DataModule& db, QWidget* parent = nullptr);
    ~DictionaryWindow() override;

    // Shows the window modally on the list at the selector position; the
    // logged-in user's right to change the dictionaries decides whether the
    // commands work.
    void showOn(int position);

    DictionaryBook& book() { return m_book; }
    QComboBox* selector() const { return m_selector; }
    QTableView* grid(int position) const { return m_grids.value(position); }
    VehicleKindsPage* kindsPage() const { return m_kindsPage; }
    DictionaryEntryDialog* entryWindow() const { return m_entry; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* editButton() const { return m_edit; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* copyButton() const { return m_copy; }
    QPushButton* closeButton() const { return m_close; }

public slots:
    void addEntry();
    void copyEntry();
    void editEntry();
    void deleteEntry();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* makeGrid(const DictionaryList& list);
    void addGridMenu(QTableView* grid);
    void showList(int position);
    void showRows();
    void updateCommands();
    void saveKinds();
    QTableView* currentGrid() const;

    DictionaryBook m_book;
    QComboBox* m_selector;
    QStackedWidget* m_pages;
    QList<QTableView*> m_grids; // by selector position; null for the kinds page
    QList<DictionaryTableModel*> m_models;
    QList<QAction*> m_menuActions;
    VehicleKindsPage* m_kindsPage = nullptr;
    DictionaryEntryDialog* m_entry;
    QPushButton* m_add;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_copy;
    QPushButton* m_close;
    bool m_choosing = false;
};

} // namespace kv
