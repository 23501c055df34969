#pragma once

#include "users/Permissions.h"

#include <QVariant>

namespace kv {

class DataModule;

// A stored UPR as a permission number: a whole number from 0 to 100, written
// in decimal (blanks around it allowed); -1 for anything else.
int permissionNumberOf(const QVariant& upr);

// The permissions uprawnienia.DB grants the user (ADMIN not treated apart);
// throws DatabaseError.
PermissionSet readGrantedPermissions(DataModule& db, const QString& user);

// Fills the permission set of the logged-in user: ADMIN holds every one of
// the 101, anyone else what uprawnienia.DB grants. A failure is reported with
// code 221 and leaves what was set before it; false then.
bool loadPermissions(DataModule& db, LoginState& login = currentLogin());

// After the user administration window: the logged-in user's description
// read again (a failure is reported with code 222 and keeps the old one) and
// the permissions loaded again. The caller then shows the user label, the
// start page and applies the permissions.
void reloadLoggedInUser(DataModule& db, LoginState& login = currentLogin());

} // namespace kv
