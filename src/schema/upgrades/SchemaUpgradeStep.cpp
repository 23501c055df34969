#include "schema/upgrades/SchemaUpgradeStep.h"

#include "schema/upgrades/SchemaUpgradeTemplate.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/UserInterface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kv {

namespace {

const QString kErrorCaption = QStringLiteral("Błąd");

QString baseNameOf(const QString& tableFile) {
    return tableFile.endsWith(QLatin1String(".db"), Qt::CaseInsensitive) ? tableFile.chopped(3)
                                                                         : tableFile;
}

} // namespace

QString UpgradeTarget::filePath(const QString& name) const {
    return QDir(directory).filePath(name);
}

bool UpgradeTarget::hasFile(const QString& name) const {
    return QFileInfo::exists(filePath(name));
}

bool UpgradeTarget::hasTable(const QString& tableFile) const {
    return db.companyConnection().tableFileExists(baseNameOf(tableFile));
}

QString upgradeMarkerName(const QString& version) {
    return QStringLiteral("update") + version;
}

bool markerExists(const UpgradeTarget& target, const QString& version) {
    return target.hasFile(upgradeMarkerName(version));
}

bool writeMarker(const UpgradeTarget& target, const QString& version) {
    QFile marker(target.filePath(upgradeMarkerName(version)));
    return marker.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void logUpgradeLine(const LogLine& line) {
    appendErrorLog(codedLine(line.code, line.text));
}

UpgradeStep::UpgradeStep(UpgradeTarget& target, QString version)
    : m_target(target), m_version(std::move(version)) {}

void UpgradeStep::backupTable(const QString& baseName, const QString& extension, qint64 failureCode,
                              qint64 successCode) {
    if (!m_ok)
        return;
    const QString copy = baseName + extension;
    if (m_target.hasFile(copy))
        return;
    try {
        m_target.db.companyConnection().copyTableFile(baseName, m_target.filePath(copy));
    } catch (const DatabaseError&) {
        const QString text = QStringLiteral("Nie udało się stworzyć kopii zbioru ") + copy;
        ui().information(kErrorCaption, text + u'.');
        logUpgradeLine({failureCode, text});
        m_ok = false;
        return;
    }
    logUpgradeLine({successCode, QStringLiteral("plik ") + copy + QStringLiteral(" utworzony")});
}

void UpgradeStep::backupTableIfPresent(const QString& baseName, const QString& extension,
                                       qint64 failureCode, qint64 successCode) {
    if (m_target.hasTable(baseName))
        backupTable(baseName, extension, failureCode, successCode);
}

void UpgradeStep::addTable(const QString& tableFile, qint64 failureCode, qint64 successCode,
                           const QString& successText) {
    if (!m_ok || m_target.hasTable(tableFile))
        return;
    if (!addTableFromTemplate(m_target.directory, tableFile, m_target.databasePassword)) {
        const QString text = QStringLiteral("Nie udało się stworzyć tabeli ") + tableFile;
        ui().information(kErrorCaption, text + u'.');
        logUpgradeLine({failureCode, text});
        m_ok = false;
        return;
    }
    logUpgradeLine({successCode, successText.arg(tableFile)});
}

void UpgradeStep::alter(const AlterAction& action) {
    if (!m_ok || action.columns.isEmpty())
        return;
    DataModule& db = m_target.db;
    const QString test =
        action.testColumn.isEmpty() ? action.columns.first().name : action.testColumn;
    if (db.columnExists(action.table + QStringLiteral(".DB"), test))
        return;
    engine::Connection& connection = db.companyConnection();
    try {
        connection.beginWrite({action.table});
        // SQLite adds one column per statement; the transaction makes the
        // whole list, with the defaults, one change.
        for (const NewColumn& column : action.columns)
            connection.execute(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                                   .arg(action.table, column.name, column.type));
        if (!action.defaultStatement.isEmpty())
            connection.execute(action.defaultStatement);
        connection.commit();
    } catch (const DatabaseError& e) {
        connection.rollback();
        reportDatabaseError(e.message(), true, action.failureCode);
        m_ok = false;
        return;
    }
    logUpgradeLine(action.added);
    if (!action.defaultStatement.isEmpty())
        logUpgradeLine(action.defaulted);
}

bool UpgradeStep::finish(qint64 failureCode) {
    // A marker that cannot be written would let the step run again at every
    // login while claiming success; it counts as a failure of the step.
    if (m_ok && !writeMarker(m_target, m_version))
        m_ok = false;
    if (m_ok) {
        logUpgradeLine(
            {9999999999, QStringLiteral("baza danych zaktualizowana do wersji ") + m_version});
        ui().information(QStringLiteral("Informacja"),
                         QStringLiteral("Baza danych zaktualizowana do wersji ") + m_version +
                             u'.');
        return true;
    }
    logUpgradeLine(
        {failureCode, QStringLiteral("Nieudana próba aktualizacji do wersji ") + m_version});
    ui().information(kErrorCaption,
                     QStringLiteral("Podczas próby aktualizacji wystąpił błąd. Aktualizacja "
                                    "zakończyła się niepowodzeniem. Zgłoś problem u producenta."));
    return false;
}

} // namespace kv
