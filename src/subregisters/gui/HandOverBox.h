#pragma once

#include "framework/FormView.h"

class QCheckBox;

namespace kv {

// "Dodaj powyższe dane do rejestru kosztów" (dodajDoKosztow) of the repair,
// damage and tyre windows.
QCheckBox* newHandOverBox();
// Ticked as the values say, enabled only where the setup offers it (the
// costs' write permission, not the second window of a hand-over); a box not
// offered is cleared.
void loadHandOverBox(QCheckBox* box, bool ticked, const FormSetup& setup);

} // namespace kv
