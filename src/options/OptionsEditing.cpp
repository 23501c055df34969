#include "options/OptionsEditing.h"

#include "options/Autostart.h"
#include "storage/DataModule.h"
#include "storage/ProgramOptions.h"
#include "users/Permissions.h"

namespace kv {

namespace {

DataModule* openCompany() {
    DataModule* db = DataModule::current();
    if (!db || !db->companyConnection().isOpen())
        return nullptr;
    return db;
}

bool isAdministrator() {
    return currentLogin().permissions.has(permission::Administrator);
}

} // namespace

void OptionsEditing::begin() {
    m_backupLoaded = false;
    m_shownBackup = BackupSettings{};
    DataModule* db = openCompany();
    if (!db)
        return;
    bool ok = false;
    const BackupSettings loaded = db->loadBackupSettings(&ok);
    if (!ok)
        return;
    // What the controls will show, so that a stored value outside a field's
    // range does not count as a change when the window closes.
    m_shownBackup = takeControlValues(loaded, controlValues(loaded));
    m_backupLoaded = true;
}

bool OptionsEditing::backupEditable() const {
    return m_backupLoaded && isAdministrator();
}

ControlValues OptionsEditing::optionValues() const {
    ControlValues values = controlValues(programOptions());
    values.insert(QStringLiteral("cbPowerOnSprawdzacz"), autostart::isOn());
    return values;
}

ControlValues OptionsEditing::backupValues() const {
    return controlValues(m_shownBackup);
}

void OptionsEditing::save(const ControlValues& values) {
    ProgramOptions& options = programOptions();
    options = takeControlValues(options, values);
    autostart::apply(options.cbPowerOnSprawdzacz);
    saveProgramOptions();
}

bool OptionsEditing::finish(const ControlValues& backupControls) {
    if (!backupEditable())
        return false;
    DataModule* db = openCompany();
    if (!db)
        return false;
    const BackupSettings taken = takeControlValues(m_shownBackup, backupControls);
    if (taken == m_shownBackup)
        return false;
    bool ok = false;
    BackupSettings current = db->loadBackupSettings(&ok);
    if (!ok)
        return false;
    for (const BackupBinding& b : backupBindings()) {
        if (b.flag && taken.*(b.flag) != m_shownBackup.*(b.flag))
            current.*(b.flag) = taken.*(b.flag);
        if (b.number && taken.*(b.number) != m_shownBackup.*(b.number))
            current.*(b.number) = taken.*(b.number);
    }
    m_shownBackup = taken;
    return db->saveBackupSettings(current);
}

} // namespace kv
