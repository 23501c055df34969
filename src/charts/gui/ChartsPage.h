#pragma once

#include "charts/ChartKind.h"

#include <QList>
#include <QWidget>

class QTabWidget;

namespace kv {

class ChartTab;
class DataModule;

// The "Wykresy" page: the page control WykresyTab with the six chart tabs.
class ChartsPage : public QWidget {
    Q_OBJECT
public:
    explicit ChartsPage(DataModule& db, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }
    ChartTab* tab(ChartKind kind) const;
    void showTab(ChartKind kind);

    // After a login: the year lists from the options with the current year
    // chosen, the months at "(Wszystkie)", liquid fuel, the first tab.
    void prepareAfterLogin();
    // The fuel kinds, vehicles and expense kinds read again.
    void reloadLists();

private:
    DataModule& m_db;
    QTabWidget* m_tabs;
    QList<ChartTab*> m_pages;
};

} // namespace kv
