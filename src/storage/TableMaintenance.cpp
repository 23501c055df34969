#include "storage/TableMaintenance.h"

#include "storage/ErrorLog.h"
#include "storage/ErrorReport.h"
#include "storage/SettingsPaths.h"
#include "storage/engine/Connection.h"
#include "storage/engine/DatabaseError.h"
#include "storage/engine/EngineSession.h"
#include "storage/engine/KeyDerivation.h"
#include "storage/engine/PresenceLock.h"
#include "support/Clock.h"
#include "support/IniFile.h"
#include "support/OsFileLock.h"
#include "support/UserInterface.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

// The re-key function is declared only for builds with the codec.
#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

namespace kv {

namespace {

using engine::Connection;
using engine::EngineSession;

QString baseNameOf(const QString& tableFile) {
    QString base = tableFile;
    if (base.endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
        base.chop(3);
    return base.toLower();
}

// A session created for one operation: its own name, a private directory under
// "tmpFile" (removed with the others at program end), the network control
// directory of the table's directory, and only the one password.
class ThrowawaySession {
public:
    ThrowawaySession(const QString& prefix, const QString& directory, const QString& password) {
        const QString stamp = Clock::now().toString(QStringLiteral("yyyyMMddHHmmss"));
        m_session = EngineSession(prefix + stamp +
                                  QString::number(QRandomGenerator::global()->bounded(9999999)));
        const QString priv =
            settingsFile(QStringLiteral("tmpFile/") + stamp + QStringLiteral("TMP"));
        if (QDir(priv).exists() || QDir().mkdir(priv)) {
            m_session.setPrivateDirectory(priv);
            // Held while the session lives, so that another program's clean-up
            // of the temporary folders leaves it alone.
            m_hold = OsFileLock::holdDirectory(priv);
        }
        m_session.setControlDirectory(EngineSession::networkControlDirectoryFor(directory));
        m_session.addPassword(password);
    }
    EngineSession* get() { return &m_session; }

private:
    EngineSession m_session;
    std::unique_ptr<OsFileLock> m_hold;
};

// Opens the table's directory in the session, with the table checked to exist.
void openTable(Connection& c, const QString& directory, const QString& base, bool presence) {
    c.open(directory, presence);
    if (!c.tableFileExists(base))
        throw DatabaseError(QStringLiteral("Table does not exist: %1.DB").arg(base));
}

// Holds the directory alone and makes the program's own connections let go of
// the table file; throws when another program has the directory open.
std::unique_ptr<engine::PresenceLock::Exclusive> holdExclusively(Connection& c,
                                                                 const QString& base) {
    auto hold = engine::PresenceLock::tryExclusive(c.directory());
    if (!hold)
        throw DatabaseError(
            QStringLiteral("Tabela %1.DB jest otwarta przez innego użytkownika.").arg(base));
    if (!Connection::releaseFileEverywhere(c.tableFilePath(base)))
        throw DatabaseError(QStringLiteral("Tabela %1.DB jest w użyciu.").arg(base));
    return hold;
}

QString engineSettingsPath() {
    return settingsFile(QStringLiteral("engine.cfg"));
}

} // namespace

bool trialOpenTable(const QString& directory, const QString& tableFile, const QString& password) {
    try {
        ThrowawaySession session(QStringLiteral("tmpSession"), directory, password);
        Connection c(session.get());
        const QString base = baseNameOf(tableFile);
        openTable(c, directory, base, false);
        c.attachTable(base);
        c.query(QStringLiteral("SELECT * FROM \"%1\" LIMIT 0").arg(base));
        return true;
    } catch (const DatabaseError& e) {
        if (e.message().contains(QLatin1String("Cannot access directory")))
            ui().systemMessage(QStringLiteral("Karvento"),
                               QStringLiteral("Pojawił się problem z dostępem do Bazy Danych. "
                                              "Pliki bazy danych zostały zablokowane. Zamknij "
                                              "niezwłocznie program i uruchom go ponownie. "
                                              "\nOryginalny komunikat: \n") +
                                   e.message());
        appendErrorLog(codedLine(3104, QStringLiteral("Błąd silnika SQLCipher: ") + e.message()));
    } catch (const std::exception& e) {
        appendErrorLog(
            codedLine(3105, QStringLiteral("Błąd DBconnect: ") + QString::fromLocal8Bit(e.what())));
    }
    return false;
}

bool packTable(const QString& directory, const QString& tableFile, const QString& password) {
    try {
        ThrowawaySession session(QStringLiteral("tmpSessionPackTable"), directory, password);
        Connection c(session.get());
        const QString base = baseNameOf(tableFile);
        openTable(c, directory, base, false);
        const auto hold = holdExclusively(c, base);
        c.attachTable(base);
        c.execute(QStringLiteral("VACUUM \"%1\"").arg(base));
        c.detachAll();
        return true;
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 370);
    } catch (const std::exception& e) {
        reportDatabaseError(QString::fromLocal8Bit(e.what()), true, 370);
    }
    return false;
}

bool setTablePassword(const QString& directory, const QString& tableFile,
                      const QString& newPassword, const QString& currentPassword) {
    try {
        if (newPassword.isEmpty())
            throw DatabaseError(QStringLiteral("Puste hasło tabeli."));
        ThrowawaySession session(QStringLiteral("tmpSessionAddKV"), directory, currentPassword);
        Connection c(session.get());
        const QString base = baseNameOf(tableFile);
        openTable(c, directory, base, false);
        const auto hold = holdExclusively(c, base);
        c.attachTable(base);
        // The key goes to the engine as data, never through statement text.
        const QByteArray key = engine::rawKeyForPassword(newPassword).toLatin1();
        const QByteArray name = base.toUtf8();
        if (sqlite3_rekey_v2(c.handle(), name.constData(), key.constData(),
                             static_cast<int>(key.size())) != SQLITE_OK)
            throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(c.handle())));
        c.detachAll();
        return true;
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 220);
    } catch (const std::exception& e) {
        reportDatabaseError(QString::fromLocal8Bit(e.what()), true, 220);
    }
    return false;
}

