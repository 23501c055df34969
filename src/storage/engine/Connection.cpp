#include "storage/engine/Connection.h"

#include "storage/engine/DatabaseError.h"
#include "storage/engine/KeyDerivation.h"
#include "storage/engine/PolishCollation.h"
#include "storage/engine/PresenceLock.h"
#include "storage/engine/SqlDialect.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSet>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <climits>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <sqlite3.h>

namespace kv::engine {

namespace {

// Every connection of the process, for releaseFileEverywhere. The reading
// thread makes and drops its connection on its own thread.
QSet<Connection*>& registry() {
    static QSet<Connection*> connections;
    return connections;
}
std::mutex& registryMutex() {
    static std::mutex mutex;
    return mutex;
}

QString stripTrailingSeparators(QString dir) {
    while (dir.size() > 1 && (dir.endsWith(u'/') || dir.endsWith(u'\\')))
        dir.chop(1);
    return dir;
}

// Finalizes a statement whatever way the caller leaves.
struct StatementGuard {
    sqlite3_stmt* stmt;
    ~StatementGuard() { sqlite3_finalize(stmt); }
};

// The texts of one result column, so that rows repeating a text share one
// QString. A register repeats a few texts all down a column (the vehicle, its
// kind and the driver joined from other tables, T/N flags): sharing saves an
// allocation and a UTF-8 conversion per cell and about half the memory of a
// large result. Remembering a text costs more than converting it, so a column
// that does not repeat itself (notes, numbers) is soon left alone: it is given
// up when it has shown kTrialTexts different texts but found a known one again
// fewer than kTrialTexts / 4 times, or kMaxTexts different texts but fewer
// repeats than that. Past kMaxTexts no new text is remembered in any case.
class ColumnTexts {
public:
    QString text(const char* data, int size) {
        if (m_giveUp)
            return QString::fromUtf8(data, size);
        const std::string_view bytes(data, static_cast<size_t>(size));
        const auto it = m_texts.find(bytes);
        if (it != m_texts.end()) {
            ++m_repeats;
            return it->second;
        }
        QString text = QString::fromUtf8(data, size);
        if (m_texts.size() >= kMaxTexts)
            return text;
        m_texts.emplace(bytes, text);
        const size_t learnt = m_texts.size();
        if ((learnt == kTrialTexts && m_repeats < learnt / 4) ||
            (learnt == kMaxTexts && m_repeats < learnt)) {
            m_giveUp = true;
            m_texts.clear();
        }
        return text;
    }

private:
    // std::hash of the raw bytes rather than QHash<QByteArray>: Qt's AES-based
    // byte hash measured 150 ns a key on the development machine, more than
    // the conversion it would save.
    struct BytesHash {
        using is_transparent = void;
        size_t operator()(std::string_view bytes) const {
            return std::hash<std::string_view>{}(bytes);
        }
    };
    static constexpr size_t kTrialTexts = 256;
    static constexpr size_t kMaxTexts = 2048;
    std::unordered_map<std::string, QString, BytesHash, std::equal_to<>> m_texts;
    size_t m_repeats = 0;
    bool m_giveUp = false;
};

QVariant columnValue(sqlite3_stmt* stmt, int column, ColumnTexts& texts) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qint64>(sqlite3_column_int64(stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, column));
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        return QVariant(texts.text(text, sqlite3_column_bytes(stmt, column)));
    }
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, column));
        return QVariant(QByteArray(data, sqlite3_column_bytes(stmt, column)));
    }
    default:
        return {};
    }
}

void bindValue(sqlite3_stmt* stmt, int index, const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        sqlite3_bind_null(stmt, index);
        break;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        sqlite3_bind_int64(stmt, index, value.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(stmt, index, value.toDouble());
        break;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob(stmt, index, bytes.constData(), static_cast<int>(bytes.size()),
                          SQLITE_TRANSIENT);
        break;
    }
    default: {
        const QByteArray utf8 = value.toString().toUtf8();
        sqlite3_bind_text(stmt, index, utf8.constData(), static_cast<int>(utf8.size()),
                          SQLITE_TRANSIENT);
        break;
    }
    }
}

} // namespace

