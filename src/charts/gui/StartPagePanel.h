#pragma once

#include "charts/StartPageData.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QListWidget;

namespace kv {

class ChartView;
class DataModule;

// What the start page shows beside its notepad: the deadlines due in the
// coming days and the fleet's costs and kilometres per month of this year,
// each part only for a user who may read it. Filled after a login, once the
// window is up; a part that cannot be read stays empty.
class StartPagePanel : public QWidget {
    Q_OBJECT
public:
    explicit StartPagePanel(DataModule& db, QWidget* parent = nullptr);

    // Reads both parts again for the logged-in user and this year.
    void refresh();
    // Empties both parts (log-out).
    void clear();
    void display(const StartPageContent& content);

    QGroupBox* deadlinesPart() const { return m_deadlinesPart; }
    QListWidget* deadlines() const { return m_deadlines; }
    QGroupBox* chartPart() const { return m_chartPart; }
    ChartView* chart() const { return m_chart; }

private:
    DataModule& m_db;
    QGroupBox* m_deadlinesPart;
    QListWidget* m_deadlines;
    QGroupBox* m_chartPart;
    ChartView* m_chart;
};

} // namespace kv