void deleteLockFiles(const QString& directory) {
    QString dir = directory;
    while (dir.endsWith(u'\\') || dir.endsWith(u'/'))
        dir.chop(1);
    if (dir.isEmpty())
        return;
    QFile::remove(QDir(dir).filePath(QStringLiteral("PDOXUSRS.LCK")));
    QFile::remove(QDir(dir).filePath(QStringLiteral("PARADOX.LCK")));
}

QString engineVersionText() {
    const int v = sqlite3_libversion_number();
    return v > 0 ? QString::number(v) : QStringLiteral("-1");
}

QString engineDescription() {
    QString cipher;
    sqlite3* db = nullptr;
    if (sqlite3_open(":memory:", &db) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA cipher_version", -1, &stmt, nullptr) == SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW)
            cipher = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return QStringLiteral("SQLCipher %1 (SQLite %2)")
        .arg(cipher.isEmpty() ? QStringLiteral("?") : cipher,
             QString::fromLatin1(sqlite3_libversion()));
}

QString readEngineSetting(const QString& pathAndEntry) {
    const int split = pathAndEntry.indexOf(u';');
    if (split < 0)
        return {};
    IniFile store(engineSettingsPath());
    if (!store.load())
        return {};
    return store.readString(pathAndEntry.left(split), pathAndEntry.mid(split + 1));
}

void writeEngineSetting(const QString& pathAndEntry, const QString& value) {
    const int split = pathAndEntry.indexOf(u';');
    if (split < 0)
        return;
    IniFile store(engineSettingsPath());
    if (!store.load())
        return;
    store.writeString(pathAndEntry.left(split), pathAndEntry.mid(split + 1), value);
    store.save();
}

} // namespace kv