Params positionalParams(const QStringList& values) {
    Params params;
    params.reserve(values.size());
    for (int i = 0; i < values.size(); ++i)
        params.append({QStringLiteral("PARAM%1").arg(i), values.at(i)});
    return params;
}

Connection::Connection(EngineSession* session) : m_session(session) {
    std::lock_guard lock(registryMutex());
    registry().insert(this);
}

Connection::~Connection() {
    {
        std::lock_guard lock(registryMutex());
        registry().remove(this);
    }
    close();
}

void Connection::open(const QString& directory, bool presence) {
    close();
    const QString dir = stripTrailingSeparators(directory);
    const QFileInfo info(dir);
    if (dir.isEmpty() || !info.isDir() || !info.isReadable())
        throw DatabaseError(QStringLiteral("Cannot access directory %1").arg(dir));

    if (presence) {
        // A program packing or re-protecting a table holds the directory for a
        // moment; wait a little before giving up.
        bool held = PresenceLock::acquireShared(dir);
        for (int attempt = 0; !held && attempt < 30; ++attempt) {
            QThread::msleep(100);
            held = PresenceLock::acquireShared(dir);
        }
        if (!held && QFileInfo(PresenceLock::lockFilePath(dir)).exists())
            throw DatabaseError(
                QStringLiteral("Directory is controlled by other .NET file: %1").arg(dir));
        // A directory where no lock file can be made (read-only media) is used
        // without announcing ourselves.
        m_presence = held;
    }

    static std::atomic<int> counter = 0;
    QString mainPath = QStringLiteral(":memory:");
    const QString priv = m_session ? m_session->privateDirectory() : QString();
    if (!priv.isEmpty() && QFileInfo(priv).isDir()) {
        m_mainFile = QDir(priv).filePath(
            QStringLiteral("conn-%1-%2.db").arg(QCoreApplication::applicationPid()).arg(++counter));
        mainPath = m_mainFile;
    }
    const QByteArray path = QFile::encodeName(mainPath);
    if (sqlite3_open_v2(path.constData(), &m_db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        const QString message = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString();
        sqlite3_close(m_db);
        m_db = nullptr;
        if (m_presence)
            PresenceLock::releaseShared(dir);
        m_presence = false;
        throw DatabaseError(message);
    }
    sqlite3_busy_handler(m_db, &Connection::waitWhileBusy, this);
    sqlite3_exec(m_db, "PRAGMA cipher_default_page_size = 4096", nullptr, nullptr, nullptr);
    m_collator = std::make_unique<PolishCollator>();
    registerPolishCollation(m_db, m_collator.get());
    m_directory = dir;
    refreshFileList();
}

int Connection::waitWhileBusy(void* self, int attempt) {
    // SQLite hands a freed lock to whoever asks first, not to whoever waited
    // longest. Short, uneven naps keep a waiting program from being starved
    // by another that writes row after row.
    auto* c = static_cast<Connection*>(self);
    if (attempt == 0)
        c->m_busySince.start();
    if (c->m_busySince.elapsed() >= kBusyTimeoutMs)
        return 0;
    QThread::usleep(500 + QRandomGenerator::global()->bounded(4500));
    return 1;
}

void Connection::close() {
    if (!m_db)
        return;
    if (m_inTransaction)
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    m_inTransaction = false;
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_collator.reset();
    m_attached.clear();
    m_files.clear();
    // The next opening uses the session's passwords as they are then.
    m_workingKeys.clear();
    if (!m_mainFile.isEmpty()) {
        QFile::remove(m_mainFile);
        QFile::remove(m_mainFile + QStringLiteral("-journal"));
        m_mainFile.clear();
    }
    if (m_presence)
        PresenceLock::releaseShared(m_directory);
    m_presence = false;
    m_directory.clear();
}

void Connection::fail(const QString& context) const {
    const QString message = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString();
    const int code = m_db ? sqlite3_extended_errcode(m_db) : 0;
    throw DatabaseError(context.isEmpty() ? message : context + QStringLiteral(": ") + message,
                        code & 0xff);
}

void Connection::refreshFileList() {
    m_files.clear();
    const QStringList names = QDir(m_directory).entryList(QDir::Files);
    const QLatin1String suffix = m_templateNames ? QLatin1String(".d_") : QLatin1String(".db");
    for (const QString& name : names) {
        if (name.size() > 3 && name.endsWith(suffix, Qt::CaseInsensitive))
            m_files.insert(name.left(name.size() - 3).toLower(), name);
    }
}

bool Connection::tableFileExists(const QString& baseName) {
    if (!m_db)
        return false;
    const QString key = baseName.toLower();
    if (m_files.contains(key) && QFileInfo::exists(QDir(m_directory).filePath(m_files.value(key))))
        return true;
    refreshFileList();
    return m_files.contains(key);
}

QString Connection::tableFilePath(const QString& baseName) {
    const QString key = baseName.toLower();
    if (!tableFileExists(key))
        return QDir(m_directory)
            .filePath(key + (m_templateNames ? QStringLiteral(".D_") : QStringLiteral(".DB")));
    return QDir(m_directory).filePath(m_files.value(key));
}

QStringList Connection::tableFiles() {
    refreshFileList();
    QStringList names = m_files.values();
    names.sort(Qt::CaseInsensitive);
    return names;
}

QStringList Connection::attachedTables() const {
    QStringList names = m_attached.keys();
    names.sort();
    return names;
}

void Connection::attachFile(const QString& schema, const QString& filePath) {
    QStringList keys;
    const QString known = m_workingKeys.value(filePath);
    if (!known.isEmpty())
        keys.append(known);
    if (m_session) {
        for (const QString& password : m_session->passwords()) {
            const QString key = rawKeyForPassword(password);
            if (!keys.contains(key))
                keys.append(key);
        }
    }
    if (keys.isEmpty())
        keys.append(QString()); // no password known: try the file as it is

    QString lastError;
    int lastCode = 0;
    const QByteArray path = filePath.toUtf8();
    const QByteArray name = schema.toUtf8();
    for (const QString& key : keys) {
        sqlite3_stmt* stmt = nullptr;
        const char* sql =
            key.isEmpty() ? "ATTACH DATABASE ?1 AS ?2" : "ATTACH DATABASE ?1 AS ?2 KEY ?3";
        if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK)
            fail(QString());
        StatementGuard guard{stmt};
        sqlite3_bind_text(stmt, 1, path.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 2, name.constData(), -1, SQLITE_TRANSIENT);
        const QByteArray keyBytes = key.toLatin1();
        if (!key.isEmpty())
            sqlite3_bind_text(stmt, 3, keyBytes.constData(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(stmt) != SQLITE_DONE) {
            lastError = QString::fromUtf8(sqlite3_errmsg(m_db));
            lastCode = sqlite3_errcode(m_db);
            continue;
        }
        // A wrong key shows only when the first page is read.
        const QByteArray probe = "SELECT count(*) FROM \"" + name + "\".sqlite_master";
        if (sqlite3_exec(m_db, probe.constData(), nullptr, nullptr, nullptr) == SQLITE_OK) {
            setPageCache(name, filePath);
            m_attached.insert(schema, {filePath, ++m_useCounter});
            m_workingKeys.insert(filePath, key);
            return;
        }
        lastError = QString::fromUtf8(sqlite3_errmsg(m_db));
        lastCode = sqlite3_errcode(m_db);
        const QByteArray detachSql = "DETACH DATABASE \"" + name + "\"";
        sqlite3_exec(m_db, detachSql.constData(), nullptr, nullptr, nullptr);
    }
    throw DatabaseError(QStringLiteral("%1: %2").arg(QFileInfo(filePath).fileName(), lastError),
                        lastCode);
}

void Connection::setPageCache(const QByteArray& schema, const QString& filePath) {
    // A register reads its rows in the order of an index, jumping about the
    // table's pages. With SQLite's default cache (2 MB) a table larger than
    // that had most of its pages decrypted again and again in one refresh.
    // A cache the size of the file and room to grow decrypts each page once,
    // and while the file does not change the next statement finds its pages
    // decrypted still. Pages are taken only as they are read.
    const qint64 fileKiB = QFileInfo(filePath).size() / 1024;
    const qint64 kib = std::clamp<qint64>(fileKiB + fileKiB / 2 + 2048, 2048, kMaxPageCacheKiB);
    const QByteArray sql = "PRAGMA \"" + schema + "\".cache_size = " + QByteArray::number(-kib);
    sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, nullptr);
}

