#pragma once

#include "storage/engine/EngineSession.h"
#include "storage/engine/ResultSet.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <mutex>

struct sqlite3;
struct sqlite3_stmt;

namespace kv::engine {

class PolishCollator;
class PreparedStatement;

// A named statement parameter (":PARAM0" is the name "PARAM0").
struct Param {
    QString name;
    QVariant value;
};
using Params = QList<Param>;

// PARAM0, PARAM1, ... bound by position, each as text.
Params positionalParams(const QStringList& values);

// A connection on one table directory: one table file per table, attached under
// the table's base name when a statement first names it. At most kMaxAttached
// files are attached at once; the least recently used ones are detached to make
// room, so one statement may name at most kMaxAttached tables.
class Connection {
public:
    static constexpr int kMaxAttached = 10;
    static constexpr int kBusyTimeoutMs = 10000;
    // The most page cache one attached table file gets (see setPageCache).
    static constexpr qint64 kMaxPageCacheKiB = 256 * 1024;

    explicit Connection(EngineSession* session = &EngineSession::defaultSession());
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Connects to a directory (a trailing separator is dropped). With
    // presence set the program announces itself there (see PresenceLock).
    // Throws DatabaseError when the directory cannot be used.
    void open(const QString& directory, bool presence = true);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    const QString& directory() const { return m_directory; }
    EngineSession* session() const { return m_session; }

    // Runs a statement that returns rows.
    ResultSet query(const QString& sql, const Params& params = {});
    // Runs a statement that returns rows and hands them over in blocks as it
    // steps: the first block holds firstBlockRows rows, every later one
    // blockRows, the last one (flagged, possibly empty) what is left. A block
    // is a ResultSet with the statement's columns. When onBlock answers false
    // the statement is finalized at once and nothing more is read.
    using BlockSink = std::function<bool(ResultSet&& block, bool last)>;
    void queryInBlocks(const QString& sql, const Params& params, int firstBlockRows, int blockRows,
                       const BlockSink& onBlock);
    // Runs a statement and returns the number of changed rows.
    int execute(const QString& sql, const Params& params = {});
    // Compiles a statement once for many runs with new values (a long series
    // of inserts inside one write transaction). It must name only tables of
    // that transaction, so that none is detached while it lives, and must not
    // outlive the connection. Throws DatabaseError.
    std::unique_ptr<PreparedStatement> prepareStatement(const QString& sql);
    // Runs a statement and hands every row to the callback without keeping the
    // rows; the callback gets the statement positioned on the row.
    void forEachRow(const QString& sql, const Params& params,
                    const std::function<void(sqlite3_stmt*)>& onRow);
    // Whether the statement only reads (a SELECT and the like). Throws when it
    // does not compile.
    bool isReadOnlyStatement(const QString& sql);

    // Write transaction over the named tables (base names); every statement
    // until commit may name only these tables. BEGIN IMMEDIATE takes the write
    // locks at once, so two programs never deadlock half-way.
    void beginWrite(const QStringList& tables);
    void commit();
    void rollback();
    bool inTransaction() const { return m_inTransaction; }

    // Reads the directory's tables from their template files ("x.D_") instead
    // of "x.DB" (for looking into the installation templates). Set before open.
    void setTemplateNames(bool templates) { m_templateNames = templates; }

    // Table files of the directory by base name, compared without regard to case.
    bool tableFileExists(const QString& baseName);
    QString tableFilePath(const QString& baseName);
    QStringList tableFiles(); // file names, sorted

    // Creates a new, empty table file protected with the password and runs the
    // statements (CREATE TABLE, CREATE INDEX ...) inside it. The statements name
    // the table by its base name.
    void createTableFile(const QString& baseName, const QString& password,
                         const QStringList& statements);

    // Copies a table file to a path while holding it against writers (a read
    // lock on the file for the length of the copy), so the copy never holds
    // half a transaction of another program. An existing target is replaced
    // only by a complete copy. Throws DatabaseError. whileHeld runs while the
    // file is held (tests use it to watch that writers wait).
    void copyTableFile(const QString& baseName, const QString& targetPath,
                       const std::function<void()>& whileHeld = {});

    // Attaches a table file explicitly (a trial opening); throws on failure.
    void attachTable(const QString& baseName);
    void detachAll();
    int attachedCount() const { return static_cast<int>(m_attached.size()); }
    QStringList attachedTables() const;

    // Detaches the file from every connection of this process, so that work
    // needing it alone can go on. False when a connection is inside a
    // transaction that uses it.
    static bool releaseFileEverywhere(const QString& filePath);

    sqlite3* handle() const { return m_db; }

    // A connection used on another thread than the one that made it holds
    // this while it works, so that releaseFileEverywhere waits for it.
    std::mutex& useMutex() { return m_useMutex; }

private:
    struct Attachment {
        QString filePath;
        quint64 lastUse = 0;
    };

    sqlite3_stmt* prepare(const QString& sql, const Params& params);
    void ensureAttached(const QStringList& tables);
    void attachFile(const QString& schema, const QString& filePath);
    void setPageCache(const QByteArray& schema, const QString& filePath);
    void detach(const QString& schema);
    void refreshFileList();
    [[noreturn]] void fail(const QString& context) const;
    static int waitWhileBusy(void* self, int attempt);

    EngineSession* m_session;
    sqlite3* m_db = nullptr;
    std::unique_ptr<PolishCollator> m_collator; // the "PL" collation of m_db
    QString m_directory;
    QString m_mainFile;
    bool m_presence = false;
    bool m_inTransaction = false;
    bool m_templateNames = false;
    QHash<QString, QString> m_files;       // lower base name -> file name
    QHash<QString, Attachment> m_attached; // schema (lower base name) -> attachment
    QHash<QString, QString> m_workingKeys; // file path -> key that opened it
    quint64 m_useCounter = 0;
    QElapsedTimer m_busySince;
    std::mutex m_useMutex;
};

// A statement compiled once; its values are bound by position (?1, ?2 ...
// or :PARAM0, :PARAM1 ... in their order) at each run.
class PreparedStatement {
public:
    ~PreparedStatement();
    PreparedStatement(const PreparedStatement&) = delete;
    PreparedStatement& operator=(const PreparedStatement&) = delete;

    // Binds the values in order and runs the statement; the changed rows.
    // Throws DatabaseError; the statement stays usable for the next run.
    int run(const QVariantList& values);

private:
    friend class Connection;
    PreparedStatement(sqlite3* db, sqlite3_stmt* stmt) : m_db(db), m_stmt(stmt) {}
    sqlite3* m_db;
    sqlite3_stmt* m_stmt;
};

} // namespace kv::engine
