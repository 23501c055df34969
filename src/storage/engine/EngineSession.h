#pragma once

#include <QString>
#include <QStringList>

namespace kv::engine {

// What the connections of a session share: the passwords they may use to open
// table files, and the private directory where each connection keeps its own
// main database file (which gives SQLite its journal for changes that touch
// several table files at once).
class EngineSession {
public:
    EngineSession() = default;
    explicit EngineSession(QString name) : m_name(std::move(name)) {}

    // The session every connection of the program uses unless given another.
    static EngineSession& defaultSession();

    const QString& name() const { return m_name; }

    const QStringList& passwords() const { return m_passwords; }
    void addPassword(const QString& password);
    void removeAllPasswords() { m_passwords.clear(); }

    // Empty: connections keep their main database in memory.
    const QString& privateDirectory() const { return m_privateDirectory; }
    void setPrivateDirectory(const QString& dir) { m_privateDirectory = dir; }

    // The shared directory where programs of one location meet (the settings
    // directory for the program's own session, see networkControlDirectoryFor).
    const QString& controlDirectory() const { return m_controlDirectory; }
    void setControlDirectory(const QString& dir) { m_controlDirectory = dir; }

    // Where a throw-away session working on a table directory meets other
    // programs: its "NetFileDir" subdirectory when present, else "NetFileDir"
    // beside it (in its parent), else the directory itself.
    static QString networkControlDirectoryFor(const QString& tableDirectory);

private:
    QString m_name;
    QStringList m_passwords;
    QString m_privateDirectory;
    QString m_controlDirectory;
};

} // namespace kv::engine