void Connection::detach(const QString& schema) {
    const QByteArray sql = "DETACH DATABASE \"" + schema.toUtf8() + "\"";
    if (sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(QString());
    m_attached.remove(schema);
}

void Connection::detachAll() {
    if (!m_db)
        return;
    if (m_inTransaction)
        throw DatabaseError(QStringLiteral("Nie można odłączyć tabel w trakcie transakcji."));
    const QStringList names = m_attached.keys();
    for (const QString& schema : names)
        detach(schema);
}

void Connection::attachTable(const QString& baseName) {
    ensureAttached({baseName.toLower()});
}

void Connection::ensureAttached(const QStringList& tables) {
    if (tables.size() > kMaxAttached)
        throw DatabaseError(
            QStringLiteral("Polecenie odwołuje się do więcej niż %1 tabel.").arg(kMaxAttached));
    QStringList missing;
    for (const QString& t : tables) {
        auto it = m_attached.find(t);
        if (it != m_attached.end()) {
            it->lastUse = ++m_useCounter;
            continue;
        }
        if (tableFileExists(t))
            missing.append(t);
    }
    if (missing.isEmpty())
        return;
    if (m_inTransaction)
        throw DatabaseError(
            QStringLiteral("Tabela %1 nie należy do bieżącej transakcji.").arg(missing.first()));

    while (m_attached.size() + missing.size() > kMaxAttached) {
        QString oldest;
        quint64 oldestUse = ~quint64(0);
        for (auto it = m_attached.cbegin(); it != m_attached.cend(); ++it) {
            if (!tables.contains(it.key()) && it->lastUse < oldestUse) {
                oldest = it.key();
                oldestUse = it->lastUse;
            }
        }
        detach(oldest);
    }
    for (const QString& t : missing)
        attachFile(t, QDir(m_directory).filePath(m_files.value(t)));
}

sqlite3_stmt* Connection::prepare(const QString& sql, const Params& params) {
    if (!m_db)
        throw DatabaseError(QStringLiteral("Brak połączenia z bazą danych."));
    const TranslatedStatement translated =
        translateStatement(sql, [this](const QString& name) { return tableFileExists(name); });
    ensureAttached(translated.tables);

    const QByteArray utf8 = translated.sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(m_db, utf8.constData(), static_cast<int>(utf8.size()), &stmt, &tail) !=
        SQLITE_OK)
        fail(QString());
    if (!stmt)
        throw DatabaseError(QStringLiteral("Puste polecenie SQL."));
    // One statement at a time; a trailing ";" is allowed.
    for (const char* p = tail; p && *p; ++p) {
        if (*p != ';' && !QChar(QLatin1Char(*p)).isSpace()) {
            sqlite3_finalize(stmt);
            throw DatabaseError(QStringLiteral("Dozwolone jest tylko jedno polecenie SQL naraz."));
        }
    }
    for (const Param& p : params) {
        const QByteArray name = ":" + p.name.toUpper().toUtf8();
        const int index = sqlite3_bind_parameter_index(stmt, name.constData());
        if (index > 0)
            bindValue(stmt, index, p.value);
    }
    for (auto it = m_attached.begin(); it != m_attached.end(); ++it)
        if (translated.tables.contains(it.key()))
            it->lastUse = ++m_useCounter;
    return stmt;
}

