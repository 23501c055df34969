#include "storage/DataModule.h"

#include "storage/ErrorReport.h"
#include "storage/ProgramFeatures.h"
#include "storage/QueryReader.h"
#include "storage/SqlSnippets.h"
#include "storage/engine/DatabaseError.h"

#include <QDir>

namespace kv {

namespace {

DataModule*& currentInstance() {
    static DataModule* instance = nullptr;
    return instance;
}

engine::Params withPositional(const QStringList& values, const engine::Params& named) {
    engine::Params params = engine::positionalParams(values);
    params.append(named);
    return params;
}

QString stripSeparators(QString path) {
    while (path.size() > 1 && (path.endsWith(u'/') || path.endsWith(u'\\')))
        path.chop(1);
    return path;
}

} // namespace

DataModule::DataModule() : m_reader(std::make_unique<QueryReader>(m_company, m_main)) {
    currentInstance() = this;
    addLookups();
    installProgramFeatures(*this);
}

DataModule::~DataModule() {
    m_reader.reset();
    if (currentInstance() == this)
        currentInstance() = nullptr;
}

DataModule* DataModule::current() {
    return currentInstance();
}

void DataModule::setLocation(const QString& location) {
    m_location = stripSeparators(location);
}

QString DataModule::companyDirectory() const {
    return m_companyDir.isEmpty() ? QString() : QDir(m_location).filePath(m_companyDir);
}

engine::Connection& DataModule::connection(ConnectionKind kind) {
    return kind == ConnectionKind::Main ? m_main : m_company;
}

bool DataModule::openCompanyDatabase(const QString& companyDir) {
    closeAllQueries();
    m_reader->closeConnection();
    try {
        m_company.close();
        m_companyDir = companyDir;
        m_company.open(companyDirectory());
        m_main.close();
        m_main.open(m_location);
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 566);
        return false;
    }
    m_companyState.clear();
    return reloadCompanyData();
}

bool DataModule::reloadCompanyData() {
    bool ok = true;
    for (const auto& handler : std::as_const(m_companyOpened))
        ok = handler(*this) && ok;
    return ok;
}

void DataModule::addCompanyOpenedHandler(std::function<bool(DataModule&)> handler) {
    m_companyOpened.append(std::move(handler));
}

void DataModule::connectMain() {
    if (m_main.isOpen() && m_main.directory() == m_location)
        return;
    m_main.close();
    m_main.open(m_location);
}

void DataModule::closeAllQueries() {
    m_reader->cancelAll();
    for (auto& [name, q] : m_queries)
        q->close();
}

void DataModule::disconnect() {
    closeAllQueries();
    m_reader->closeConnection();
    m_company.close();
    m_main.close();
}

Query& DataModule::addQuery(const QString& name, ConnectionKind connection,
                            const StatementTemplate& statement) {
    if (hasQuery(name))
        m_reader->cancel(*m_queries[name]);
    auto q = std::make_unique<Query>(name, connection, statement);
    Query& ref = *q;
    m_queries[name] = std::move(q);
    return ref;
}

bool DataModule::hasQuery(const QString& name) const {
    return m_queries.count(name) > 0;
}

QStringList DataModule::queryNames() const {
    QStringList names;
    for (const auto& [name, q] : m_queries)
        names.append(name);
    return names;
}

Query& DataModule::query(const QString& name) {
    auto it = m_queries.find(name);
    Q_ASSERT_X(it != m_queries.end(), "TmyDataBase::query", qPrintable(name));
    if (it == m_queries.end())
        throw DatabaseError(QStringLiteral("Nieznane zapytanie %1").arg(name));
    return *it->second;
}

std::shared_ptr<const ResultSet> DataModule::open(Query& q, const QStringList& params,
                                                  const engine::Params& named) {
    // A failure leaves the previous rows in place, so a grid keeps showing
    // what it showed.
    if (m_reader->isReading(q))
        m_reader->cancel(q);
    auto result = std::make_shared<const ResultSet>(
        connection(q.connection()).query(q.text(), withPositional(params, named)));
    q.setResult(result);
    return result;
}

void DataModule::openInBackground(Query& q, const engine::Params& named, int wantedRow,
                                  std::function<void(bool, const QString&)> onEnd) {
    m_reader->start(q, named, wantedRow, std::move(onEnd));
}

bool DataModule::isReading(const Query& q) const {
    return m_reader->isReading(q);
}

bool DataModule::finishReading(Query& q) {
    return m_reader->finish(q);
}

int DataModule::execute(Query& q, const QStringList& params, const engine::Params& named) {
    return connection(q.connection()).execute(q.text(), withPositional(params, named));
}

ResultSet DataModule::select(const QString& sql, const engine::Params& params,
                             ConnectionKind kind) {
    return connection(kind).query(sql, params);
}

