#pragma once

#include "TestSupport.h"

#include "schema/Schema.h"
#include "storage/engine/Connection.h"

#include <QDir>
#include <QFile>

namespace kv::test {

// A database location whose companies are copies of the templates, each
// holding the built-in ADMIN with the password "zebux", all protected with
// the template password.
struct CompanySpec {
    QString name;
    QString folder;
};

inline QString makeLoginLocation(TestEnvironment& env, const QString& name,
                                 const QList<CompanySpec>& companies = {
                                     {QStringLiteral("Firma testowa"), QStringLiteral("firma")}}) {
    const QString location = env.newDirectory(name);
    QFile::copy(QDir(templateDataDir()).filePath(QStringLiteral("firmyblank.D_")),
                QDir(location).filePath(QStringLiteral("firmy.DB")));
    QFile(QDir(location).filePath(QStringLiteral("firmy.DB")))
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    engine::EngineSession session;
    session.addPassword(schema::kTemplatePassword);
    engine::Connection connection(&session);
    connection.open(location, false);
    for (const CompanySpec& c : companies) {
        makeTemplateCompany(QDir(location).filePath(c.folder));
        connection.execute(QStringLiteral("INSERT INTO firmy.DB (NAZWA, DIR) VALUES (:A, :B)"),
                           {{QStringLiteral("A"), c.name}, {QStringLiteral("B"), c.folder}});
    }
    return location;
}

} // namespace kv::test
