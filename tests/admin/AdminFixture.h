#pragma once

#include "TestSupport.h"
#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/engine/EngineSession.h"
#include "support/Clock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTest>

namespace kv::test {

// A company made of the templates (template password) in a location of its
// own, opened as after a login.
struct AdminCompany {
    QString location;
    QString directory;
    std::unique_ptr<DataModule> db;
};

inline AdminCompany makeAdminCompany(TestEnvironment& env, const QString& name) {
    AdminCompany c;
    c.location = env.newDirectory(name);
    c.directory = makeTemplateCompany(QDir(c.location).filePath(QStringLiteral("firma")));
    c.db = openCompanyIn(c.location, QStringLiteral("firma"));
    return c;
}

inline void pinAdminToday() {
    Clock::setFixed(QDateTime(QDate(2024, 3, 16), QTime(9, 30)));
}

// The bytes of every company table file of a folder, by name, as hashes.
inline QMap<QString, QByteArray> tableHashes(const QString& folder) {
    QMap<QString, QByteArray> hashes;
    for (const QString& file : schema::companyTableFiles()) {
        QFile f(QDir(folder).filePath(file));
        if (f.open(QIODevice::ReadOnly))
            hashes.insert(file, QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256));
    }
    return hashes;
}

inline int countRows(DataModule& db, const QString& sql) {
    return db.select(sql).value(0, 0).toInt();
}

// Another program with the company open, for as long as it lives.
class CompanyHolder {
public:
    explicit CompanyHolder(const QString& directory,
                           const QString& password = schema::kTemplatePassword) {
        m_process.start(helperProgram(QStringLiteral("kv-engine-helper")),
                        {QStringLiteral("hold"), directory, password});
        m_ready = m_process.waitForStarted() && m_process.waitForReadyRead(20000) &&
                  m_process.readAll().contains("ready");
    }
    ~CompanyHolder() {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(20000))
            m_process.kill();
    }
    bool ready() const { return m_ready; }

private:
    QProcess m_process;
    bool m_ready = false;
};

} // namespace kv::test
