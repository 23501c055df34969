#include "admin/ArchiveCheck.h"

#include "schema/Schema.h"
#include "storage/TableMaintenance.h"
#include "storage/engine/Connection.h"
#include "storage/engine/DatabaseError.h"
#include "support/UserInterface.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace kv {

namespace {

const QString kUsersFile = QStringLiteral("userzy.DB");
// The second table of the list: what tells a damaged "userzy.DB" from a
// wrong password.
const QString kOtherFile = QStringLiteral("slowniki.DB");

enum class Fit { Opens, Damaged, Wrong };

Fit tryPassword(const QString& folder, const QString& password) {
    if (trialOpenTable(folder, kUsersFile, password))
        return Fit::Opens;
    return trialOpenTable(folder, kOtherFile, password) ? Fit::Damaged : Fit::Wrong;
}

QString damagedText(const QString& file) {
    return QStringLiteral("Plik %1 archiwum jest uszkodzony. Danych nie odtworzono.").arg(file);
}

// One file's shape against the schema; the problem, or empty.
QString checkShape(engine::Connection& c, const schema::Table& table) {
    const QString base = table.baseName();
    const ResultSet tables =
        c.query(QStringLiteral("SELECT name FROM %1.sqlite_master WHERE type='table'").arg(base));
    bool found = false;
    for (int row = 0; row < tables.rowCount(); ++row) {
        const QString name = tables.value(row, 0).toString();
        if (name.compare(base, Qt::CaseInsensitive) == 0)
            found = true;
        else if (!name.startsWith(QLatin1String("sqlite_")))
            return kArchiveNewerText;
    }
    if (!found)
        return QStringLiteral("Archiwum jest niekompletne: plik %1 nie zawiera tabeli. Danych "
                              "nie odtworzono.")
            .arg(table.file);
    const ResultSet info = c.query(QStringLiteral("PRAGMA %1.table_info(%1)").arg(base));
    QSet<QString> present;
    for (int row = 0; row < info.rowCount(); ++row)
        present.insert(info.text(row, QStringLiteral("name")).toUpper());
    for (const schema::Column& column : table.columns)
        if (!present.remove(column.name.toUpper()))
            return QStringLiteral("Archiwum jest niekompletne: w tabeli %1 brak kolumny %2. "
                                  "Danych nie odtworzono.")
                .arg(table.file, column.name);
    return present.isEmpty() ? QString() : kArchiveNewerText;
}

} // namespace

QStringList missingArchiveTables(const QString& folder) {
    QStringList missing;
    for (const QString& file : schema::companyTableFiles())
        if (file != kOptionalArchiveTable && !QFileInfo(QDir(folder).filePath(file)).isFile())
            missing.append(file);
    return missing;
}

ArchivePassword findArchivePassword(const QString& folder, const QString& currentPassword,
                                    const std::optional<QString>& given) {
    using Outcome = ArchivePassword::Outcome;
    Fit fit = tryPassword(folder, currentPassword);
    if (fit == Fit::Opens)
        return {Outcome::Found, currentPassword};
    if (fit == Fit::Damaged) {
        ui().information(QStringLiteral("Błąd"), damagedText(kUsersFile));
        return {Outcome::Damaged, {}};
    }
    for (;;) {
        std::optional<QString> entered = given;
        if (!given)
            entered = ui().prompt(QStringLiteral("Informacje"),
                                  QStringLiteral("Proszę podać hasło bazy danych, z której "
                                                 "pochodzi archiwum"),
                                  QString(), true);
        if (!entered)
            return {Outcome::Cancelled, {}};
        fit = entered->isEmpty() ? Fit::Wrong : tryPassword(folder, *entered);
        if (fit == Fit::Opens)
            return {Outcome::Found, *entered};
        if (fit == Fit::Damaged) {
            ui().information(QStringLiteral("Błąd"), damagedText(kUsersFile));
            return {Outcome::Damaged, {}};
        }
        ui().information(QStringLiteral("Informacja"), kWrongArchivePasswordText);
        if (given)
            return {Outcome::Wrong, {}};
    }
}

QString checkArchiveTables(const QString& folder, const QString& password,
                           const QStringList& files) {
    engine::EngineSession session(QStringLiteral("tmpSessionArchive"));
    session.addPassword(password);
    engine::Connection c(&session);
    try {
        c.open(folder, false);
    } catch (const DatabaseError& e) {
        return QStringLiteral("Nie można odczytać katalogu archiwum: ") + e.message();
    }
    for (const QString& file : files) {
        const schema::Table* table = schema::findTable(file);
        if (!table)
            return kArchiveNewerText;
        const QString base = table->baseName();
        try {
            c.attachTable(base);
        } catch (const DatabaseError&) {
            return kArchiveInconsistentText;
        }
        try {
            const ResultSet check = c.query(QStringLiteral("PRAGMA %1.quick_check").arg(base));
            if (check.rowCount() != 1 || check.value(0, 0).toString() != u"ok")
                return damagedText(file);
            if (const QString problem = checkShape(c, *table); !problem.isEmpty())
                return problem;
        } catch (const DatabaseError&) {
            return damagedText(file);
        }
        c.detachAll();
    }
    return {};
}

} // namespace kv
