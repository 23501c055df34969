#pragma once

#include <QList>
#include <QString>

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

} // namespace kv
