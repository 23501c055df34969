// "tables" and "sql": looking into a directory of tables without the program.
#include "cli/CliCommands.h"

#include "schema/Schema.h"
#include "storage/engine/Connection.h"
#include "storage/engine/DatabaseError.h"
#include "support/CsvWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace kv::cli {

namespace {

using engine::Connection;
using engine::EngineSession;

// Where a table stands in the program's fixed order; unknown tables last.
int tableOrder(const QString& fileName) {
    const schema::Table* t = schema::findTable(QFileInfo(fileName).completeBaseName());
    if (!t)
        return 1000;
    const auto& tables = schema::companyTables();
    for (size_t i = 0; i < tables.size(); ++i)
        if (&tables[i] == t)
            return static_cast<int>(i);
    return 100; // the location's own tables
}

// Opens a directory of tables, or of template tables when it holds only those.
bool openDirectory(CliContext& c, Connection& connection, const QString& dir) {
    if (!QFileInfo(dir).isDir()) {
        c.err() << (QFileInfo::exists(dir) ? QStringLiteral("%1 nie jest katalogiem.").arg(dir)
                                           : QStringLiteral("Katalog %1 nie istnieje.").arg(dir))
                << Qt::endl;
        return false;
    }
    const QDir d(dir);
    const bool templates =
        d.entryList({QStringLiteral("*.DB"), QStringLiteral("*.db")}, QDir::Files).isEmpty() &&
        !d.entryList({QStringLiteral("*.D_")}, QDir::Files).isEmpty();
    connection.setTemplateNames(templates);
    try {
        connection.open(dir, false);
    } catch (const DatabaseError& e) {
        c.err() << QStringLiteral("Nie można otworzyć katalogu %1: %2").arg(dir, e.message())
                << Qt::endl;
        return false;
    }
    return true;
}

int runTables(CliContext& c, const QStringList& args) {
    const QString usage =
        QStringLiteral("Użycie: karvento-cli tables KATALOG [--db-password HASŁO]");
    if (args.size() != 1)
        return c.usage(usage);
    if (CliContext::isBlank(args.first()))
        return c.blankPath(usage);
    EngineSession session;
    session.addPassword(c.databasePassword());
    Connection connection(&session);
    if (!openDirectory(c, connection, args.first()))
        return Refused;
    QStringList files = connection.tableFiles();
    std::stable_sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        return tableOrder(a) < tableOrder(b);
    });
    if (files.isEmpty())
        return c.refuse(QStringLiteral("W katalogu %1 nie ma tabel.").arg(args.first()));

    int failed = 0;
    int wrongKey = 0;
    QStringList problems;
    for (const QString& file : files) {
        const QString base = QFileInfo(file).completeBaseName();
        try {
            const ResultSet r =
                connection.query(QStringLiteral("SELECT COUNT(*) FROM %1").arg(base.toLower()));
            c.out() << QStringLiteral("%1 %2").arg(file, -24).arg(r.value(0, 0).toLongLong())
                    << Qt::endl;
        } catch (const DatabaseError& e) {
            ++failed;
            if (e.engineCode() == 26)
                ++wrongKey;
            problems.append(
                QStringLiteral("%1: plik uszkodzony albo zabezpieczony innym hasłem (%2)")
                    .arg(file, e.message()));
        }
    }
    if (failed == 0)
        return Ok;
    if (wrongKey == static_cast<int>(files.size()))
        return c.refuse(QStringLiteral("Żadna tabela w katalogu %1 nie daje się otworzyć: "
                                       "nieprawidłowe hasło bazy danych albo pliki nie są "
                                       "tabelami programu.")
                            .arg(args.first()));
    for (const QString& p : problems)
        c.err() << p << Qt::endl;
    return Refused;
}

QString cellText(const QVariant& v) {
    if (!v.isValid() || v.isNull())
        return {};
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

// One statement that only reads: it must begin as a query does, and the
// engine must agree that it writes nothing. The engine alone would let
// ATTACH, PRAGMA key and BEGIN through, which change the session or create
// files.
bool isQuery(engine::Connection& connection, const QString& sql) {
    static const QRegularExpression start(
        QStringLiteral(R"(^\s*(?:(?:--[^\n]*\n|/\*.*?\*/)\s*)*(SELECT|WITH|VALUES)\b)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return start.match(sql).hasMatch() && connection.isReadOnlyStatement(sql);
}

int runSql(CliContext& c, const QStringList& args) {
    const QString usage =
        QStringLiteral("Użycie: karvento-cli sql KATALOG \"SELECT …\" [--db-password HASŁO]");
    if (args.size() != 2)
        return c.usage(usage);
    if (CliContext::isBlank(args.first()))
        return c.blankPath(usage);
    EngineSession session;
    session.addPassword(c.databasePassword());
    Connection connection(&session);
    if (!openDirectory(c, connection, args.first()))
        return Refused;
    try {
        if (!isQuery(connection, args.at(1)))
            return c.refuse(QStringLiteral(
                "Dozwolone są tylko polecenia odczytujące dane (SELECT). Polecenie odrzucono."));
        const ResultSet r = connection.query(args.at(1));
        QList<QStringList> table{r.columns()};
        for (int row = 0; row < r.rowCount(); ++row) {
            QStringList cells;
            for (int col = 0; col < r.columnCount(); ++col)
                cells.append(cellText(r.value(row, col)));
            table.append(cells);
        }
        // Standard quoting: what a spreadsheet or a script reads back is the
        // stored value exactly, quotes and all.
        c.out() << standardCsvText(table);
        c.out().flush();
        return Ok;
    } catch (const DatabaseError& e) {
        if (e.engineCode() == 26)
            return c.refuse(QStringLiteral("Nie można otworzyć tabeli: nieprawidłowe hasło bazy "
                                           "danych albo plik nie jest tabelą programu (%1).")
                                .arg(e.message()));
        return c.refuse(QStringLiteral("Błąd polecenia SQL: %1").arg(e.message()));
    }
}

} // namespace

void addInspectionCommands(QList<Command>& commands) {
    commands.append({{QStringLiteral("tables")},
                     QStringLiteral("KATALOG"),
                     QStringLiteral("wypisuje tabele katalogu z liczbą wierszy"),
                     runTables});
    commands.append({{QStringLiteral("sql")},
                     QStringLiteral("KATALOG \"SELECT …\""),
                     QStringLiteral("wykonuje jedno zapytanie odczytujące i wypisuje wiersze "
                                    "jako CSV (komórki w cudzysłowach, rozdzielone \";\", "
                                    "cudzysłów w komórce podwojony)"),
                     runSql});
}

} // namespace kv::cli
