#pragma once

#include "cli/CliContext.h"
#include "support/CsvWriter.h"

#include <QLocale>
#include <optional>

namespace kv {
class DataModule;
class RegisterFilters;
struct RegisterDescriptor;
} // namespace kv

namespace kv::cli {

// What the commands that read registers choose with their options, parsed in
// one place for all of them:
//   --vehicle NRREJ                    one vehicle (bound, never spliced)
//   --year YYYY | --month YYYY-MM | --from DATE --to DATE   one period
//   --output FILE                      else the standard output
//   --encoding cp1250|utf8             cp1250 by default, as the window
// DATE is YYYY-MM-DD or DD.MM.YYYY and must name a day the calendar has.
struct CliSelection {
    enum class Period { All, Year, Month, Range };

    QString vehicle; // empty: every vehicle
    Period period = Period::All;
    int year = 0;
    int month = 0;
    qint64 from = 0; // Range: date numbers, 0 for an open end
    qint64 to = 0;
    QString output; // empty: the standard output
    CsvEncoding encoding = CsvEncoding::Windows1250;

    bool hasVehicle() const { return !vehicle.isEmpty(); }
    bool hasPeriod() const { return period != Period::All; }
};

// A DATE as a date number (yyyymmdd), 0 when it is none.
qint64 parseCliDate(const QString& text);
// A month as --month takes it (YYYY-MM, month 01 to 12): year and month.
std::optional<QPair<int, int>> parseCliMonth(const QString& text);

// Parses the options; on wrong use writes why and how the command is used
// and answers nothing (the command exits with Usage).
std::optional<CliSelection> parseSelection(CliContext& c, const QString& usageText);

// The options given that the register has no filter for ("--vehicle",
// "--year" ...); empty when it has all of them.
QStringList optionsWithoutFilter(const RegisterDescriptor& d, const CliSelection& s);

// Sets the filter state as the window's selectors set it for the same choice
// (vehicle selector, month and year lists, date range), so the register's
// statement is the window's. False, with the refusal written, for a vehicle
// the company does not have.
bool applySelection(CliContext& c, RegisterFilters& filters, const CliSelection& s);

// Writes the bytes to the output file (replacing it only when all are
// written) or to the standard output; the exit code.
int writeSelectionOutput(CliContext& c, const CliSelection& s, const QByteArray& bytes);
// Writes a sheet (titles and rows of cell texts) in the chosen encoding as
// writeSelectionOutput does, and says on err how many characters the code
// page could not hold; the exit code.
int writeSheet(CliContext& c, const CliSelection& s, const QList<QStringList>& sheet);

// The options a command has no use for, given: wrong use, written to err
// with how the command is used. True when none of them was given.
bool noOptionsBut(CliContext& c, const QStringList& unused, const QString& usageText);

// Dates and numbers are written the Polish way whatever the terminal's
// language, as the program's grids show them.
class PolishLocale {
public:
    PolishLocale();
    ~PolishLocale();
    PolishLocale(const PolishLocale&) = delete;
    PolishLocale& operator=(const PolishLocale&) = delete;

private:
    QLocale m_previous;
};

} // namespace kv::cli
