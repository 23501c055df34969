#pragma once

namespace kv {

class DataModule;

// Adds the query components of every register and module of the program to
// the data module. The data module calls it once when it is created; each
// module contributes its own registration function.
void registerProgramQueries(DataModule& db);

} // namespace kv
