#include "location/DatabaseCreation.h"

#include "location/InstallationCheck.h"
#include "schema/CompanyInitialData.h"
#include "schema/Schema.h"
#include "storage/SettingsPaths.h"
#include "storage/TableMaintenance.h"
#include "support/TFileOperations.h"
#include "support/UserInterface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kv {

namespace {

// One copied table: where it lies and under which file name.
struct CopiedTable {
    QString directory;
    QString file;
};

QString dataDirectory() {
    return QDir(installDirectory()).filePath(QStringLiteral("data"));
}

void queue(TFileOperations& copies, const QString& source, const QString& destination) {
    copies.addSource(source);
    copies.addDestination(destination);
}

// Installed templates may be read-only; a copy that kept that mode could not
// be re-protected, so the owner always gets write access.
void makeWritable(const QStringList& files) {
    for (const QString& file : files)
        QFile::setPermissions(file,
                              QFile::permissions(file) | QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

QString withoutTrailingSeparator(QString path) {
    while (path.size() > 1 && (path.endsWith(u'/') || path.endsWith(u'\\')))
        path.chop(1);
    return path;
}

bool isDatabaseDirectory(const QString& directory) {
    const QString dir = withoutTrailingSeparator(directory.trimmed());
    return !dir.isEmpty() && QFileInfo(dir).isDir() &&
           QFileInfo(QDir(dir).filePath(QStringLiteral("firmy.DB"))).isFile();
}

const QStringList& upgradeMarkerNames() {
    static const QStringList names{QStringLiteral("update1.0.5"), QStringLiteral("update1.0.6"),
                                   QStringLiteral("update1.0.7"), QStringLiteral("update1.0.8"),
                                   QStringLiteral("update1.0.9"), QStringLiteral("update1.0.13"),
                                   QStringLiteral("update2.6")};
    return names;
}

bool writeUpgradeMarkers(const QString& companyDirectory) {
    bool all = true;
    for (const QString& name : upgradeMarkerNames()) {
        QFile marker(QDir(companyDirectory).filePath(name));
        if (!marker.open(QIODevice::WriteOnly | QIODevice::Truncate))
            all = false;
    }
    return all;
}

bool createFromTemplates(const QString& target, CreationMode mode, bool withDemo,
                         const QString& password) {
    const QString dir = withoutTrailingSeparator(target);
    const bool company = mode == CreationMode::NewCompany;
    // Nothing is made from an incomplete installation.
    if (!checkInstallation(mode, withDemo && !company))
        return false;
    QDir().mkpath(QDir(dir).filePath(QStringLiteral("NetFileDir"))); // errors ignored
    deleteLockFiles(dir);

    const QDir data(dataDirectory());
    const QDir empty(data.filePath(QStringLiteral("empty")));
    const QDir demo(data.filePath(kDemoCompanyFolder));
    const QString companyDir =
        company ? dir : QDir(dir).filePath(kDemoCompanyFolder); // meaningful with a company only
    const bool hasCompany = company || withDemo;

    TFileOperations copies;
    copies.setOperation(TFileOperations::Operation::Copy);
    QList<CopiedTable> tables;
    if (company) {
        for (const schema::Table& t : schema::companyTables()) {
            queue(copies, empty.filePath(t.templateName()), QDir(dir).filePath(t.file));
            tables.append({dir, t.file});
        }
    } else {
        queue(copies, data.filePath(QStringLiteral("odleglosci.D_")),
              QDir(dir).filePath(QStringLiteral("odleglosci.DB")));
        queue(
            copies,
            data.filePath(withDemo ? QStringLiteral("firmy.D_") : QStringLiteral("firmyblank.D_")),
            QDir(dir).filePath(QStringLiteral("firmy.DB")));
        if (withDemo) {
            for (const schema::Table& t : schema::companyTables()) {
                queue(copies, demo.filePath(t.file), QDir(companyDir).filePath(t.file));
                tables.append({companyDir, t.file});
            }
        }
        tables.append({dir, QStringLiteral("firmy.DB")});
        tables.append({dir, QStringLiteral("odleglosci.DB")});
    }

    ProgressWindow progress;
    progress.step(QStringLiteral("Kopiowanie tabel"), 0);
    if (copies.execute() != TFileOperations::NoError) {
        ui().progressHide();
        ui().information(QStringLiteral("Informacja"),
                         company ? QStringLiteral("Nie udało się stworzyć nowej firmy.")
                                 : QStringLiteral("Nie udało się stworzyć nowej bazy danych."));
        return false;
    }
    makeWritable(copies.destinations());

    for (qsizetype i = 0; i < tables.size(); ++i) {
        progress.step(QStringLiteral("Zabezpieczanie tabel hasłem"),
                      static_cast<int>(10 + 85 * i / tables.size()));
        if (!setTablePassword(tables.at(i).directory, tables.at(i).file, password,
                              schema::kTemplatePassword))
            return false;
    }
    if (company) {
        progress.step(QStringLiteral("Słowniki i stawki nowej firmy"), 97);
        if (!insertInitialCompanyData(dir, password))
            return false;
    }
    ui().progressShow(100);
    if (hasCompany)
        writeUpgradeMarkers(companyDir); // a missing marker only repeats an upgrade
    return true;
}

} // namespace kv
