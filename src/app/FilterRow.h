#pragma once

#include <QFrame>

class QComboBox;
class QLabel;

namespace kv {

class DateField;
class RegisterFilters;

// The filter row under the commands: the vehicle selector, the month and year
// lists, the date range, and the labels of the company, the chosen vehicle
// and the user. The rules live in RegisterFilters; this only ties the widgets
// to them and says when the register on screen must be shown again.
class FilterRow : public QFrame {
    Q_OBJECT
public:
    explicit FilterRow(QWidget* parent = nullptr);

    // The filters the row drives (none until the registers are set up).
    void setFilters(RegisterFilters* filters) { m_filters = filters; }

    // After a login: the year list from the options, the stored month, all
    // years, the date range cleared and greyed, then the vehicle selector
    // with the remembered vehicle.
    void prepare();
    // Before a login: no vehicle chosen, without forgetting the remembered one.
    void clearForLogin();
    // Rebuilds the vehicle selector; toAll returns it to "(Wszystkie)".
    void fillVehicleSelector(bool toAll);
    // Shows a vehicle the filter state chose elsewhere (a hand-over switched
    // to the record's vehicle); an unknown number shows "(Wszystkie)".
    void showVehicle(const QString& registrationNumber);

    void setCompany(const QString& name);
    QString companyName() const;
    void setUser(const QString& text);
    // The month and year lists as the reports' checks read them: whether
    // they are the active period filter, the year and the month (0: all).
    void monthYear(bool& active, int& year, int& month) const;

    // The lists that get the command pop-up menu.
    QList<QComboBox*> lists() const;

signals:
    // A filter changed: the register on screen must run again.
    void filtersChanged();

private:
    void wire();
    void vehicleSelectorChanged();
    void monthYearChanged();
    void dateRangeChanged();
    // Whites the period filter in force (month and year, or the date range)
    // and greys the other.
    void markPeriodFilter(bool monthAndYear);
    bool m_monthYearActive = true;

    RegisterFilters* m_filters = nullptr;
    bool m_applying = false;
    QComboBox* m_vehicle;
    QComboBox* m_month;
    QComboBox* m_year;
    DateField* m_from;
    DateField* m_to;
    QLabel* m_company;
    QLabel* m_vehicleLabel;
    QLabel* m_user;
};

} // namespace kv
