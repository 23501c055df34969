#pragma once

#include "framework/Registers.h"

#include <QList>
#include <QString>

namespace kv {

// What a report needs chosen before it runs (checkReportSelection).
enum class SelectionKind {
    None,
    Vehicle,
    VehicleYear,
    VehicleYearMonth,
    FuelCard,
    Driver,
    RoadCard
};

// The names a report answers besides the common ones, by the letter of its
// set (costs "C", trips "T" ...).
enum class VariableSet {
    F,
    F2,
    C,
    T,
    R,
    E,
    D,
    K,
    O,
    S,
    Y1,
    Y2,
    M,
    P,
    A,
    N,
    Q,
    V,
    U,
    W,
    X,
    Z,
    G,
    L
};

// Whose rows a report lists; some sets answer more names for some of them
// (the driver's reports name the vehicle of each row, for instance).
enum class ReportScope { Vehicle, Driver, List, FuelCard, RoadCard, SingleOrder };

// The rows a report walks: a register's rows with the main window's filters,
// or one of the statements made for reports.
enum class RowSourceKind {
    Register,
    DriversOfVehicle,
    FuelPurchaseSums,
    ChosenRoadCard,
    VatMileage
};

// The condition a report adds to its register's statement for its run.
enum class ExtraCondition {
    None,
    DriverKey,   // the driver's NREW, bound
    FuelCardKey, // the card's IDKARTY, bound
    OrderNumber, // the order number as typed, bound
    RoadCard,    // the road card's id, in the costs' road-card slot
    FuelKind,    // the fuel kind when "Wskazane paliwo" is ticked
};

struct ReportDefinition {
    QString tab;     // the tab of "Raporty" and the "Widok" submenu
    QString caption; // the button's and the menu item's
    SelectionKind check = SelectionKind::None;
    RowSourceKind source = RowSourceKind::Register;
    RegisterId reg = RegisterId::Vehicles; // the register walked (or read by the statement)
    ExtraCondition extra = ExtraCondition::None;
    QString keyColumn;    // the column the key condition compares, as the statement names it
    QString templateFile; // "przejazdy_p.frf"
    VariableSet set = VariableSet::V;
    ReportScope scope = ReportScope::List;
    bool withoutVehicleFilter = false; // the vehicle list ignores the vehicle selector
    bool ownIssue = false;             // built by a later version (VAT record)

    // The template's base name, as karvento-cli names the report.
    QString baseName() const { return templateFile.chopped(4); }
};

// The report commands in the order of their tabs and buttons.
const QList<ReportDefinition>& reportDefinitions();
const ReportDefinition* reportByBaseName(const QString& baseName);
const ReportDefinition* reportByCaption(const QString& caption);

// The tabs of "Raporty" in order; the six report tabs also name the "Widok"
// submenus.
const QStringList& reportTabs();

// The record card's template, printed by "Drukuj".
inline const QString kCardTemplate = QStringLiteral("drukuj_pozycje.frf");
// The title of every report's preview.
inline const QString kReportTitle = QStringLiteral("Wydruk z programu Karvento");
// The permission that gives the reports.
constexpr int kReportPermission = 17;

} // namespace kv
