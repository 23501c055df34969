#pragma once

#include "location/DatabaseCreation.h"

#include <QString>
#include <QStringList>

namespace kv {

// The installation templates a new database or company is copied from
// (DatabaseCreation.h). A copy of the program whose templates are missing or
// damaged says so, naming its folder, before anything is made: a database
// half copied from an incomplete installation would be worse than none.

// The template files a creation needs, relative to the installation's data
// folder ("firmy.D_", "empty/pojazdy.D_", "demo/pojazdy.DB" ...).
QStringList requiredTemplates(CreationMode mode, bool withDemo);
// Every template of the installation: both modes and the demonstration company.
QStringList allTemplates();

// The templates of the list that are missing or damaged. A template is whole
// when it is a readable file of whole 4096-byte pages, as every table file the
// program writes is; an empty or cut-off file is damaged.
QStringList faultyTemplates(const QStringList& templates);

// Empty when every listed template is there and whole; otherwise the message
// naming the installation's data folder and the faulty files.
QString installationProblem(const QStringList& templates);

// Tells the problem of the templates a creation needs (information window,
// error log) and answers false; true when there is none.
bool checkInstallation(CreationMode mode, bool withDemo);

// At the program's start: tells a problem of the whole installation, if any,
// and answers whether the installation is complete. The program goes on
// either way (an existing database works without the templates).
bool reportInstallationAtStart();

} // namespace kv