int DataModule::exec(const QString& sql, const engine::Params& params, ConnectionKind kind) {
    return connection(kind).execute(sql, params);
}

bool DataModule::recordExists(const QString& table, const QString& column, qint64 value) {
    try {
        return !select(QStringLiteral("SELECT * FROM %1.DB WHERE %2 = %3")
                           .arg(table, column, QString::number(value)))
                    .isEmpty();
    } catch (const std::exception&) {
        return true;
    }
}

bool DataModule::recordExistsIgnoringCase(const QString& table, const QString& column,
                                          const QString& value) {
    try {
        // Folded here rather than by SQLite, whose UPPER knows only a to z.
        const QString wanted = value.trimmed().toUpper();
        const ResultSet r = select(QStringLiteral("SELECT %1 FROM %2.DB").arg(column, table));
        for (int i = 0; i < r.rowCount(); ++i)
            if (r.value(i, 0).toString().trimmed().toUpper() == wanted)
                return true;
        return false;
    } catch (const std::exception&) {
        return true;
    }
}

bool DataModule::recordExistsByText(const QString& table, const QString& column,
                                    const QString& value) {
    try {
        return !select(QStringLiteral("SELECT * FROM %1.DB WHERE %2 = :KEY").arg(table, column),
                       {{QStringLiteral("KEY"), value}})
                    .isEmpty();
    } catch (const std::exception&) {
        return true;
    }
}

qint64 DataModule::lastId(const QString& table, const QString& column) {
    try {
        const ResultSet r =
            select(QStringLiteral("SELECT MAX(%1) AS ID FROM %2").arg(column, table));
        return r.isEmpty() ? 0 : r.value(0, 0).toLongLong();
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 801);
        return -1;
    }
}

bool DataModule::columnExists(const QString& tableFile, const QString& column) {
    try {
        // The column is resolved when the statement is compiled, so no row
        // needs to be read.
        select(QStringLiteral("SELECT %1 FROM %2 LIMIT 0").arg(column, tableFile));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

QStringList DataModule::fillContractorList() {
    QStringList names;
    try {
        const ResultSet r = select(QStringLiteral(
            "SELECT OPIS FROM slowniki.DB WHERE IDSLOWNIK='KONTR' ORDER BY OPIS COLLATE PL"));
        for (int i = 0; i < r.rowCount(); ++i)
            names.append(r.value(i, 0).toString());
    } catch (const std::exception&) {
    }
    return names;
}

void DataModule::registerAlternateTableLine(const QString& queryName, int line,
                                            const QString& table, const QString& alternate) {
    m_alternateLines.append({queryName, line, table, alternate});
    if (m_alternate && hasQuery(queryName))
        query(queryName).replaceInLine(line, table, alternate);
}

void DataModule::switchAlternateTables(bool toAlternate) {
    if (toAlternate == m_alternate)
        return;
    for (const AlternateLine& a : std::as_const(m_alternateLines)) {
        if (!hasQuery(a.query))
            continue;
        if (toAlternate)
            query(a.query).replaceInLine(a.line, a.table, a.alternate);
        else
            query(a.query).replaceInLine(a.line, a.alternate, a.table);
    }
    m_alternate = toAlternate;
}

BackupSettings DataModule::loadBackupSettings(bool* ok) {
    BackupSettings s;
    if (ok)
        *ok = true;
    try {
        const ResultSet r =
            select(QStringLiteral("SELECT ID,NUMBERPARAM FROM system.DB WHERE TYPE=1"));
        for (int i = 0; i < r.rowCount(); ++i) {
            const int value = r.value(i, 1).toInt();
            switch (r.value(i, 0).toInt()) {
            case 1:
                s.lastBackupDate = value;
                break;
            case 2:
                s.lastFolder = value;
                break;
            case 3:
                s.intervalDays = value;
                break;
            case 4:
                s.folders = value;
                break;
            case 5:
                s.onlyAdministrator = value != 0;
                break;
            case 6:
                s.askFirst = value != 0;
                break;
            case 7:
                s.enabled = value != 0;
                break;
            default:
                break;
            }
        }
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 241000);
        if (ok)
            *ok = false;
    }
    return s;
}

bool DataModule::saveBackupSettings(const BackupSettings& s) {
    const int values[] = {s.lastBackupDate,
                          s.lastFolder,
                          s.intervalDays,
                          s.folders,
                          s.onlyAdministrator ? 1 : 0,
                          s.askFirst ? 1 : 0,
                          s.enabled ? 1 : 0};
    try {
        // All seven rows change together or not at all.
        m_company.beginWrite({QStringLiteral("system")});
        for (int id = 1; id <= 7; ++id) {
            exec(QStringLiteral("DELETE FROM system.DB WHERE TYPE=1 AND ID=%1").arg(id));
            exec(
                QStringLiteral("INSERT INTO system.DB (TYPE,ID,NUMBERPARAM) VALUES (\n1,\n%1,\n%2)")
                    .arg(id)
                    .arg(values[id - 1]));
        }
        m_company.commit();
        return true;
    } catch (const DatabaseError& e) {
        m_company.rollback();
        reportDatabaseError(e.message(), true, 241022);
        return false;
    }
}

bool DataModule::locateRecord(const QString& queryName, const QStringList& columns, bool asText,
                              const QVariantList& key, int code) {
    try {
        Query& q = query(queryName);
        finishReading(q); // the record may be among the rows still being read
        const auto rows = q.result();
        if (!rows)
            throw DatabaseError(QStringLiteral("Zapytanie %1 jest zamknięte.").arg(queryName));
        QList<int> indexes;
        for (const QString& c : columns) {
            const int index = rows->columnIndex(c);
            if (index < 0)
                throw DatabaseError(QStringLiteral("Brak pola %1 w %2.").arg(c, queryName));
            indexes.append(index);
        }
        for (int row = 0; row < rows->rowCount(); ++row) {
            bool match = true;
            for (int k = 0; k < indexes.size() && match; ++k) {
                const QVariant& v = rows->value(row, indexes.at(k));
                const QVariant& wanted = key.value(k);
                match = asText ? v.toString() == wanted.toString()
                               : v.toLongLong() == wanted.toLongLong() && !v.isNull();
            }
            if (match) {
                q.setCurrentRow(row);
                return true;
            }
        }
        q.setCurrentRow(rows->rowCount() - 1);
        return false;
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, code);
        return false;
    }
}

