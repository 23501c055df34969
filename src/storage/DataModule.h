#pragma once

#include "storage/BackupSettings.h"
#include "storage/Query.h"
#include "storage/engine/Connection.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <unordered_map>

namespace kv {

class QueryReader;

// The data module: the one place through which the program reaches its tables.
// It owns the company connection and the main connection, the named query
// components with their statement templates and the generic operations the
// registers call. What the upper layers keep per open company (register
// filters, rates, vehicle kinds) lives in its company state, made on first use
// and dropped when another company opens. Caught failures go to
// reportDatabaseError with the code of their place; nothing here opens a window.
class DataModule {
public:
    DataModule();
    ~DataModule();
    DataModule(const DataModule&) = delete;
    DataModule& operator=(const DataModule&) = delete;

    // The instance the program created (the last one alive).
    static DataModule* current();

    // --- location, company and connections ---
    void setLocation(const QString& location); // a trailing separator is dropped
    const QString& location() const { return m_location; }
    const QString& companyDirectoryName() const { return m_companyDir; }
    QString companyDirectory() const;

    // Connects the company connection to location/companyDir and the main
    // connection to the location (failure: code 566), then drops the company
    // state and runs the company-opened handlers (false when one fails).
    bool openCompanyDatabase(const QString& companyDir);
    // Runs the company-opened handlers again (after an upgrade changed the
    // tables they read); false when one fails.
    bool reloadCompanyData();
    // Work to do whenever a company opens (reading lists every window needs).
    // A handler reports its own failure and answers false.
    void addCompanyOpenedHandler(std::function<bool(DataModule&)> handler);
    // Connects the main connection to the location when it is not connected
    // (the company list is read before any company is open). Throws DatabaseError.
    void connectMain();
    // Closes every query component (before the location or company changes).
    void closeAllQueries();
    // Closes both connections as well.
    void disconnect();

    engine::Connection& companyConnection() { return m_company; }
    engine::Connection& mainConnection() { return m_main; }
    engine::Connection& connection(ConnectionKind kind);
    // The company record number (the single row of firma.DB).
    static constexpr int kCompanyRecord = 1;

    // --- query components ---
    Query& addQuery(const QString& name, ConnectionKind connection,
                    const StatementTemplate& statement);
    bool hasQuery(const QString& name) const;
    // The named component; asking for an unknown name is a programming error.
    Query& query(const QString& name);
    QStringList queryNames() const;

    // Runs a component and keeps its rows (throws DatabaseError, leaving the
    // previous rows). The values are bound as :PARAM0, :PARAM1 ... as text.
    std::shared_ptr<const ResultSet> open(Query& query, const QStringList& params = {},
                                          const engine::Params& named = {});
    int execute(Query& query, const QStringList& params = {}, const engine::Params& named = {});
    // Runs a component and returns once its first rows are in its result (all
    // of them when there are few, or the failure); the rest is read at once
    // on the reading thread and appended between events, as query.feed()
    // tells. A run of the same component still reading is cancelled. The
    // cursor goes to wantedRow when it arrives (the last row when the result
    // is shorter). onEnd runs when the run ends, not when it is cancelled; a
    // failure leaves the previous rows. Components of the main connection, and
    // any while the company connection is inside a write transaction, are read
    // whole at once.
    void openInBackground(Query& query, const engine::Params& named = {}, int wantedRow = -1,
                          std::function<void(bool ok, const QString& error)> onEnd = {});
    bool isReading(const Query& query) const;
    // Waits for the rest of a component's rows; false when its run failed.
    bool finishReading(Query& query);
    // Free statements on the scratch components (mySQL, mySQLGlobal).
    ResultSet select(const QString& sql, const engine::Params& params = {},
                     ConnectionKind kind = ConnectionKind::Company);
    int exec(const QString& sql, const engine::Params& params = {},
             ConnectionKind kind = ConnectionKind::Company);

    // --- generic operations ---
    // True when a row with the key exists, and also when the test fails, so a
    // failed duplicate check always blocks the insert.
    bool recordExists(const QString& table, const QString& column, qint64 value);
    bool recordExistsByText(const QString& table, const QString& column, const QString& value);
    // The same with the key compared upper-cased after trimming on both sides
    // (keys a user types in any letter case).
    bool recordExistsIgnoringCase(const QString& table, const QString& column,
                                  const QString& value);
    // The greatest id (0 for an empty table); -1 after an error (code 801).
    qint64 lastId(const QString& table, const QString& column);
    bool columnExists(const QString& tableFile, const QString& column);
    // The contractors of the dictionary, sorted; errors give what was read.
    QStringList fillContractorList();

    // Alternate tables: a line of a template names a table that has a twin
    // (a register kept in two tables, one per fuel). Switching replaces the
    // name in every registered line by its twin's, and back.
    void registerAlternateTableLine(const QString& queryName, int line, const QString& table,
                                    const QString& alternate);
    void switchAlternateTables(bool toAlternate);
    bool alternateTablesActive() const { return m_alternate; }

    BackupSettings loadBackupSettings(bool* ok = nullptr);   // code 241000
    bool saveBackupSettings(const BackupSettings& settings); // code 241022

    // Puts the cursor of a query on the row whose key columns match (as texts
    // or as numbers); without a match the cursor ends on the last row and the
    // answer is false. Failures are reported with the given code.
    bool locateRecord(const QString& queryName, const QStringList& columns, bool asText,
                      const QVariantList& key, int code);

    // Closes and reruns a lookup list (DBFnrrej, DBFKiero, DBFRodzajPoj ...);
    // null after a failure, reported with the list's code.
    std::shared_ptr<const ResultSet> reopenLookup(const QString& name);
    QStringList lookupNames() const;

    // The upper layers' state for the open company, made on first use (with
    // the data module when T takes one) and dropped when a company opens.
    template <class T> T& companyState() {
        std::shared_ptr<void>& slot = m_companyState[std::type_index(typeid(T))];
        if (!slot) {
            if constexpr (std::is_constructible_v<T, DataModule&>)
                slot = std::make_shared<T>(*this);
            else
                slot = std::make_shared<T>();
        }
        return *static_cast<T*>(slot.get());
    }

private:
    struct AlternateLine {
        QString query;
        int line;
        QString table;
        QString alternate;
    };
    struct LookupInfo {
        int code;
    };

    void addLookups();

    QString m_location;
    QString m_companyDir;
    engine::Connection m_company;
    engine::Connection m_main;
    std::unique_ptr<QueryReader> m_reader;
    std::map<QString, std::unique_ptr<Query>> m_queries;
    QHash<QString, LookupInfo> m_lookups;
    std::unordered_map<std::type_index, std::shared_ptr<void>> m_companyState;
    QList<std::function<bool(DataModule&)>> m_companyOpened;
    QList<AlternateLine> m_alternateLines;
    bool m_alternate = false;
};

} // namespace kv
