#include "users/UserAdministration.h"

#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/UserInterface.h"
#include "users/PasswordHash.h"
#include "users/PermissionLoading.h"
#include "users/UserQueries.h"

namespace kv {

namespace {
const QString kCaution = QStringLiteral("Uwaga");
const QString kRightsTable = QStringLiteral("uprawnienia");
} // namespace

UserAdministration::UserAdministration(DataModule& db) : m_db(db) {
    registerUserQueries(db);
}

std::optional<QList<UserRecord>> UserAdministration::users() {
    try {
        const auto rows = m_db.open(m_db.query(userquery::Users));
        QList<UserRecord> list;
        for (int i = 0; i < rows->rowCount(); ++i)
            list.append({rows->text(i, QStringLiteral("NAZWA")),
                         rows->text(i, QStringLiteral("OPIS")),
                         rows->text(i, QStringLiteral("SUPERVISOR")) == u"T"});
        return list;
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 210);
        return std::nullopt;
    }
}

UserAdministration::Result UserAdministration::addUser(const UserEditValues& values) {
    const QString name = values.name.trimmed().toUpper();
    if (m_db.recordExistsByText(QStringLiteral("userzy"), QStringLiteral("NAZWA"), name)) {
        ui().information(kCaution, kDuplicateUserText);
        return Result::Duplicate;
    }
    try {
        m_db.execute(m_db.query(userquery::InsertUser),
                     {name, hashPassword(values.password), values.description});
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 203);
        return Result::Failed;
    }
    return grantInitialPermissions(name) ? Result::Done : Result::Failed;
}

bool UserAdministration::grantInitialPermissions(const QString& user) {
    // One transaction: 53 rows written one by one would each wait for the
    // disk, which on a network share takes seconds.
    engine::Connection& connection = m_db.companyConnection();
    try {
        connection.beginWrite({kRightsTable});
        m_db.execute(m_db.query(userquery::DeleteAllRights), {user});
        for (int n = kFirstNewUserPermission; n <= kLastNewUserPermission; ++n)
            m_db.execute(m_db.query(userquery::InsertRights), {user, QString::number(n)});
        connection.commit();
        return true;
    } catch (const DatabaseError& e) {
        connection.rollback();
        reportDatabaseError(e.message(), true, 203);
        return false;
    }
}

UserAdministration::Result UserAdministration::changeUser(const UserEditValues& values) {
    try {
        const int changed = m_db.execute(
            m_db.query(userquery::UpdateUser),
            {hashPassword(values.password), values.description, values.name.trimmed().toUpper()});
        return changed > 0 ? Result::Done : Result::Failed;
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 202);
        return Result::Failed;
    }
}

UserAdministration::Result UserAdministration::deleteUser(const UserRecord& user,
                                                          const QString& loggedInUser) {
    const QString name = user.name.toUpper();
    // The name counts as much as the flag: loadPermissions gives everything
    // to whoever is called ADMIN.
    if (user.supervisor || name == kAdministratorName) {
        ui().information(kCaution, kDeleteAdministratorText);
        return Result::Refused;
    }
    if (name == loggedInUser.trimmed().toUpper()) {
        ui().information(kCaution, kDeleteLoggedInUserText);
        return Result::Refused;
    }
    if (!ui().question(QStringLiteral("Pytanie"), kDeleteUserQuestion, DefaultAnswer::No))
        return Result::Cancelled;
    bool ok = true;
    try {
        m_db.execute(m_db.query(userquery::DeleteUser), {user.name});
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 204);
        ok = false;
    }
    try {
        m_db.execute(m_db.query(userquery::DeleteAllRights), {user.name});
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 205);
        ok = false;
    }
    return ok ? Result::Done : Result::Failed;
}

std::optional<PermissionSet> UserAdministration::permissionsOf(const QString& user) {
    if (user == kAdministratorName) {
        PermissionSet all;
        all.setAll(true);
        return all;
    }
    try {
        return readGrantedPermissions(m_db, user);
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 210);
        return std::nullopt;
    }
}

bool UserAdministration::setPermission(const QString& user, int number, bool granted) {
    const QString upr = QString::number(number);
    try {
        if (granted) {
            if (m_db.open(m_db.query(userquery::FindRights), {user, upr})->isEmpty())
                m_db.execute(m_db.query(userquery::InsertRights), {user, upr});
            return true;
        }
        // A row written as " 2" or "02" grants 2 as well: remove it by its own text.
        const auto rows = m_db.open(m_db.query(userquery::Rights), {user});
        QStringList texts;
        for (int i = 0; i < rows->rowCount(); ++i)
            if (permissionNumberOf(rows->value(i, QStringLiteral("UPR"))) == number)
                texts.append(rows->text(i, QStringLiteral("UPR")));
        for (const QString& text : std::as_const(texts))
            m_db.execute(m_db.query(userquery::DeleteRights), {user, text});
        return true;
    } catch (const DatabaseError&) {
        return false;
    }
}

} // namespace kv
