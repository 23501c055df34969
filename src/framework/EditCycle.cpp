#include "framework/EditCycle.h"

#include "framework/RegisterController.h"
#include "framework/RegisterHooks.h"
#include "storage/DataModule.h"
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

QStringList ownTables(const EditSteps& steps, RegisterController& reg) {
    if (steps.tables)
        return steps.tables();
    return {reg.descriptor().currentTable(reg.database().alternateTablesActive()).chopped(3)};
}

// Writes the record, and the second record of a hand-over with it in one
// transaction: both or neither. A register whose hooks ask for it has its key
// checked again inside that transaction, since another program sharing the
// folder may have saved it since the window's check; false when it has
// (nothing is written).
bool writeBoth(RegisterController& reg, const EditSteps& steps, bool insert, HandOverSide* second) {
    const bool keyed =
        steps.typedKey && steps.keyExists && registerHooks(reg.descriptor().id).keyCheckedInWrite;
    if (!second && !keyed) {
        steps.write(insert);
        return true;
    }
    engine::Connection& c = reg.database().companyConnection();
    const bool own = !c.inTransaction();
    QStringList tables = ownTables(steps, reg);
    if (second)
        tables += second->tables();
    if (own)
        c.beginWrite(tables);
    try {
        if (keyed && isDuplicate(steps, insert)) {
            if (own)
                c.rollback();
            return false;
        }
        steps.write(insert);
        if (second)
            second->write();
        if (own)
            c.commit();
    } catch (const DatabaseError&) {
        if (own)
            c.rollback();
        throw;
    }
    return true;
}

// Shows the window until it is cancelled or what it holds is written. A
// refused key, a declined confirmation, a refused second record and a failed
// write all show the window again with the values as typed.
bool showAndWrite(RegisterController& reg, const EditSteps& steps, bool insert,
                  std::unique_ptr<HandOverSide>& second) {
    const RegisterDescriptor& d = reg.descriptor();
    for (;;) {
        second.reset();
        if (!steps.show())
            return false;
        if (!acceptTyped(steps, insert))
            continue;
        if (steps.handOver) {
            if (const std::optional<HandOverRequest> request = steps.handOver(insert)) {
                OpenedHandOver opened = openHandOver(reg.database(), *request);
                if (opened.outcome == SecondOutcome::Refused)
                    continue;
                second = std::move(opened.side);
            }
        }
        try {
            if (writeBoth(reg, steps, insert, second.get()))
                return true;
            ui().information(QStringLiteral("Uwaga"), steps.duplicateMessage);
        } catch (const DatabaseError& e) {
            reportDatabaseError(e.message(), true, insert ? d.insertCode : d.updateCode);
        }
    }
}

bool save(RegisterController& reg, const EditSteps& steps, bool insert) {
    std::unique_ptr<HandOverSide> second;
    if (!showAndWrite(reg, steps, insert, second))
        return false;
    const QVariantList key = steps.savedKey ? steps.savedKey(insert) : QVariantList();
    if (steps.afterWrite)
        steps.afterWrite(insert);
    reg.refresh();
    if (steps.afterSave)
        steps.afterSave(insert);
    if (!key.isEmpty())
        reg.locate(key);
    if (second) {
        second->finish();
        if (const auto& show = handOverShowRegister())
            show(second->registerId());
    }
    return true;
}

} // namespace

bool acceptTyped(const EditSteps& steps, bool insert) {
    if (isDuplicate(steps, insert)) {
        ui().information(QStringLiteral("Uwaga"), steps.duplicateMessage);
        return false;
    }
    return !steps.confirmSave || steps.confirmSave(insert);
}

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
