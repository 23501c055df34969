#pragma once

#include "framework/FormView.h"
#include "support/gui/EditDialog.h"
#include "trips/TripRegister.h"
#include "trips/gui/DistanceDialog.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QPushButton;
class QToolButton;

namespace kv {

class DateField;
class NumberField;

// The trip window ("Przejazd").
class TripDialog : public EditDialog, public FormView<TripFormValues> {
    Q_OBJECT
public:
    explicit TripDialog(QWidget* parent = nullptr);

    void load(const TripFormValues& values, const FormSetup& setup) override;
    TripFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

    // Opens the dictionary window on a list ("CELWY", "TRASY") and answers the
    // purposes and routes read again (set by the main window; the two "[...]"
    // buttons are hidden while unset and disabled while canEditDictionary
    // says no).
    std::function<TripLists(const QString& code)> editDictionary;
    std::function<bool()> canEditDictionary;
    // The distance table as a picker: the route becomes "Z: A, DO: B" and
    // the length the pair's distance. Without it the button is disabled.
    std::function<std::optional<DistancePick>()> pickDistance;

protected:
    void showEvent(QShowEvent* event) override;
    QLineEdit* startField() const override;
    FormCheck runChecks() override;

private:
    void build();
    void fillDictionaryLists(const TripLists& lists);
    void openDictionary(const QString& code);
    void vehicleChosen(int index);
    void routeChosen(int index);
    void routeFromDistanceTable();
    void updateVatFields();

    DateField* m_date;
    QComboBox* m_vehicle;
    QComboBox* m_purpose;
    QComboBox* m_route;
    QToolButton* m_purposeDictionary;
    QToolButton* m_routeDictionary;
    QPushButton* m_distanceTable;
    NumberField* m_length;
    QComboBox* m_driver;
    QCheckBox* m_lent;
    NumberField* m_handover;
    NumberField* m_return;
    QLineEdit* m_lentTo;
    // What the entries of the lists bring along: drivers of vehicles, lengths
    // of routes.
    QHash<QString, QString> m_vehicleDrivers;
    QHash<QString, QString> m_routeLengths;
    // The driver shown came with the vehicle, not from the user: another
    // vehicle brings its own instead.
    bool m_driverFromVehicle = false;
};

} // namespace kv
