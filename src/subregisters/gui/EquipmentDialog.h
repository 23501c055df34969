#pragma once

#include "framework/FormView.h"
#include "subregisters/EquipmentForm.h"
#include "support/gui/EditDialog.h"

#include <functional>

class QToolButton;

namespace kv {

class DateField;
class NumberField;

// The equipment window (TfWyposazenie, "Wyposażenie").
class EquipmentDialog : public EditDialog, public FormView<EquipmentFormValues> {
    Q_OBJECT
public:
    explicit EquipmentDialog(QWidget* parent = nullptr);

    void load(const EquipmentFormValues& values, const FormSetup& setup) override;
    EquipmentFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

    // As in the document window.
    std::function<QHash<QString, QList<KeyedItem>>(const QString& code)> editDictionary;
    std::function<bool()> canEditDictionary;

protected:
    void showEvent(QShowEvent* event) override;
    QLineEdit* startField() const override;
    FormCheck runChecks() override;

private:
    DateField* m_date;
    NumberField* m_reading;
    NumberField* m_reminder;
    QToolButton* m_kindDictionary;
};

} // namespace kv
