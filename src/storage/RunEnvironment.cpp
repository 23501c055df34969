#include "storage/RunEnvironment.h"

#include "storage/ErrorLog.h"
#include "storage/SettingsPaths.h"
#include "storage/TableMaintenance.h"
#include "storage/engine/EngineSession.h"
#include "support/Clock.h"
#include "support/OsFileLock.h"

#include <QCoreApplication>
#include <QDir>
#include <memory>

#include <unistd.h>

#include <sqlite3.h>

namespace kv {

namespace {

std::unique_ptr<OsFileLock>& instanceLock() {
    static std::unique_ptr<OsFileLock> lock;
    return lock;
}

std::unique_ptr<OsFileLock>& runHold() {
    static std::unique_ptr<OsFileLock> hold;
    return hold;
}

QString& runDirectory() {
    static QString dir;
    return dir;
}

// An empty text when the engine answers as SQLCipher, else what went wrong.
QString probeEngine() {
    if (sqlite3_initialize() != SQLITE_OK)
        return QStringLiteral("SQLCipher: sqlite3_initialize failed");
    sqlite3* db = nullptr;
    if (sqlite3_open(":memory:", &db) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        return message;
    }
    QString cipher;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA cipher_version", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        cipher = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    if (cipher.isEmpty())
        return QStringLiteral("SQLCipher: the linked SQLite library has no encryption");
    return {};
}

} // namespace

bool acquireSingleInstance() {
    auto& lock = instanceLock();
    if (lock && lock->isLocked())
        return true; // this copy holds it already
    // One copy per user: in a settings folder shared by the computer's users,
    // another user's copy must not stop this one.
    lock = std::make_unique<OsFileLock>(
        settingsFile(QStringLiteral("karvento.%1.instance").arg(::getuid())));
    return lock->tryLockExclusive();
}

void releaseSingleInstance() {
    instanceLock().reset();
}

QString runStartStamp() {
    static const QString stamp = Clock::now().toString(QStringLiteral("yyyyMMddHHmmss"));
    return stamp;
}

QString runTemporaryDirectory() {
    return runDirectory();
}

EngineStart engineStartFailure(const QString& engineMessage) {
    EngineStart r;
    r.ok = false;
    r.engineMessage = engineMessage;
    if (engineMessage.contains(QLatin1String("SQLCipher"))) {
        r.logCode = 391;
        r.message =
            QStringLiteral(
                "Pojawił się problem z silnikiem bazy danych SQLCipher. Spróbuj zainstalować "
                "silnik ponownie. W tym celu zainstaluj ponownie pakiet \"libsqlcipher0\" "
                "(np. poleceniem \"apt-get install --reinstall libsqlcipher0\"). "
                "Oryginalny komunikat: ") +
            engineMessage;
    } else {
        r.logCode = 392;
        r.message = QStringLiteral("Pojawił się nierozpoznany problem z Bazą Danych. Znaleziona "
                                   "wersja SQLCipher ") +
                    engineVersionText() + QStringLiteral(". Oryginalny komunikat: ") +
                    engineMessage;
    }
    return r;
}

EngineStart startEngineSession() {
    engine::EngineSession& session = engine::EngineSession::defaultSession();
    session.setControlDirectory(settingsDirectory());
    // The process number keeps two copies started in the same second apart.
    const QString dir = settingsFile(QStringLiteral("tmpFile/%1-%2")
                                         .arg(runStartStamp())
                                         .arg(QCoreApplication::applicationPid()));
    if (QDir().mkdir(dir) || QDir(dir).exists()) {
        runDirectory() = dir;
        runHold() = OsFileLock::holdDirectory(dir);
        session.setPrivateDirectory(dir);
    }
    const QString failure = probeEngine();
    if (!failure.isEmpty())
        return engineStartFailure(failure);
    return {};
}

void configureEngineSharing() {
    const QString key = QStringLiteral("\\SYSTEM\\INIT\\;LOCAL SHARE");
    if (readEngineSetting(key).toUpper() == u"FALSE")
        writeEngineSetting(key, QStringLiteral("TRUE"));
}

void writeLogViewerLines(const QString& databaseLocation) {
    appendErrorLog(codedLine(9999999999LL, QStringLiteral("db location=") + databaseLocation));
    appendErrorLog(codedLine(9999999999LL, QStringLiteral("Config dir=") + settingsDirectory()));
    appendErrorLog(codedLine(9999999999LL, QStringLiteral("Install dir=") + installDirectory()));
}

void releaseRunTemporaryDirectory() {
    runHold().reset();
}

void removeTemporaryDirectories() {
    const QDir tmp(settingsFile(QStringLiteral("tmpFile")));
    const QStringList entries = tmp.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        const QString path = tmp.filePath(entry);
        // A directory another running copy still uses stays: removing it would
        // pull the ground from under that copy's engine.
        if (OsFileLock::isDirectoryHeld(path))
            continue;
        QDir(path).removeRecursively();
    }
}

} // namespace kv
