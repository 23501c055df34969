#include "framework/EditCycle.h"

#include "framework/RegisterController.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/UserInterface.h"

namespace kv {

namespace {

// Whether the typed key passes the uniqueness check; a refused key shows the
// register's message.
bool keyIsFree(const EditSteps& steps, bool insert) {
    if (!steps.typedKey || !steps.keyExists)
        return true;
    const QString key = steps.typedKey();
    const bool unchanged =
        !insert && steps.currentKey &&
        (steps.sameKey ? steps.sameKey(key, steps.currentKey()) : key == steps.currentKey());
    if (unchanged || !steps.keyExists(key))
        return true;
    ui().information(QStringLiteral("Uwaga"), steps.duplicateMessage);
    return false;
}

// Shows the window until it is cancelled or its values pass the uniqueness
// check and the register's own question; a refusal shows the window again
// with the values as typed.
bool confirmUnique(const EditSteps& steps, bool insert) {
    for (;;) {
        if (!steps.show())
            return false;
        if (keyIsFree(steps, insert) && (!steps.confirmSave || steps.confirmSave(insert)))
            return true;
    }
}

bool save(RegisterController& reg, const EditSteps& steps, bool insert) {
    if (!confirmUnique(steps, insert))
        return false;
    const RegisterDescriptor& d = reg.descriptor();
    try {
        steps.write(insert);
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, insert ? d.insertCode : d.updateCode);
        return false;
    }
    const QVariantList key = steps.savedKey ? steps.savedKey(insert) : QVariantList();
    reg.refresh();
    if (steps.afterSave)
        steps.afterSave(insert);
    if (!key.isEmpty())
        reg.locate(key);
    return true;
}

} // namespace

bool runAdd(RegisterController& reg, const EditSteps& steps, bool copyMode) {
    steps.fill(copyMode && !reg.isEmpty());
    return save(reg, steps, true);
}

bool runEdit(RegisterController& reg, const EditSteps& steps) {
    if (reg.isEmpty() || reg.currentRow() < 0)
        return false;
    steps.fill(true);
    return save(reg, steps, false);
}

} // namespace kv
