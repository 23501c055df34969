#pragma once

#include "framework/FormView.h"
#include "fuel/FuelPriceRegister.h"
#include "support/gui/EditDialog.h"

#include <functional>

class QComboBox;
class QToolButton;

namespace kv {

class DateField;
class NumberField;

// The fuel price window (TfCenyPaliw, "Rejestr cen paliw").
class FuelPriceDialog : public EditDialog, public FormView<FuelPriceFormValues> {
    Q_OBJECT
public:
    explicit FuelPriceDialog(QWidget* parent = nullptr);

    void load(const FuelPriceFormValues& values, const FormSetup& setup) override;
    FuelPriceFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

    // Opens the dictionary window on a list ("RDPAL", "PMIEJ") and answers
    // the lists read again; the "[...]" buttons are hidden while unset and
    // disabled while canEditDictionary says no.
    std::function<QHash<QString, QList<KeyedItem>>(const QString& code)> editDictionary;
    std::function<bool()> canEditDictionary;

protected:
    void showEvent(QShowEvent* event) override;
    QLineEdit* startField() const override;
    FormCheck runChecks() override;

private:
    void openDictionary(const QString& code);

    DateField* m_date;
    QComboBox* m_kind;
    QComboBox* m_place;
    NumberField* m_price;
    QToolButton* m_kindDictionary;
    QToolButton* m_placeDictionary;
};

} // namespace kv
