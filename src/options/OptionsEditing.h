#pragma once

#include "options/OptionsControls.h"
#include "storage/BackupSettings.h"

namespace kv {

// What the options window does, step by step, without the window: what its
// controls show, what "  &Zapisz   " stores and what becomes of the company's
// backup settings when it closes. One object serves one showing of the window.
class OptionsEditing {
public:
    // Before showing: reads the backup settings of the open company. Without a
    // data module or an open company there is nothing to read, and a failed
    // read is reported by the data module; the backup controls then stay
    // disabled and nothing is written back.
    void begin();

    bool backupAvailable() const { return m_backupLoaded; }
    // The backup controls are enabled only for an administrator.
    bool backupEditable() const;

    // The program's options for the controls; the power-on check box follows
    // the autostart entry rather than the stored option.
    ControlValues optionValues() const;
    ControlValues backupValues() const;

    // "  &Zapisz   ": takes the controls into the program's options, switches
    // the autostart entry and saves the options, also when the entry was
    // refused.
    void save(const ControlValues& values);

    // After the window closed, saved or cancelled: an administrator's changes
    // of the backup controls are written to system.DB. Only the settings the
    // user changed are written, over the company's settings as they are now,
    // so that a backup made or a setting changed elsewhere while the window
    // was open is not undone. True when something was written.
    bool finish(const ControlValues& backupControls);

private:
    bool m_backupLoaded = false;
    BackupSettings m_shownBackup;
};

} // namespace kv