ResultSet Connection::query(const QString& sql, const Params& params) {
    ResultSet result;
    queryInBlocks(sql, params, INT_MAX, INT_MAX, [&result](ResultSet&& block, bool) {
        result = std::move(block);
        return true;
    });
    return result;
}

void Connection::queryInBlocks(const QString& sql, const Params& params, int firstBlockRows,
                               int blockRows, const BlockSink& onBlock) {
    sqlite3_stmt* stmt = prepare(sql, params);
    StatementGuard guard{stmt};
    const int columns = sqlite3_column_count(stmt);
    QStringList names;
    names.reserve(columns);
    for (int c = 0; c < columns; ++c)
        names.append(QString::fromUtf8(sqlite3_column_name(stmt, c)));
    // The shared texts live as long as the statement, across blocks.
    std::vector<ColumnTexts> texts(static_cast<size_t>(columns));
    ResultSet block(names);
    int limit = std::max(1, firstBlockRows);
    for (;;) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            fail(QString());
        for (int c = 0; c < columns; ++c)
            block.appendCell(columnValue(stmt, c, texts[static_cast<size_t>(c)]));
        block.finishRow();
        if (block.rowCount() >= limit) {
            if (!onBlock(std::move(block), false))
                return;
            block = ResultSet(names);
            limit = std::max(1, blockRows);
        }
    }
    // The read transaction ends with the statement, before the last rows are
    // handed over.
    guard.stmt = nullptr;
    sqlite3_finalize(stmt);
    onBlock(std::move(block), true);
}

