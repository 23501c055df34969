#pragma once

#include "admin/SafetyCopy.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kv {

class DataModule;

// One entry of the emptying list and what it empties.
struct EmptyingEntry {
    enum class Kind { Tables, Dictionary, CompanyData };
    QString label;
    Kind kind;
    QStringList tables; // Tables: the files, emptied in this order
    QString dictionary; // Dictionary: its code in slowniki.DB
};
// The 36 entries in the order of the list. The users, the permissions, the
// notes, system.DB and the dictionaries not listed cannot be emptied here.
const QList<EmptyingEntry>& emptyingEntries();

struct EmptyingOutcome {
    bool done = false;
    int rows = 0; // rows removed, or the company row cleared
    QString safetyCopy;
};

// Empties what the entry names in one transaction (a table keeps its file,
// its key and its id counter, so a new row never takes the id of a removed
// one), with the company held alone and a safety copy made first. Failures
// are reported with code 300 and change nothing.
EmptyingOutcome emptyEntry(DataModule& db, const EmptyingEntry& entry, SafetyCopyPolicy policy);

} // namespace kv
