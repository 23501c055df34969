#pragma once

#include "framework/FormView.h"
#include "subregisters/RepairForm.h"
#include "support/gui/EditDialog.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QToolButton;

namespace kv {

class DateField;
class NumberField;
class VehicleDriverLink;

// The repair window ("Naprawa"). The amounts are not shown: a repair made
// from a cost carries them, and an edit writes them back as loaded.
class RepairDialog : public EditDialog, public FormView<RepairFormValues> {
    Q_OBJECT
public:
    explicit RepairDialog(QWidget* parent = nullptr);

    void load(const RepairFormValues& values, const FormSetup& setup) override;
    RepairFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

    // Opens the dictionary window on the repair kinds and answers them read
    // again (set by the module; the "[...]" button is hidden while unset).
    std::function<QList<KeyedItem>()> editRepairKinds;
    std::function<bool()> canEditDictionary;

protected:
    void showEvent(QShowEvent* event) override;
    QLineEdit* startField() const override;
    FormCheck runChecks() override;

private:
    DateField* m_date;
    QComboBox* m_vehicle;
    QComboBox* m_kind;
    QToolButton* m_kindDictionary;
    QComboBox* m_driver;
    NumberField* m_reading;
    NumberField* m_reminder;
    QCheckBox* m_handOn;
    VehicleDriverLink* m_link;
    RepairFormValues m_loaded;
};

} // namespace kv
