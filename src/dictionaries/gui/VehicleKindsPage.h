#pragma once

#include "dictionaries/VehicleKindNames.h"

#include <QWidget>
#include <array>

class QLineEdit;
class QPushButton;

namespace kv {

// The dictionary window's page for the vehicle kinds: the names of the
// motorcycle and moped kinds and of the sixteen further kinds, saved together
// with "&Zapamiętaj zmiany".
class VehicleKindsPage : public QWidget {
    Q_OBJECT
public:
    explicit VehicleKindsPage(QWidget* parent = nullptr);

    void setNames(const VehicleKindNames& names);
    VehicleKindNames names() const;
    // Without the right to change the dictionaries the names are shown only.
    void setEditable(bool editable);

    QLineEdit* motorcycleField() const { return m_motorcycle; }
    QLineEdit* mopedField() const { return m_moped; }
    QLineEdit* furtherField(int column) const;
    QPushButton* saveButton() const { return m_save; }

signals:
    void saveRequested();

private:
    QLineEdit* m_motorcycle;
    QLineEdit* m_moped;
    std::array<QLineEdit*, 16> m_further{};
    QPushButton* m_save;
};

} // namespace kv
