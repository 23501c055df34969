#pragma once

#include "fleet/VehicleRegister.h"
#include "framework/FormView.h"
#include "support/gui/EditDialog.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QToolButton;

namespace kv {

class DateField;
class NumberField;

// The vehicle edit window ("Pojazd").
class VehicleDialog : public EditDialog, public FormView<VehicleFormValues> {
    Q_OBJECT
public:
    explicit VehicleDialog(QWidget* parent = nullptr);

    void load(const VehicleFormValues& values, const FormSetup& setup) override;
    VehicleFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

    // Opens the dictionary window on the fleet numbers (set by the main
    // window; the button is hidden while unset, disabled while
    // canEditFleetDictionary says no) and answers the reloaded lists.
    std::function<VehicleLists()> editFleetDictionary;
    std::function<bool()> canEditFleetDictionary;

protected:
    void showEvent(QShowEvent* event) override;
    QLineEdit* startField() const override;
    FormCheck runChecks() override;

private:
    void build();

    QLineEdit* m_lp;
    QLineEdit* m_nrewid;
    QComboBox* m_status;
    QComboBox* m_fleet;
    QToolButton* m_fleetDictionary;
    QLineEdit* m_nrrej;
    QLineEdit* m_poprzNrrej;
    QLineEdit* m_marka;
    QComboBox* m_kind;
    QLineEdit* m_capacity;
    QComboBox* m_year;
    QLineEdit* m_seria;
    QLineEdit* m_engine;
    QLineEdit* m_body;
    QComboBox* m_owner;
    QComboBox* m_driver;
    DateField* m_dataOc;
    QLineEdit* m_polOc;
    DateField* m_dataAc;
    QLineEdit* m_polAc;
    DateField* m_dataPrze;
    DateField* m_dataPrzeGw;
    DateField* m_dataTacho;
    NumberField* m_liczPrzeg;
    NumberField* m_liczGwar;
    NumberField* m_normaOd;
    NumberField* m_normaDo;
    NumberField* m_stawka;
    QLineEdit* m_uwagi;
};

} // namespace kv
