#pragma once

#include "framework/FormView.h"
#include "subregisters/TyreForm.h"
#include "support/gui/EditDialog.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QToolButton;

namespace kv {

class AmountLink;
class DateField;
class NumberField;

// The tyre window ("Opony").
class TyreDialog : public EditDialog, public FormView<TyreFormValues> {
    Q_OBJECT
public:
    explicit TyreDialog(QWidget* parent = nullptr);

    void load(const TyreFormValues& values, const FormSetup& setup) override;
    TyreFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

    // Opens the dictionary window on a list (its code) and answers the list's
    // entries read again; set by the module ("[...]" hidden while unset).
    std::function<QList<KeyedItem>(const QString& code)> editDictionary;
    std::function<bool()> canEditDictionary;

protected:
    void showEvent(QShowEvent* event) override;
    QLineEdit* startField() const override { return m_number; }
    FormCheck runChecks() override;

private:
    void reloadList(QComboBox* list, const QString& code);

    QLineEdit* m_number;
    QLineEdit* m_size;
    QComboBox* m_kind;
    QComboBox* m_sizeKind;
    QComboBox* m_rate;
    QToolButton* m_kindDictionary;
    QToolButton* m_sizeDictionary;
    NumberField* m_maxMileage;
    NumberField* m_reminder;
    QCheckBox* m_handOn;
    AmountLink* m_amounts;
};

} // namespace kv