void DataModule::addLookups() {
    auto add = [this](const QString& name, const QStringList& lines, int code) {
        addQuery(name, ConnectionKind::Company, lines);
        m_lookups.insert(name, {code});
    };
    add(QStringLiteral("DBFKartyPaliwowe"),
        {QStringLiteral("SELECT IDKARTY, NAZWA FROM kpaliwowe.DB ORDER BY IDKARTY COLLATE PL")},
        81);
    add(QStringLiteral("DBFnrrej"),
        {QStringLiteral("SELECT IDPOJAZD, NRREJ, MARKA, IDKIEROWCY FROM pojazdy.DB ORDER BY "
                        "NRREJ COLLATE PL")},
        45);
    add(QStringLiteral("DBFRodzajPoj"), dictionaryListLines(QStringLiteral("RDPOJ")), 46);
    add(QStringLiteral("DBFKiero"),
        {QStringLiteral("SELECT %1 AS NAZWISKO, NREW FROM osobowa.DB").arg(personDisplaySql()),
         QStringLiteral("ORDER BY NAZWISKO COLLATE PL")},
        47);
    // The rates are whole numbers kept as text; sorting them as numbers puts
    // the highest rate first (as text "8" would come before "23").
    add(QStringLiteral("DBFStawkiVAT"),
        {QStringLiteral("SELECT OPIS FROM slowniki.DB"),
         QStringLiteral("WHERE IDSLOWNIK = 'STVAT'"),
         QStringLiteral("ORDER BY CAST(OPIS AS INTEGER) DESC, OPIS DESC")},
        70);
    add(QStringLiteral("DBFRodzajPlatnosci"), dictionaryListLines(QStringLiteral("RDPLA")), 80);
    add(QStringLiteral("DBFRodzajWyd"), dictionaryListLines(QStringLiteral("RDWYD")), 181800);
    add(QStringLiteral("DBFRozmiarOpon"), dictionaryListLines(QStringLiteral("ROZOP")), 55100);
    add(QStringLiteral("DBFRodzajOpon"), dictionaryListLines(QStringLiteral("RODOP")), 55101);
    add(QStringLiteral("DBFRodzajPrac"), dictionaryListLines(QStringLiteral("RPRAC")), 56101);
    add(QStringLiteral("DBFRodzajTerminu"), dictionaryListLines(QStringLiteral("RTERM")), 55046);
    add(QStringLiteral("DBFNrFloty"), dictionaryListLines(QStringLiteral("FLOTA")), 111901);
    add(QStringLiteral("DBFDrogowe"),
        {QStringLiteral(
            "SELECT IDDROGOWA, NRKARTY FROM kartydrogowe.DB ORDER BY NRKARTY COLLATE PL")},
        141202);
    add(QStringLiteral("DBFRodzajPaliwa"), dictionaryListLines(QStringLiteral("RDPAL")), 121910);
}

QStringList DataModule::lookupNames() const {
    QStringList names = m_lookups.keys();
    names.sort();
    return names;
}

std::shared_ptr<const ResultSet> DataModule::reopenLookup(const QString& name) {
    const int code = m_lookups.value(name, {0}).code;
    try {
        return open(query(name));
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, code);
        return nullptr;
    }
}

} // namespace kv
