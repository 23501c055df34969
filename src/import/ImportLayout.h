#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace kv {

// The six imports, in the order of the "Import" menu.
enum class ImportKind { Costs, Trips, Fuel, FuelKm, FuelMth, Employees };

// What a field's check does with its cell (the conversions are in
// ImportConversions, the look-ups in ImportLookups).
enum class FieldCheck {
    Date,           // a date number by the chosen format
    Vehicle,        // registration number -> IDPOJAZD
    Text,           // trimmed text, at most its column's width
    Card,           // fuel card id, looked up when not empty
    Amount,         // number kept with two decimals
    Number,         // number kept as typed (shortest form)
    Flag,           // "T" when the cell equals the option's symbol
    PaymentKind,    // payment kind description -> KOD
    CostCentre,     // cost centre description -> KOD
    RoadCard,       // road card number -> IDDROGOWA
    FuelKind,       // liquid fuel or LPG; fixed entries before the columns
    EmployeeNumber, // a number not yet in the employees table nor above
};

// One target field: its mapping list, its check and what is stored.
struct ImportField {
    int list = 0; // N of the list cbN
    QString label;
    FieldCheck check = FieldCheck::Text;
    bool required = false;
    QString missing; // the message when a required field is not mapped
    QString bad;     // the message when its check fails
    QString column;  // the target column; empty for the fuel kind
    QVariant unmapped;
    QString symbolOption; // Flag: the option holding the symbol
    QString flagOff;      // Flag: the value when the cell is not the symbol
    int onlyWhen = 0;     // read only when the flag of list cbN is "T"
};

// An option of an import of its own: an editable list of entries.
struct ImportOption {
    QString key; // settings key and object name
    QString label;
    QStringList entries;
    bool kept = true;     // written to the settings section
    bool byIndex = false; // kept as the index of its entry (else as text)
};

// One import as data: its window, its settings section, its fields in
// checking order, the tables it writes and looks things up in, and the
// columns of its insert in their order.
struct ImportLayout {
    ImportKind kind;
    int number = 0;       // the settings section "IMPORTS" + number
    QString registerName; // the base name karvento-cli takes ("koszty")
    QString windowName;   // TfImportKoszty
    QString caption;
    QString heading;
    QString menuItem;
    QString table;    // the target table's base name (liquid fuel for the fuel imports)
    QString lpgTable; // the fuel imports' LPG twin, else empty
    QStringList lookupTables;
    bool hasDateFormat = true;
    qint64 loadCode = 802;
    qint64 verifyCode = 802;
    QList<ImportField> fields; // checking order
    QStringList insertColumns;
    QList<ImportOption> options;

    int listCount() const { return static_cast<int>(fields.size()); }
    // The field of list cbN; null when the import has none.
    const ImportField* field(int list) const;
    // The field storing a column; null when none does.
    const ImportField* fieldOfColumn(const QString& column) const;
    // The mapping entries before the sheet's columns: 1 ("Brak danych"),
    // 2 for the fuel kind's fixed entries.
    int fixedEntries(int list) const;
    bool isFuel() const { return !lpgTable.isEmpty(); }
};

const QList<ImportKind>& importKinds();
const ImportLayout& importLayout(ImportKind kind);
// By the register's base name ("koszty", "zuzyciekm" ...); null when none.
const ImportLayout* importLayoutByRegister(const QString& name);
QStringList importRegisterNames();

// The date formats, in the order of the "Format daty" list.
enum class ImportDateFormat { DayMonthYear = 0, YearMonthDay = 1, Compact = 2 };
QStringList importDateFormatTexts(); // "DD-MM-RRRR", "RRRR-MM-DD", "RRRRMMDD"

inline const QString kNoColumnText = QStringLiteral("Brak danych");
inline const QString kLiquidFuelText = QStringLiteral("Paliwo płynne");
inline const QString kLpgText = QStringLiteral("Gaz LPG");
inline const QString kSumText = QStringLiteral("Sumuj "); // the trailing blank is the program's
inline const QString kSkipText = QStringLiteral("Pomiń");
// The entries of a mapping list for a sheet of the given width.
QStringList mappingEntries(const ImportLayout& layout, int list, int sheetColumns);

} // namespace kv
