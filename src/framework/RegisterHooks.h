#pragma once

#include "framework/Registers.h"

#include <QString>
#include <functional>

namespace kv {

class DataModule;
class RegisterController;
class ResultSet;

// What a register's core code adds to the common register behaviour. The
// catalog installs them once per run, so the program and the command-line
// tool compute the same cells and ask the same questions.
struct RegisterHooks {
    // The text of a computed column (Formatter::Computed) in one row.
    std::function<QString(DataModule&, const ResultSet&, int row, const GridColumn&)> computedCell;
    // The titles of the grid's columns where the register names some of them
    // at run time (in column order); the descriptor's titles when not set.
    // Throws DatabaseError when what names them cannot be read.
    std::function<QStringList(DataModule&)> columnTitles;
    // Run before and after every refresh (reload what computed columns need;
    // work out a summary of the rows).
    std::function<void(RegisterController&)> beforeRefresh;
    std::function<void(RegisterController&)> afterRefresh;
    // The question asked before the current row is deleted; empty: the
    // common question.
    std::function<QString(RegisterController&)> deleteQuestion;
    // The one-record-per-key rule is checked again inside the write's
    // transaction, for numbers that programs sharing the folder type at the
    // same time (orders, settlements): a number saved by another program since
    // the window's check is refused as taken, never written twice.
    bool keyCheckedInWrite = false;
};

RegisterHooks& registerHooks(RegisterId id);

} // namespace kv
