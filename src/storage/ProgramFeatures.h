#pragma once

namespace kv {

class DataModule;

// Gives a new data module everything the program's features bring to it: the
// query components of every register and module, the work to do when a company
// opens, and the registers' core hooks. The data module calls it once when it
// is created; the feature catalog defines it, so the storage layer names no
// feature.
void installProgramFeatures(DataModule& db);

} // namespace kv
