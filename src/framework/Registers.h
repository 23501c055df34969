#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace kv {

// The 21 registers: one table each, shown as a read-only grid on a page of the
// main window. Everything the shell, the grid model, the filters, sorting,
// deletion, export and search need to know about a register is data in its
// descriptor; a register's own folder adds its statements, edit window and
// checks. The table of descriptors is the catalog's (src/catalog).
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
    Plain,    // as stored (numbers without trailing zeros)
    Date,     // date number -> day, month, year
    Time,     // hhmm -> hh:mm, blank for 0
    YesNo,    // "T" -> "Tak", else "Nie"
    Money,    // two decimals
    Rate,     // four decimals
    Choice,   // a code shown as its text (GridColumn::choices)
    Person,   // NAZWISKO shown as surname, blank, IMIE
    Computed, // worked out by the register's core code (RegisterHooks::computedCell)
};

// Which date columns the period filters restrict, and how.
enum class PeriodForm {
    None,
    Date,              // DATA
    DateOrUndated,     // DATA, rows without a date always shown
    FromTo,            // DATAOD and DATADO
    PurchaseOrUndated, // DATAZAKUPU, rows without it always shown
    IssueDate,         // DATAWYST
};

enum class VehicleFilter {
    None,
    RegistrationNumber, // the selected registration number, bound as a parameter
    VehicleId,          // the selected vehicle's id; nothing shown until one is chosen
};

struct GridColumn {
    QString field;
    QString title;
    Formatter format = Formatter::Plain;
    QStringList choices;  // Formatter::Choice: the texts of codes 0, 1, ...
    int otherChoice = -1; // the code another value shows as; -1: the value itself
    bool numeric = false; // Formatter::Computed: right-aligned like an amount
};

// A column the text search looks in: as the grid shows it (dates day-month-
// year, amounts with their decimals, computed and person columns), or as it
// is stored (numbers without trailing zeros, codes as their digits).
struct SearchColumn {
    QString field;
    bool shown = false;
};

// The names of the slots a register statement has (see StatementTemplate);
// extra filters have slots named after themselves.
inline const QString kVehicleSlot = QStringLiteral("vehicle");
inline const QString kPeriodSlot = QStringLiteral("period");
inline const QString kSortSlot = QStringLiteral("sort");
inline const QString kDirectionSlot = QStringLiteral("direction");

struct RegisterDescriptor {
    RegisterId id;
    QString name; // Polish name of the register
    Section section;
    QString registerButton; // caption of its register button (empty: the section button)
    QString menuItem;       // caption of its "Widok" menu item
    QString menuGroup;      // the "Widok" submenu it is in; empty: "Widok" itself
    int menuPosition = 0;   // its place in that menu
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

    // The statement's slots: the vehicle and period filters, the register's
    // own filters (named, in statement order) and the sort order.
    bool vehicleSlot = false;
    bool periodSlot = false;
    QStringList extraFilters;
    bool fixedOrder = false; // no sort slots: the statement's own order
    QString defaultSort;     // empty: fixed order
    // A second sort column that follows a sort column ("DATA" -> "PRYWLICZOD").
    QHash<QString, QString> sortTieBreaks;
    // The twin table the register shows while the data module's alternate
    // tables are switched on (empty: none).
    QString alternateTable;
    PeriodForm period;
    VehicleFilter vehicleFilter;

    QList<GridColumn> columns;

    // "do CSV": the file name proposed (without ".csv"). "Szukaj": the
    // columns compared, in the order they are tested.
    QString exportName;
    QList<SearchColumn> searchColumns;

    bool sortable() const { return !fixedOrder; }
    // The table the register works on now.
    QString currentTable(bool alternateTablesActive) const {
        return alternateTablesActive && !alternateTable.isEmpty() ? alternateTable : table;
    }
};

const QList<RegisterDescriptor>& allRegisters();
const RegisterDescriptor& registerDescriptor(RegisterId id);
// By query name ("DBFpojazdy"), case-sensitive; null when unknown.
const RegisterDescriptor* registerByQuery(const QString& queryName);
const RegisterDescriptor* registerByGrid(const QString& gridName);
// By the base name of its table ("pojazdy", "zuzycie") or of its twin table
// ("zuzycielpg"), case-insensitive; null when none. alternate tells which.
const RegisterDescriptor* registerByTableName(const QString& baseName, bool* alternate = nullptr);
// The base names registerByTableName knows, in register order (each twin
// after its register).
QStringList registerTableNames();

// The period fragment of a register for exclusive bounds (a month or a year)
// or inclusive ones (a date range). A blank separates each number from the
// following AND.
QString periodFragment(PeriodForm form, qint64 lower, qint64 upper, bool inclusive);
// Bounds of the calendar year Y: Y*10000 and Y*10000 + 1300, exclusive.
QString yearFragment(PeriodForm form, int year);

} // namespace kv
