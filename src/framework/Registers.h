#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kv {

// The 21 registers: one table each, shown as a read-only grid on a page of the
// main window. Everything the shell, the grid model, the filters, sorting,
// deletion, export and search need to know about a register is data here; a
// register's own module adds its statements, edit window and checks.
enum class RegisterId {
    Vehicles,
    Trips,
    Costs,
    RoadCards,
    FuelCards,
    Orders,
    Settlements,
    Odometer,
    FuelPrices,
    Consumption,
    ConsumptionKm,
    ConsumptionMth,
    Calendar,
    Equipment,
    Documents,
    Tyres,
    Damages,
    Repairs,
    Warehouse,
    Rates,
    Employees,
};
constexpr int kRegisterCount = 21;

enum class Section {
    Start,
    Vehicles,
    Finance,
    Fuel,
    Time,
    Registers,
    Reports,
    Charts,
    Dictionaries
};

// How a stored value is shown in a grid cell.
enum class Formatter {
    Plain,            // as stored (numbers without trailing zeros)
    Date,             // date number -> day, month, year
    Time,             // hhmm -> hh:mm, blank for 0
    YesNo,            // "T" -> "Tak", else "Nie"
    Money,            // two decimals
    Rate,             // four decimals
    VehicleStatus,    // 0..4 -> "Aktywny" ...
    OdometerKind,     // DOTYCZY -> its description
    SurnameFirstName, // NAZWISKO shown as surname, blank, IMIE
    TripRate,         // computed allowance rate of a trip
    TripAmount,       // computed allowance amount of a trip
    Consumption,      // computed consumption of a refuelling row
};

// Which date columns the period filters restrict, and how.
enum class PeriodForm {
    None,
    Date,              // DATA
    DateOrUndated,     // DATA, rows without a date always shown (repairs)
    FromTo,            // DATAOD and DATADO (calendar, settlements, orders)
    PurchaseOrUndated, // DATAZAKUPU, rows without it always shown (tyres)
    IssueDate,         // DATAWYST (road cards)
};

enum class VehicleFilter {
    None,
    RegistrationNumber, // the selected registration number, bound as a parameter
    VehicleId,          // the selected vehicle's id (consumption registers)
};

struct GridColumn {
    QString field;
    QString title;
    Formatter format = Formatter::Plain;
};

struct RegisterDescriptor {
    RegisterId id;
    QString name; // Polish name of the register
    Section section;
    QString registerButton; // caption of its register button (empty: the section button)
    QString menuItem;       // caption of its "Widok" menu item
    QString shortcut;       // e.g. "Ctrl+F2", empty when none
    QString page;
    QString grid;
    QString table; // "pojazdy.DB"
    QString query; // "DBFpojazdy"
    QString editWindow;
    int readPermission;
    int writePermission;

    // Deletion: the statement's first line, then the key on the next line.
    QStringList deleteKey;
    QString deleteStatement;
    bool deleteKeyIsText = false; // bound as :PARAM0 instead of written as digits

    // Codes passed to the error report.
    int refreshCode;
    int deleteCode;
    int insertCode = 0;
    int updateCode = 0;
    int locateCode;

    // Positioning on a row: the key columns compared, as text or as numbers.
    QStringList locateKey;
    bool locateKeyIsText = false;

    // Lines of the register statement that the filters and sorting rewrite
    // (-1: none).
    int vehicleLine;
    int periodLine;
    QList<int> extraLines;
    int sortLine;
    int directionLine;
    QString defaultSort; // empty: fixed order
    PeriodForm period;
    VehicleFilter vehicleFilter;

    QList<GridColumn> columns;

    bool sortable() const { return sortLine >= 0; }
};

const QList<RegisterDescriptor>& allRegisters();
const RegisterDescriptor& registerDescriptor(RegisterId id);
// By query name ("DBFpojazdy"), case-sensitive; null when unknown.
const RegisterDescriptor* registerByQuery(const QString& queryName);
const RegisterDescriptor* registerByGrid(const QString& gridName);

// The period fragment of a register for exclusive bounds (a month or a year)
// or inclusive ones (a date range). A blank separates each number from the
// following AND.
QString periodFragment(PeriodForm form, qint64 lower, qint64 upper, bool inclusive);
// Bounds of the calendar year Y: Y*10000 and Y*10000 + 1300, exclusive.
QString yearFragment(PeriodForm form, int year);

} // namespace kv
