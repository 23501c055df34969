#pragma once

#include "framework/RegisterSearch.h"
#include "framework/gui/FindTextDialog.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace kv {

class RegisterGrid;

// "do CSV" and "Szukaj" on whichever register is on screen: the save dialog
// and the export with its message; the find window and the search. Nothing
// here knows a register: the file name and the searched columns come from
// its descriptor, the cells from its grid's model.
class RegisterSheetCommands : public QObject {
    Q_OBJECT
public:
    // visibleGrid answers the grid of the register on screen, null on a page
    // without one.
    RegisterSheetCommands(QWidget* window, std::function<RegisterGrid*()> visibleGrid);
    ~RegisterSheetCommands() override;

    // "do CSV": the save dialog proposing the register's export name, then the
    // sheet of the rows on screen, then the result. The encoding chosen is
    // remembered in the options.
    void exportSheet();
    // "Szukaj": the register on its first row, the next search its first, and
    // the find window open.
    void search();
    // One press of "Znajdź następny".
    void findNext(const QString& text);
    // Hides the find window (at log-out).
    void hideFindWindow();

    FindTextDialog* findWindow() const { return m_find; }

private:
    QWidget* m_window;
    std::function<RegisterGrid*()> m_visibleGrid;
    TextSearch m_search;
    QPointer<FindTextDialog> m_find;
    QString m_directory; // where the last sheet was saved in this run
};

} // namespace kv
