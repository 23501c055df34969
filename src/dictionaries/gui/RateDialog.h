#pragma once

#include "dictionaries/RateRegister.h"
#include "support/gui/EditDialog.h"

#include <QList>

class QLabel;

namespace kv {

class DateField;
class NumberField;

// The allowance rates window ("Stawki"): the date from which the rates apply
// and the twenty rates in PLN per km, four decimals each, labelled with the
// vehicle kinds' names.
class RateDialog : public EditDialog, public FormView<RateFormValues> {
    Q_OBJECT
public:
    explicit RateDialog(QWidget* parent = nullptr);

    void load(const RateFormValues& values, const FormSetup& setup) override;
    RateFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

    // The twenty rate fields' labels (kept when the list is short).
    void setLabels(const QStringList& labels);
    QStringList labels() const;

    DateField* dateField() const { return m_date; }
    NumberField* rateField(int index) const { return m_rates.value(index); }
    QLabel* rateLabel(int index) const { return m_labels.value(index); }

protected:
    QLineEdit* startField() const override;
    FormCheck runChecks() override;

private:
    DateField* m_date;
    QList<NumberField*> m_rates;
    QList<QLabel*> m_labels;
};

} // namespace kv
