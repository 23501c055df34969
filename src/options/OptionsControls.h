#pragma once

#include "storage/BackupSettings.h"
#include "storage/ProgramOptions.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace kv {

enum class ControlKind { Check, Number, Choice };

// One control of the options window and the value of Target it edits. The
// window builds its controls from these and hands their contents back by
// name, so what a control means is decided here and not in the window.
template <typename Target> struct ControlBinding {
    QString name; // objectName of the control
    QString caption;
    ControlKind kind = ControlKind::Check;
    bool Target::*flag = nullptr;  // Check
    int Target::*number = nullptr; // Number and Choice
    int minimum = 0;
    int maximum = 0;
    QStringList items; // Choice
    bool hidden = false;
};

using OptionBinding = ControlBinding<ProgramOptions>;
using BackupBinding = ControlBinding<BackupSettings>;

// What the controls hold, by control name: a bool for a check box, the text
// of a number field (an int is taken as well), the index of a list.
using ControlValues = QHash<QString, QVariant>;

// Every option the window edits, in the order of the window's pages.
const QList<OptionBinding>& optionBindings();
// The five controls of the page "Kopia zapasowa".
const QList<BackupBinding>& backupBindings();

const OptionBinding* findOptionBinding(const QString& name);
const BackupBinding* findBackupBinding(const QString& name);

// The integer typed into a number field. A text that is not an integer, or
// one outside the field's range, keeps the old value.
int integerFieldValue(const QString& text, int oldValue, int minimum, int maximum);

// The values the controls start with. Numbers outside a field's range are
// shown at the nearest end of it, as the field cannot hold anything else.
ControlValues controlValues(const ProgramOptions& options);
ControlValues controlValues(const BackupSettings& settings);

// Takes the controls' values into a copy of the old values. Controls that are
// missing keep their value; so does a number field without an integer in its
// range and a list without a valid choice.
ProgramOptions takeControlValues(ProgramOptions old, const ControlValues& values);
BackupSettings takeControlValues(BackupSettings old, const ControlValues& values);

} // namespace kv
