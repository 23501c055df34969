#pragma once

namespace kv {

// The repairs ("naprawy") and the tyres ("opony") as targets of a cost's
// "Dodaj powyższe do": the window prefilled from the cost, never offering a
// hand-over back. Installed once per run.
void installSubregisterHandOverTargets();

} // namespace kv
