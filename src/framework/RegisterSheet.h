#pragma once

#include "framework/RegisterTableModel.h"

#include <QList>
#include <QStringList>
#include <memory>

namespace kv {

class RegisterController;

// A register's sheet as its grid shows it: row 0 the column titles in grid
// order, then one row per record of the rows the register holds now (its
// filters and sort), each cell the text the grid shows (dates day-month-year,
// amounts with their decimals, codes as their texts, computed columns),
// made safe for the CSV writer (csvCellText). The register's cursor does not
// move.
QList<QStringList> registerSheet(const RegisterTableModel& model);

// A table model of the register's current rows as its grid would show them,
// for work without a grid (the command-line tool): computed columns through
// the register's hook and the column titles it names at run time. A failure
// to read those titles leaves the descriptor's.
std::unique_ptr<RegisterTableModel> registerModel(RegisterController& controller);

} // namespace kv
