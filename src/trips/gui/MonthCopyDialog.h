#pragma once

#include "trips/TripMonthCopy.h"

#include <QDialog>

class QComboBox;

namespace kv {

// The month copy window (TfKopiujMiesiacPrzejazdy): month and year (A) to
// copy from, month and year (B) to copy into, what to do with days the
// target month lacks (cbCoZrobic). It only asks; the caller copies.
class MonthCopyDialog : public QDialog {
    Q_OBJECT
public:
    explicit MonthCopyDialog(QWidget* parent = nullptr);

    // Fills the year lists from the options and presets both months to the
    // current one and the choice to "Pomiń ten przejazd".
    void reset();

    YearMonth source() const;
    YearMonth target() const;
    LastDayRule rule() const;

private:
    QComboBox* m_monthFrom;
    QComboBox* m_yearFrom;
    QComboBox* m_monthTo;
    QComboBox* m_yearTo;
    QComboBox* m_rule;
};

} // namespace kv
