#pragma once

#include "dictionaries/RateTable.h"
#include "framework/RegisterViewState.h"
#include "framework/Registers.h"
#include "storage/BackupSettings.h"
#include "storage/Query.h"
#include "storage/engine/Connection.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <memory>

namespace kv {

// The data module: the one place through which the program reaches its tables.
// It owns the company connection and the main connection, the named query
// components with their statement templates, the generic operations the
// registers call, the per-register view state, the vehicle kind list and the
// allowance rates. Caught failures go to reportDatabaseError with the code of
// their place; nothing here opens a window.
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
    // connection to the location (failure: code 566), then resets every
    // register's view state to the current year and refills the vehicle kinds
    // (failure: code 48).
    bool openCompanyDatabase(const QString& companyDir);
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
    Query& addQuery(const QString& name, ConnectionKind connection, const QStringList& lines);
    bool hasQuery(const QString& name) const;
    // The named component; asking for an unknown name is a programming error.
    Query& query(const QString& name);

    // Runs a component and keeps its rows (throws DatabaseError, leaving the
    // previous rows). The values are bound as :PARAM0, :PARAM1 ... as text.
    std::shared_ptr<const ResultSet> open(Query& query, const QStringList& params = {},
                                          const engine::Params& named = {});
    int execute(Query& query, const QStringList& params = {}, const engine::Params& named = {});
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
    // The greatest id (0 for an empty table); -1 after an error (code 801).
    qint64 lastId(const QString& table, const QString& column);
    bool columnExists(const QString& tableFile, const QString& column);
    // The contractors of the dictionary, sorted; errors give what was read.
    QStringList fillContractorList();

    // Reads the allowance rates and the vehicle kinds' rate columns (code 24).
    bool loadRateTable();
    const RateTable& rates() const { return m_rates; }

    // Registers a line of a fuel register's template that names its petrol
    // table; switching to LPG replaces that name by the LPG table's, and back.
    void registerFuelTemplateLine(const QString& queryName, int line, const QString& petrolTable,
                                  const QString& lpgTable);
    void switchFuelTables(bool toLpg);
    bool lpgTablesActive() const { return m_lpg; }

    BackupSettings loadBackupSettings(bool* ok = nullptr);   // code 241000
    bool saveBackupSettings(const BackupSettings& settings); // code 241022

    // Puts the cursor of a register query (or DBFSlowniki) on the row whose key
    // matches; without a match the cursor ends on the last row and the answer
    // is false. Failures are reported with the query's own code.
    bool locateRecord(const QString& queryName, const QVariantList& key);

    // Closes and reruns a lookup list (DBFnrrej, DBFKiero, DBFRodzajPoj ...);
    // null after a failure, reported with the list's code.
    std::shared_ptr<const ResultSet> reopenLookup(const QString& name);
    QStringList lookupNames() const;

    // --- register view state ---
    RegisterViewState& viewState(RegisterId id);
    // Defaults: default sort ascending, no vehicle (the consumption registers
    // show nothing until a vehicle is chosen), no extra filters, the given year.
    void resetViewState(int year);

    SharedFilters& filters() { return m_filters; }

    // "" followed by the names of the vehicle kinds, sorted by name.
    const QStringList& vehicleKinds() const { return m_vehicleKinds; }
    bool refillVehicleKinds();

private:
    struct FuelLine {
        QString query;
        int line;
        QString petrol;
        QString lpg;
    };
    struct LookupInfo {
        int code;
    };

    void addLookups();

    QString m_location;
    QString m_companyDir;
    engine::Connection m_company;
    engine::Connection m_main;
    std::map<QString, std::unique_ptr<Query>> m_queries;
    QHash<QString, LookupInfo> m_lookups;
    std::array<RegisterViewState, kRegisterCount> m_views;
    SharedFilters m_filters;
    QStringList m_vehicleKinds;
    RateTable m_rates;
    QList<FuelLine> m_fuelLines;
    bool m_lpg = false;
};

} // namespace kv