void Connection::forEachRow(const QString& sql, const Params& params,
                            const std::function<void(sqlite3_stmt*)>& onRow) {
    sqlite3_stmt* stmt = prepare(sql, params);
    StatementGuard guard{stmt};
    for (;;) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            fail(QString());
        onRow(stmt);
    }
}

int Connection::execute(const QString& sql, const Params& params) {
    sqlite3_stmt* stmt = prepare(sql, params);
    StatementGuard guard{stmt};
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        fail(QString());
    return sqlite3_changes(m_db);
}

std::unique_ptr<PreparedStatement> Connection::prepareStatement(const QString& sql) {
    sqlite3_stmt* stmt = prepare(sql, {});
    return std::unique_ptr<PreparedStatement>(new PreparedStatement(m_db, stmt));
}

PreparedStatement::~PreparedStatement() {
    sqlite3_finalize(m_stmt);
}

int PreparedStatement::run(const QVariantList& values) {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    for (int i = 0; i < values.size(); ++i)
        bindValue(m_stmt, i + 1, values[i]);
    int rc;
    while ((rc = sqlite3_step(m_stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
        const int code = sqlite3_extended_errcode(m_db) & 0xff;
        sqlite3_reset(m_stmt);
        throw DatabaseError(message, code);
    }
    const int changed = sqlite3_changes(m_db);
    sqlite3_reset(m_stmt);
    return changed;
}

bool Connection::isReadOnlyStatement(const QString& sql) {
    sqlite3_stmt* stmt = prepare(sql, {});
    StatementGuard guard{stmt};
    return sqlite3_stmt_readonly(stmt) != 0;
}

void Connection::beginWrite(const QStringList& tables) {
    if (!m_db)
        throw DatabaseError(QStringLiteral("Brak połączenia z bazą danych."));
    if (m_inTransaction)
        throw DatabaseError(QStringLiteral("Transakcja jest już otwarta."));
    QStringList wanted;
    for (const QString& t : tables)
        if (!wanted.contains(t.toLower()))
            wanted.append(t.toLower());
    wanted.sort();
    // Every program attaches the tables of a transaction in the same order, so
    // the write locks are always taken in the same order.
    detachAll();
    ensureAttached(wanted);
    if (sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(QString());
    m_inTransaction = true;
}

void Connection::commit() {
    if (!m_inTransaction)
        return;
    if (sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
        const int code = sqlite3_errcode(m_db);
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        m_inTransaction = false;
        throw DatabaseError(message, code);
    }
    m_inTransaction = false;
}

// Never throws and does nothing without a transaction, so a failed change
// calls it on its way out without guarding it.
void Connection::rollback() {
    if (!m_inTransaction)
        return;
    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    m_inTransaction = false;
}

void Connection::createTableFile(const QString& baseName, const QString& password,
                                 const QStringList& statements) {
    if (!m_db)
        throw DatabaseError(QStringLiteral("Brak połączenia z bazą danych."));
    const QString schema = baseName.toLower();
    const QString path = QDir(m_directory).filePath(schema + QStringLiteral(".DB"));
    if (tableFileExists(schema))
        throw DatabaseError(QStringLiteral("Tabela %1 już istnieje.").arg(baseName));
    if (m_attached.size() >= kMaxAttached)
        detachAll();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, "ATTACH DATABASE ?1 AS ?2 KEY ?3", -1, &stmt, nullptr) !=
        SQLITE_OK)
        fail(QString());
    {
        StatementGuard guard{stmt};
        const QByteArray p = path.toUtf8();
        const QByteArray n = schema.toUtf8();
        const QByteArray k = rawKeyForPassword(password).toLatin1();
        sqlite3_bind_text(stmt, 1, p.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 2, n.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 3, k.constData(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(stmt) != SQLITE_DONE)
            fail(path);
    }
    m_attached.insert(schema, {path, ++m_useCounter});
    m_workingKeys.insert(path, rawKeyForPassword(password));
    sqlite3_exec(m_db, "BEGIN", nullptr, nullptr, nullptr);
    for (const QString& statement : statements) {
        const QByteArray sql = statement.toUtf8();
        if (sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
            detach(schema);
            QFile::remove(path);
            throw DatabaseError(QStringLiteral("%1: %2").arg(statement, message));
        }
    }
    if (sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(path);
    refreshFileList();
}

void Connection::copyTableFile(const QString& baseName, const QString& targetPath,
                               const std::function<void()>& whileHeld) {
    if (m_inTransaction)
        throw DatabaseError(QStringLiteral("Nie można kopiować tabeli w trakcie transakcji."));
    const QString schema = baseName.toLower();
    if (!tableFileExists(schema))
        throw DatabaseError(QStringLiteral("Table does not exist: %1.DB").arg(baseName));
    ensureAttached({schema});
    const QString source = m_attached.value(schema).filePath;
    // A deferred transaction that reads the file takes its shared lock and
    // keeps it until the end: no other program can write the file meanwhile,
    // and a writer never changes the file before it holds it exclusively.
    if (sqlite3_exec(m_db, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(QString());
    const QByteArray probe = "SELECT count(*) FROM \"" + schema.toUtf8() + "\".sqlite_master";
    if (sqlite3_exec(m_db, probe.constData(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw DatabaseError(message);
    }
    QString error;
    if (whileHeld)
        whileHeld();
    {
        QFile in(source);
        QSaveFile out(targetPath);
        if (!in.open(QIODevice::ReadOnly))
            error = in.errorString();
        else if (!out.open(QIODevice::WriteOnly))
            error = out.errorString();
        else {
            while (!in.atEnd() && error.isEmpty()) {
                const QByteArray chunk = in.read(1 << 20);
                if (out.write(chunk) != chunk.size())
                    error = out.errorString();
            }
            if (error.isEmpty() && !out.commit())
                error = out.errorString();
        }
    }
    sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    if (!error.isEmpty())
        throw DatabaseError(QStringLiteral("%1: %2").arg(targetPath, error));
}

bool Connection::releaseFileEverywhere(const QString& filePath) {
    const QString target = QFileInfo(filePath).absoluteFilePath();
    std::lock_guard registered(registryMutex());
    for (Connection* c : std::as_const(registry())) {
        std::lock_guard used(c->m_useMutex);
        if (!c->m_db)
            continue;
        for (auto it = c->m_attached.cbegin(); it != c->m_attached.cend(); ++it) {
            if (QFileInfo(it->filePath).absoluteFilePath() != target)
                continue;
            if (c->m_inTransaction)
                return false;
            const QString schema = it.key();
            c->detach(schema);
            break;
        }
        c->m_workingKeys.remove(filePath);
        c->m_workingKeys.remove(target);
    }
    return true;
}

} // namespace kv::engine
