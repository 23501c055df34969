#include "TestSupport.h"

#include "schema/Schema.h"
#include "storage/ErrorLog.h"
#include "storage/SettingsPaths.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace kv::test {

TestEnvironment::TestEnvironment() {
    qputenv("KARVENTO_SETTINGS_DIR", m_settings.path().toUtf8());
    resetSettingsDirectory();
    settingsDirectory(); // creates debug/ and tmpFile/
    setUserInterface(&m_ui);
}

TestEnvironment::~TestEnvironment() {
    setUserInterface(nullptr);
    resetSettingsDirectory();
}

QString TestEnvironment::newDirectory(const QString& name) {
    const QString path = QDir(m_scratch.path()).filePath(name);
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

QString templateDataDir() {
    return QDir(installDirectory()).filePath(QStringLiteral("data"));
}

QString makeTemplateCompany(const QString& directory) {
    QDir().mkpath(directory);
    const QDir empty(QDir(templateDataDir()).filePath(QStringLiteral("empty")));
    for (const schema::Table& t : schema::companyTables()) {
        const QString target = QDir(directory).filePath(t.file);
        QFile::remove(target);
        if (!QFile::copy(empty.filePath(t.templateName()), target))
            qFatal("cannot copy template %s", qPrintable(t.templateName()));
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                     QFile::ReadOther);
    }
    return directory;
}

QString helperProgram(const QString& name) {
    return QDir(qEnvironmentVariable("KV_TESTS_BIN")).filePath(name);
}

} // namespace kv::test

namespace kv::test {

std::unique_ptr<DataModule> openCompanyIn(const QString& location, const QString& folder) {
    auto db = std::make_unique<DataModule>();
    db->setLocation(location);
    if (!db->openCompanyDatabase(folder))
        return nullptr;
    return db;
}

QString readErrorLog() {
    QFile f(errorLogPath());
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace kv::test

namespace kv::test {

BusyWriter::BusyWriter(const QString& companyDirectory) : m_process(std::make_unique<QProcess>()) {
    m_process->start(helperProgram(QStringLiteral("kv-engine-helper")),
                     {QStringLiteral("insertloop"), companyDirectory, schema::kTemplatePassword,
                      QStringLiteral("W")});
    m_started = m_process->waitForReadyRead(20000);
}

BusyWriter::~BusyWriter() {
    m_process->kill();
    m_process->waitForFinished();
}

} // namespace kv::test
