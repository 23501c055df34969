#include "tools/demo/DemoDataBuilder.h"

#include "schema/TemplateBuilder.h"
#include "storage/engine/Connection.h"
#include "storage/engine/DatabaseError.h"
#include "support/Clock.h"
#include "tools/demo/DemoMasterDataReader.h"
#include "tools/demo/DemoRecordsGenerator.h"
#include "tools/demo/DemoSources.h"

#include <QDir>
#include <QFileInfo>

namespace kv {

using engine::Connection;
using engine::EngineSession;
using engine::Param;
using engine::Params;

namespace {

// Tables filled from their source file, in this order: the dictionaries and
// the vehicles come before the files whose cells refer to their entries.
const char* const kSourceTables[] = {"slowniki",  "stawki",      "firma",   "osobowa",
                                     "pojazdy",   "kpaliwowe",   "magazyn", "notatki",
                                     "dokumenty", "wyposazenie", "terminy"};

const schema::Table& tableOf(const QString& baseName) {
    const schema::Table* t = schema::findTable(baseName);
    if (!t)
        throw DatabaseError(QStringLiteral("Nieznana tabela %1").arg(baseName));
    return *t;
}

// One transaction per table keeps the thousands of rows quick.
void insertRows(Connection& c, const QString& table, const std::vector<demo::DemoRow>& rows) {
    if (rows.empty())
        return;
    const schema::Table& t = tableOf(table);
    c.beginWrite({table});
    try {
        for (const demo::DemoRow& row : rows) {
            QStringList columns;
            QStringList marks;
            Params params;
            for (const auto& [column, value] : row.cells) {
                // Column names are the only text put into the statement, and
                // only names the schema knows.
                if (!t.column(column))
                    throw DatabaseError(
                        QStringLiteral("Tabela %1 nie ma kolumny %2").arg(t.file, column));
                const QString name = QStringLiteral("PARAM%1").arg(params.size());
                columns.append(column);
                marks.append(u':' + name);
                params.append(Param{name, value});
            }
            c.execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(table, columns.join(u','), marks.join(u',')),
                      params);
        }
        c.commit();
    } catch (...) {
        c.rollback();
        throw;
    }
}

std::optional<qint64> resolveReference(Connection& c, const QString& list, const QString& text) {
    const ResultSet r =
        list == QLatin1String("POJAZD")
            ? c.query(QStringLiteral("SELECT IDPOJAZD AS ID FROM pojazdy WHERE NRREJ = :PARAM0"),
                      engine::positionalParams({text}))
            : c.query(QStringLiteral("SELECT KOD AS ID FROM slowniki WHERE IDSLOWNIK = :PARAM0 "
                                     "AND OPIS = :PARAM1"),
                      engine::positionalParams({list, text}));
    if (r.isEmpty())
        return std::nullopt;
    return r.value(0, QStringLiteral("ID")).toLongLong();
}

std::vector<demo::DemoRow> sourceRows(Connection& c, const QString& path,
                                      const schema::Table& table, const QDate& today) {
    const demo::DemoSourceFile source = demo::readDemoSource(path);
    std::vector<const schema::Column*> columns;
    for (const QString& name : source.header) {
        const schema::Column* column = table.column(name);
        if (!column)
            throw DatabaseError(QStringLiteral("%1: tabela %2 nie ma kolumny %3")
                                    .arg(QFileInfo(path).fileName(), table.file, name));
        columns.push_back(column);
    }
    const auto resolve = [&c](const QString& list, const QString& text) {
        return resolveReference(c, list, text);
    };
    std::vector<demo::DemoRow> rows;
    for (const demo::DemoSourceLine& line : source.lines) {
        demo::DemoRow& row = rows.emplace_back();
        for (size_t i = 0; i < columns.size(); ++i) {
            try {
                row.set(columns[i]->name, demo::demoCellValue(line.cells.at(qsizetype(i)),
                                                              *columns[i], today, resolve));
            } catch (const DatabaseError& e) {
                throw DatabaseError(source.where(line) + e.message());
            }
        }
    }
    return rows;
}

void fill(const QString& directory, const QString& sources, const QString& password,
          const QDate& today) {
    EngineSession session;
    session.addPassword(password);
    Connection c(&session);
    c.open(directory, false);

    // The built-in administrator, as in the empty templates.
    c.execute(QStringLiteral("INSERT INTO userzy (NAZWA,HASLO,OPIS,SUPERVISOR) "
                             "VALUES (:PARAM0,:PARAM1,:PARAM2,:PARAM3)"),
              engine::positionalParams({QStringLiteral("ADMIN"), QStringLiteral("zebux"),
                                        QStringLiteral("Administrator"), QStringLiteral("T")}));

    // The equipment waits for the simulated odometers, which give the readings
    // at fitting.
    const QString equipmentTable = QStringLiteral("wyposazenie");
    std::vector<demo::DemoRow> equipment;
    for (const char* name : kSourceTables) {
        const QString table = QString::fromLatin1(name);
        const QString path = QDir(sources).filePath(table + QStringLiteral(".csv"));
        if (!QFileInfo::exists(path))
            continue;
        std::vector<demo::DemoRow> rows = sourceRows(c, path, tableOf(table), today);
        if (table == equipmentTable)
            equipment = std::move(rows);
        else
            insertRows(c, table, rows);
    }

    const demo::DemoMasterData master = demo::readDemoMasterData(c, sources, today);
    const demo::DemoDataSet records = demo::generateDemoRecords(master, &equipment);
    insertRows(c, equipmentTable, equipment);
    for (const auto& [table, rows] : records.tables())
        insertRows(c, table, rows);
    c.close();
}

} // namespace

void buildDemoCompany(const QString& directory, const QString& sourcesDirectory,
                      const QString& password) {
    if (!QFileInfo(sourcesDirectory).isDir())
        throw DatabaseError(QStringLiteral("Brak katalogu źródeł danych demonstracyjnych %1")
                                .arg(sourcesDirectory));
    const QString target = QDir::cleanPath(directory);
    const QString work = target + QStringLiteral(".tmp");
    QDir(work).removeRecursively();
    try {
        createCompanyTables(work, password);
        fill(work, sourcesDirectory, password, Clock::today());
    } catch (...) {
        QDir(work).removeRecursively();
        throw;
    }
    QDir(target).removeRecursively();
    if (!QDir().rename(work, target))
        throw DatabaseError(QStringLiteral("Nie można utworzyć katalogu %1").arg(target));
}

} // namespace kv
