#pragma once

#include "cli/CliContext.h"

#include <QList>
#include <functional>

namespace kv::cli {

// One command of karvento-cli: its words ("tables", "company list"), a line
// of help, and what it does with the words that follow them.
struct Command {
    QStringList words;
    QString usage; // arguments, shown in the help
    QString help;
    std::function<int(CliContext&, const QStringList& args)> run;
};

// Every command, in the order the help lists them. Each module adds its own
// commands in its registration function, called from here.
const QList<Command>& commands();

// Runs the tool on the arguments (without the program name).
int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Registration functions of the command groups.
void addInspectionCommands(QList<Command>& commands);  // tables, sql
void addLocationCommands(QList<Command>& commands);    // init, company ..., check
void addUserCommands(QList<Command>& commands);        // users ...
void addMaintenanceCommands(QList<Command>& commands); // backup, upgrade
void addExportCommands(QList<Command>& commands);      // export
void addOdometerCommands(QList<Command>& commands);    // odometer current, odometer check
void addArchiveCommands(QList<Command>& commands);     // archive ..., pack, delete-range
void addReportCommands(QList<Command>& commands);      // report list, report, card
void addImportCommands(QList<Command>& commands);      // import
void addTripCommands(QList<Command>& commands);        // trips copy-month, route
void addDeadlineCommands(QList<Command>& commands);    // deadlines
void addAnnualCommands(QList<Command>& commands);      // annual
void addChartCommands(QList<Command>& commands);       // chart

} // namespace kv::cli
