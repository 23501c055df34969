#pragma once

#include "framework/FormView.h"
#include "subregisters/CalendarForm.h"
#include "support/gui/EditDialog.h"

#include <functional>

class QComboBox;
class QToolButton;

namespace kv {

class DateField;
class NumberField;

// The calendar window (TfTerminarz, "Edytuj termin"). Kind, vehicle and
// employee are lists keyed by code, id and number, each with a button that
// chooses none; the contractor keeps typed text.
class CalendarDialog : public EditDialog, public FormView<CalendarFormValues> {
    Q_OBJECT
public:
    explicit CalendarDialog(QWidget* parent = nullptr);

    void load(const CalendarFormValues& values, const FormSetup& setup) override;
    CalendarFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

    // As in the document window.
    std::function<QHash<QString, QList<KeyedItem>>(const QString& code)> editDictionary;
    std::function<bool()> canEditDictionary;

protected:
    void showEvent(QShowEvent* event) override;
    QLineEdit* startField() const override;
    FormCheck runChecks() override;

private:
    void openDictionary(const QString& code);

    DateField* m_from;
    NumberField* m_reading;
    QComboBox* m_contractor;
    QToolButton* m_kindDictionary;
    QToolButton* m_contractorDictionary;
};

} // namespace kv
