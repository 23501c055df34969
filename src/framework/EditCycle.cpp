#include "framework/EditCycle.h"

#include "framework/RegisterController.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/UserInterface.h"

namespace kv {

namespace {

// Whether the typed key is refused as another record's.
bool isDuplicate(const EditSteps& steps, bool insert) {
    if (!steps.typedKey || !steps.keyExists)
        return false;
    const QString key = steps.typedKey();
    const bool unchanged =
        !insert && steps.currentKey &&
        (steps.sameKey ? steps.sameKey(key, steps.currentKey()) : key == steps.currentKey());
    return !unchanged && steps.keyExists(key);
}

// Shows the window until it is cancelled or what it holds is written. A
// refused key, a declined confirmation and a failed write all show the window
// again with the values as typed.
bool showAndWrite(const EditSteps& steps, const RegisterDescriptor& d, bool insert) {
    for (;;) {
        if (!steps.show())
            return false;
        if (isDuplicate(steps, insert)) {
            ui().information(QStringLiteral("Uwaga"), steps.duplicateMessage);
            continue;
        }
        if (steps.confirmSave && !steps.confirmSave(insert))
            continue;
        try {
            steps.write(insert);
            return true;
        } catch (const DatabaseError& e) {
            reportDatabaseError(e.message(), true, insert ? d.insertCode : d.updateCode);
        }
    }
}

bool save(RegisterController& reg, const EditSteps& steps, bool insert) {
    if (!showAndWrite(steps, reg.descriptor(), insert))
        return false;
    const QVariantList key = steps.savedKey ? steps.savedKey(insert) : QVariantList();
    if (steps.afterWrite)
        steps.afterWrite(insert);
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
