#pragma once

#include "framework/RecordCard.h"

#include <optional>

namespace kv {

class DataModule;
class RegisterController;

// The card of a register's current record as "Drukuj" prints it, made
// without a window (karvento-cli): the register's own editing part gives the
// values and lists the window would be filled with. Nothing for an empty
// register or a register without a card in this version. Defined by the
// catalog, which knows every register's editing part.
std::optional<RecordCardText> currentRecordCardOf(DataModule& db, RegisterController& reg);

} // namespace kv
