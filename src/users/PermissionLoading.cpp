#include "users/PermissionLoading.h"

#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "users/UserQueries.h"

namespace kv {

int permissionNumberOf(const QVariant& upr) {
    if (!upr.isValid() || upr.isNull())
        return -1;
    bool ok = false;
    const int number = upr.toString().trimmed().toInt(&ok, 10);
    return ok && number >= 0 && number < PermissionSet::kCount ? number : -1;
}

PermissionSet readGrantedPermissions(DataModule& db, const QString& user) {
    registerUserQueries(db);
    PermissionSet set;
    const auto rows = db.open(db.query(userquery::Rights), {user});
    for (int i = 0; i < rows->rowCount(); ++i) {
        const int number = permissionNumberOf(rows->value(i, QStringLiteral("UPR")));
        if (number >= 0)
            set.set(number);
    }
    return set;
}

bool loadPermissions(DataModule& db, LoginState& login) {
    PermissionSet& set = login.permissions;
    if (login.userName == kAdministratorName) {
        set.setAll(true);
        return true;
    }
    set.setAll(false);
    try {
        set = readGrantedPermissions(db, login.userName);
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 221);
        return false;
    }
    return true;
}

void reloadLoggedInUser(DataModule& db, LoginState& login) {
    registerUserQueries(db);
    try {
        const auto rows = db.open(db.query(userquery::User), {login.userName});
        if (!rows->isEmpty())
            login.userDescription = rows->text(0, QStringLiteral("OPIS"));
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 222);
    }
    loadPermissions(db, login);
}

} // namespace kv
