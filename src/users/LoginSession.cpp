#include "users/LoginSession.h"

#include "location/CompanyAdministration.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/ErrorReport.h"
#include "storage/ProgramOptions.h"
#include "storage/TableMaintenance.h"
#include "storage/engine/DatabaseError.h"
#include "storage/engine/EngineSession.h"
#include "support/UserInterface.h"
#include "users/PasswordHash.h"
#include "users/Permissions.h"
#include "users/UserQueries.h"

#include <QDir>

namespace kv {

namespace {

constexpr int kPrepareCode = 330;
constexpr int kLoginCode = 222;

} // namespace

LoginSession::LoginSession(DataModule& db) : m_db(db) {
    registerUserQueries(db);
}

std::optional<QList<LoginCompany>> LoginSession::prepare(const DatabaseLocation& location) {
    m_failed = 0;
    m_accepted = false;
    QList<LoginCompany> companies;
    try {
        engine::EngineSession& session = engine::EngineSession::defaultSession();
        session.removeAllPasswords();
        session.addPassword(location.password);
        m_db.setLocation(location.location);
        deleteLockFiles(m_db.location());
        m_db.closeAllQueries();
        m_db.connectMain();
        const ResultSet rows =
            m_db.select(QStringLiteral("SELECT * FROM firmy.DB\nORDER BY NAZWA COLLATE PL"), {},
                        ConnectionKind::Main);
        for (int i = 0; i < rows.rowCount(); ++i)
            companies.append(
                {rows.text(i, QStringLiteral("NAZWA")), rows.text(i, QStringLiteral("DIR"))});
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kPrepareCode);
        return std::nullopt;
    }
    return companies;
}

int LoginSession::preselectedIndex(const QList<LoginCompany>& companies,
                                   const QString& rememberedDir) {
    if (!rememberedDir.isEmpty())
        for (int i = 0; i < companies.size(); ++i)
            if (companies.at(i).dir == rememberedDir)
                return i;
    return companies.isEmpty() ? -1 : 0;
}

LoginSession::Outcome LoginSession::refuse() {
    ++m_failed;
    return closed() ? Outcome::Closed : Outcome::Refused;
}

bool LoginSession::openCompany(const QString& dir) {
    // The folder comes from firmy.DB and is joined to the location: it must
    // name one folder inside it, nothing else.
    if (!companyFolderProblem(dir).isEmpty()) {
        reportDatabaseError(QStringLiteral("Niepoprawny folder firmy: %1").arg(dir), true,
                            kLoginCode);
        return false;
    }
    deleteLockFiles(QDir(m_db.location()).filePath(dir));
    m_db.closeAllQueries();
    if (m_db.openCompanyDatabase(dir))
        return true;
    // The database may be open with only a later step of opening failed (the
    // vehicle kinds); that was reported already and does not stop the login.
    return m_db.companyDirectoryName() == dir && m_db.companyConnection().isOpen() &&
           m_db.mainConnection().isOpen();
}

LoginSession::Outcome LoginSession::attempt(const LoginCompany& company, const QString& user,
                                            const QString& password) {
    if (closed())
        return Outcome::Closed;
    if (company.dir.isEmpty()) {
        ui().information(QStringLiteral("Informacja"), kNoCompanyText);
        return Outcome::NoCompany;
    }
    const QString name = user.trimmed().toUpper();
    if (name.isEmpty() || password.size() < kMinPasswordLength)
        return refuse();
    if (!openCompany(company.dir))
        return Outcome::DatabaseFailure;

    std::optional<QString> stored;
    QString description;
    try {
        const auto rows = m_db.open(m_db.query(userquery::User), {name});
        if (!rows->isEmpty()) {
            stored = rows->text(0, QStringLiteral("HASLO"));
            description = rows->text(0, QStringLiteral("OPIS"));
        }
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kLoginCode);
        return Outcome::DatabaseFailure;
    }
    // A missing user is checked too (against a hash nobody knows the password
    // of), so the refusal takes as long as a wrong password of a real user.
    const PasswordMatch match = checkLoginPassword(stored, password);
    if (match == PasswordMatch::None)
        return refuse();
    if (match != PasswordMatch::Hash)
        replaceOlderPasswordForm(name, password, description);

    LoginState& login = currentLogin();
    login.forget();
    login.userName = name;
    login.userDescription = description;
    login.companyDir = company.dir;
    login.companyName = company.name;
    login.accepted = true;
    programOptions().firmaDir = company.dir;
    m_accepted = true;
    return Outcome::Accepted;
}

void LoginSession::replaceOlderPasswordForm(const QString& user, const QString& password,
                                            const QString& description) {
    try {
        m_db.execute(m_db.query(userquery::UpdateUser),
                     {hashPassword(password), description, user});
    } catch (const DatabaseError& e) {
        // The login itself succeeded; a table that cannot be written now
        // (a read-only share) gets the hash at a later login.
        appendErrorLog(codedLine(kLoginCode, e.message()));
    }
}

bool LoginSession::checkLocationAfterConfiguration(DataModule& db) {
    if (checkLocation(currentDatabaseLocation()) == LocationCheck::Usable) {
        db.closeAllQueries();
        return true;
    }
    ui().information(QStringLiteral("Informacja"), kLocationUnusableText);
    return false;
}

} // namespace kv
