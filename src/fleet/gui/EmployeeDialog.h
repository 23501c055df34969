#pragma once

#include "fleet/EmployeeRegister.h"
#include "support/gui/EditDialog.h"

class QLabel;
class QLineEdit;

namespace kv {

// The employee edit window ("Kartoteka osobowa").
class EmployeeDialog : public EditDialog, public EmployeeFormView {
    Q_OBJECT
public:
    explicit EmployeeDialog(QWidget* parent = nullptr);

    void load(const EmployeeFormValues& values, bool numberEditable) override;
    EmployeeFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

protected:
    QLineEdit* startField() const override;
    FormCheck runChecks() override;

private:
    void build();

    QLineEdit* m_nrew;
    QLineEdit* m_nazwisko;
    QLineEdit* m_imie;
    QLineEdit* m_adres;
    QLineEdit* m_numer;
    QLineEdit* m_kod;
    QLineEdit* m_miasto;
    QLineEdit* m_kraj;
    QLineEdit* m_telefon;
    QLineEdit* m_kontakt;
    QLineEdit* m_uwagi;
};

} // namespace kv
