#pragma once

#include "ScriptedUserInterface.h"
#include "storage/DataModule.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace kv::test {

// A private settings directory for one test suite (KARVENTO_SETTINGS_DIR), and a
// scripted user interface installed for its lifetime.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();

    QString settingsDir() const { return m_settings.path(); }
    // A fresh, empty folder below the suite's scratch space.
    QString newDirectory(const QString& name);
    ScriptedUserInterface& ui() { return m_ui; }

private:
    QTemporaryDir m_settings;
    QTemporaryDir m_scratch;
    ScriptedUserInterface m_ui;
};

// The generated installation data of the build tree (data/empty, firmy.D_ ...).
QString templateDataDir();

// Copies the 30 empty template tables into a directory as a company (*.DB),
// still protected with the template password. Returns the directory.
QString makeTemplateCompany(const QString& directory);

// A data module on the location with the company folder opened; null when the
// company cannot be opened.
std::unique_ptr<DataModule> openCompanyIn(const QString& location, const QString& folder);

// The whole error log of the settings directory ("" when there is none).
QString readErrorLog();

// Path of a helper program built with the tests.
QString helperProgram(const QString& name);

// Another program inserting rows into a company's tables in a loop for as
// long as this object lives.
class BusyWriter {
public:
    explicit BusyWriter(const QString& companyDirectory);
    ~BusyWriter();
    BusyWriter(const BusyWriter&) = delete;
    BusyWriter& operator=(const BusyWriter&) = delete;
    // True once the writer has started writing.
    bool started() const { return m_started; }

private:
    std::unique_ptr<QProcess> m_process;
    bool m_started = false;
};

} // namespace kv::test
