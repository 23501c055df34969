#pragma once

#include <QString>

namespace kv {

// Which record commands the register on screen offers: viewing needs the
// read permission, changing also the write permission, and the commands that
// act on the current record need a record ("Dodaj" does not).
struct CommandState {
    bool viewAllowed = false;
    bool editAllowed = false;
    bool hasRows = true;

    // By the command button's name ("SBDodaj", "SBPodglad" ...).
    bool allows(const QString& command) const;
};

} // namespace kv
