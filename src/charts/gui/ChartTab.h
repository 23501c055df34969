#pragma once

#include "charts/ChartData.h"
#include "charts/ChartLists.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace kv {

class ChartView;
class DataModule;

// One tab of the "Wykresy" page: the year list, the month list and the fuel
// kind where the chart has them, five "Umieść na wykresie" boxes with their
// selectors (choosing in a selector checks its box), the costs' expense kind
// and fuel-only boxes, "Rysuj wykres", "Zapisz jako ..." and the chart.
class ChartTab : public QWidget {
    Q_OBJECT
public:
    ChartTab(DataModule& db, ChartKind kind, QWidget* parent = nullptr);

    ChartKind kind() const { return m_kind; }
    // The years of the year list with one of them chosen; the month list
    // back to "(Wszystkie)", the fuel to liquid fuel.
    void setYears(const QList<int>& years, int index);
    // The selectors' entries, keeping what each had chosen where it is still
    // offered.
    void setLists(const ChartLists& lists);

    // What the controls choose; nothing (after telling the user) when the
    // year is not a number.
    std::optional<ChartRequest> request() const;
    // "Rysuj wykres": draws the chart of the request; false when nothing
    // was drawn.
    bool draw();
    void saveAs();

    ChartView* view() const { return m_view; }
    QComboBox* yearList() const { return m_year; }
    QComboBox* monthList() const { return m_month; }
    QComboBox* fuelList() const { return m_fuel; }
    QCheckBox* seriesBox(int i) const { return m_boxes.at(i); }
    QComboBox* selector(int i) const { return m_selectors.at(i); }
    QCheckBox* expenseBox() const { return m_expenseBox; }
    QComboBox* expenseList() const { return m_expense; }
    QCheckBox* fuelOnlyBox() const { return m_fuelOnly; }

private:
    QWidget* buildControls();

    DataModule& m_db;
    ChartKind m_kind;
    QComboBox* m_year = nullptr;
    QComboBox* m_month = nullptr;
    QComboBox* m_fuel = nullptr;
    std::array<QCheckBox*, kChartSeriesCount> m_boxes{};
    std::array<QComboBox*, kChartSeriesCount> m_selectors{};
    QCheckBox* m_expenseBox = nullptr;
    QComboBox* m_expense = nullptr;
    QCheckBox* m_fuelOnly = nullptr;
    QPushButton* m_draw = nullptr;
    QPushButton* m_save = nullptr;
    ChartView* m_view = nullptr;
};

} // namespace kv
