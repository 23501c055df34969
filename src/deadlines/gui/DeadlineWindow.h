#pragma once

#include "deadlines/DeadlineActions.h"
#include "deadlines/DeadlineCheck.h"

#include <QDialog>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace kv {

class DataModule;
class GridLayoutStore;

// The checker's result window: a page per list, the commands on the selected
// row and the two exports. All the work is the core's; the window shows the
// lists and hands the chosen row over.
class DeadlineWindow : public QDialog {
    Q_OBJECT
public:
    DeadlineWindow(DataModule& db, QWidget* parent = nullptr);
    ~DeadlineWindow() override;

    // Shows the run's pages and lists, the active page first.
    void setResult(const DeadlineRunResult& result);
    // "Idź do" hands the row's register and key over here; set by the module.
    std::function<void(const GoToTarget&)> goTo;
    // Set by "Idź do", cleared when the window opens.
    bool navigated() const { return m_navigated; }

    QTableWidget* table(ReminderListKind kind) const;
    QTabWidget* pages() const { return m_pages; }
    ReminderListKind activeList() const;
    const DeadlineLists& lists() const { return m_lists; }

public slots:
    void goToRow();
    void changeRow();
    void deactivateRow();
    void deactivateAllRows();
    void deleteRow();
    void exportCsv();
    void exportTxt();

    // Closing keeps the lists' column widths with the other grids' layouts.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fill(ReminderListKind kind);
    int selectedRow() const; // in the active list, -1 for none
    void afterCommand(ReminderListKind kind, int row);

    DataModule& m_db;
    DeadlineLists m_lists;
    QTabWidget* m_pages;
    QTableWidget* m_tables[3];
    QWidget* m_pageWidgets[3];
    QString m_titles[3];
    bool m_navigated = false;
    std::unique_ptr<GridLayoutStore> m_layouts;
};

} // namespace kv
