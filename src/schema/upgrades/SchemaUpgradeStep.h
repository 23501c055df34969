#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kv {

class DataModule;

// The company an upgrade works on: its open connection (through the data
// module), its directory and the password its tables are protected with.
struct UpgradeTarget {
    DataModule& db;
    QString directory;
    QString databasePassword;

    QString filePath(const QString& name) const;
    bool hasFile(const QString& name) const;
    // A table file of the company, found whatever the case of its name.
    bool hasTable(const QString& tableFile) const;
};

// One column an ALTER action adds, with its type as the statement names it.
struct NewColumn {
    QString name;
    QString type; // "FLOAT", "CHAR(50)"
};

// A log line: its code and text, written as "[code]  text".
struct LogLine {
    qint64 code = 0;
    QString text;
};

// Adds columns to one table unless its first column is there already. The
// columns and the defaults for the existing rows are one transaction: the
// table gets all of them or none, so a repeated run never finds the columns
// without their defaults.
struct AlterAction {
    QString table; // base name, "pojazdy"
    QList<NewColumn> columns;
    QString testColumn; // the column whose presence means "done"; empty: the first one
    LogLine added;
    QString defaultStatement; // "UPDATE pojazdy SET STATUS=0", empty for none
    LogLine defaulted;
    qint64 failureCode = 0;
};

// The common rules of the numbered upgrade steps: a success flag, initially
// set; every action runs only while it is set and clears it when it fails; the
// end writes the marker only with the flag still set.
class UpgradeStep {
public:
    UpgradeStep(UpgradeTarget& target, QString version);

    bool ok() const { return m_ok; }
    void fail() { m_ok = false; }
    UpgradeTarget& target() { return m_target; }

    // Copies the table file to base name + extension next to it, once: an
    // existing copy is never replaced. The copy is taken while the table is
    // held against writers.
    void backupTable(const QString& baseName, const QString& extension, qint64 failureCode,
                     qint64 successCode);
    // The same, only when the table exists.
    void backupTableIfPresent(const QString& baseName, const QString& extension, qint64 failureCode,
                              qint64 successCode);
    // Adds the table from its template when it is missing; successText is
    // logged after the file name with the success code.
    void addTable(const QString& tableFile, qint64 failureCode, qint64 successCode,
                  const QString& successText);
    void alter(const AlterAction& action);

    // Writes the marker and announces the new version, or logs and shows the
    // failure. Answers whether the step succeeded.
    bool finish(qint64 failureCode);

private:
    UpgradeTarget& m_target;
    QString m_version;
    bool m_ok = true;
};

// The marker file of a version ("update1.0.5").
QString upgradeMarkerName(const QString& version);
bool markerExists(const UpgradeTarget& target, const QString& version);
// Creates the empty marker file; false when it cannot be written.
bool writeMarker(const UpgradeTarget& target, const QString& version);

// Writes a line to the error log in the form "[code]  text".
void logUpgradeLine(const LogLine& line);

} // namespace kv
