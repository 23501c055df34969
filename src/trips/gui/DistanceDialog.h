#pragma once

#include "trips/Distances.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace kv {

class DataModule;

// What the picker answers: the two places and the distance text ("0" when
// the pair has no row).
struct DistancePick {
    QString departure;
    QString arrival;
    QString km;
};

// The distance window (TfOdleglosci, "Tabela odległości"): a departure and an
// arrival list, the distance of the pair in that direction, "&Kopiuj do
// schowka". As a tool it is shown without "&Anuluj" and left open beside the
// main window; as a picker it is modal and answers the chosen pair.
class DistanceDialog : public QDialog {
    Q_OBJECT
public:
    explicit DistanceDialog(DataModule& db, QWidget* parent = nullptr);

    // Modal, with "&Anuluj" shown; nothing when cancelled or closed.
    std::optional<DistancePick> pick();
    // Non-modal, without "&Anuluj".
    void showTool();

    DistanceAnswer answer() const { return m_answer; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillLists();
    void lookUp();

    DataModule& m_db;
    QComboBox* m_departure;
    QComboBox* m_arrival;
    QLabel* m_result;
    QPushButton* m_cancel;
    DistanceAnswer m_answer;
};

} // namespace kv
