#include "framework/CommandState.h"

namespace kv {

bool CommandState::allows(const QString& command) const {
    const bool edit = viewAllowed && editAllowed;
    if (command == u"SBDodaj")
        return edit;
    if (command == u"SBKopiuj" || command == u"SBEdytuj" || command == u"SBUsun")
        return edit && hasRows;
    if (command == u"SBPodglad" || command == u"SBDrukuj")
        return viewAllowed && hasRows;
    if (command == u"SBcsv" || command == u"SBSzukaj" || command == u"SBSuma")
        return viewAllowed;
    return false;
}

} // namespace kv
