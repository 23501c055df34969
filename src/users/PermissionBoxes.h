#pragma once

#include <QList>
#include <QString>
#include <utility>

namespace kv {

// The permission table of the administration window: check box cbN stands
// for permission N, for N from 0 to 53.
constexpr int kPermissionBoxCount = 54;

// A register's row: its label, the read box ("Odczyt") and the write box
// ("Zapis"), -1 where the register has none.
struct RegisterPermissionRow {
    QString label;
    int read;
    int write;
    bool hidden = false;
};

// A box of the "Dostęp" column.
struct AccessPermissionBox {
    int number;
    QString caption;
    bool hidden = false;
};

// In the order the window shows them. Together they name every box from cb0
// to cb53 exactly once.
const QList<RegisterPermissionRow>& registerPermissionRows();
const QList<AccessPermissionBox>& accessPermissionBoxes();

// One permission granted (true) or revoked (false).
using PermissionChange = std::pair<int, bool>;
// What ticking (granted) or unticking a box changes. A register's write
// permission is no use without its read permission, so it is never held
// alone: unticking "Odczyt" also unticks "Zapis" of that register, and ticking
// "Zapis" also ticks "Odczyt". The permissions needed first come first (read
// before write when granting, write before read when revoking); the clicked
// box is always in the list.
QList<PermissionChange> permissionChangesFor(int number, bool granted);

} // namespace kv
