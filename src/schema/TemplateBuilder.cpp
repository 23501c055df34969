#include "schema/TemplateBuilder.h"

#include "storage/engine/Connection.h"
#include "storage/engine/DatabaseError.h"
#include "storage/engine/EngineSession.h"

#include <QDir>
#include <QFile>

namespace kv {

using engine::Connection;
using engine::EngineSession;

void createTable(Connection& connection, const schema::Table& table, const QString& password,
                 schema::Version asOf) {
    connection.createTableFile(table.baseName(), password, schema::createStatements(table, asOf));
}

void createCompanyTables(const QString& directory, const QString& password, schema::Version asOf) {
    EngineSession session;
    session.addPassword(password);
    Connection c(&session);
    QDir().mkpath(directory);
    c.open(directory, false);
    for (const schema::Table& t : schema::companyTables())
        if (t.since <= asOf)
            createTable(c, t, password, asOf);
}

void renameToTemplateNames(const QString& directory) {
    QDir dir(directory);
    const QStringList files = dir.entryList({QStringLiteral("*.DB")}, QDir::Files);
    for (const QString& f : files) {
        const QString target = schema::templateNameOf(f);
        dir.remove(target);
        if (!dir.rename(f, target))
            throw DatabaseError(QStringLiteral("Nie można zmienić nazwy %1").arg(f));
    }
}

namespace {

void freshDirectory(const QString& path) {
    QDir(path).removeRecursively();
    if (!QDir().mkpath(path))
        throw DatabaseError(QStringLiteral("Nie można utworzyć katalogu %1").arg(path));
}

// The distance rows of a readable source: "departure;arrival;km" per line,
// "#" lines are remarks. A line that does not read is refused, naming it.
void addDistances(Connection& c, const QString& sourceFile) {
    QFile file(sourceFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw DatabaseError(QStringLiteral("Nie można odczytać %1").arg(sourceFile));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList cells = line.split(u';');
        bool number = false;
        const double km = cells.value(2).trimmed().toDouble(&number);
        if (cells.size() != 3 || !number || cells.at(0).trimmed().isEmpty() ||
            cells.at(1).trimmed().isEmpty())
            throw DatabaseError(QStringLiteral("%1, wiersz %2: oczekiwano \"skąd;dokąd;km\"")
                                    .arg(sourceFile)
                                    .arg(i + 1));
        c.execute(QStringLiteral("INSERT INTO odleglosci (M1,M2,KM) VALUES (:A,:B,:KM)"),
                  {{QStringLiteral("A"), cells.at(0).trimmed()},
                   {QStringLiteral("B"), cells.at(1).trimmed()},
                   {QStringLiteral("KM"), km}});
    }
}

} // namespace

void buildTemplates(const QString& dataDirectory, const QString& distancesSource) {
    const QString password = schema::kTemplatePassword;
    EngineSession session;
    session.addPassword(password);

    // Company tables: empty, except the built-in administrator account.
    const QString emptyDir = QDir(dataDirectory).filePath(QStringLiteral("empty"));
    freshDirectory(emptyDir);
    createCompanyTables(emptyDir, password);
    {
        Connection c(&session);
        c.open(emptyDir, false);
        c.execute(QStringLiteral("INSERT INTO userzy (NAZWA,HASLO,OPIS,SUPERVISOR) "
                                 "VALUES ('ADMIN','zebux','Administrator','T')"));
    }
    renameToTemplateNames(emptyDir);

    // Location tables.
    const QString rootTmp = QDir(dataDirectory).filePath(QStringLiteral("root.tmp"));
    freshDirectory(rootTmp);
    {
        Connection c(&session);
        c.open(rootTmp, false);
        createTable(c, schema::distancesTable(), password);
        if (!distancesSource.isEmpty())
            addDistances(c, distancesSource);
        createTable(c, schema::companiesTable(), password);
        c.detachAll();
        QFile::copy(QDir(rootTmp).filePath(QStringLiteral("firmy.DB")),
                    QDir(rootTmp).filePath(QStringLiteral("firmyblank.DB")));
        c.execute(QStringLiteral("INSERT INTO firmy (NAZWA,DIR) VALUES "
                                 "('Termalis','demo')"));
    }
    renameToTemplateNames(rootTmp);
    QDir root(rootTmp);
    for (const QString& f : root.entryList(QDir::Files)) {
        QDir(dataDirectory).remove(f);
        if (!root.rename(f, QDir(dataDirectory).filePath(f)))
            throw DatabaseError(QStringLiteral("Nie można przenieść %1").arg(f));
    }
    root.removeRecursively();
}

} // namespace kv
