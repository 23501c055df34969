#include "location/InstallationCheck.h"

#include "schema/Schema.h"
#include "storage/ErrorLog.h"
#include "storage/SettingsPaths.h"
#include "support/UserInterface.h"

#include <QDir>
#include <QFileInfo>

namespace kv {

namespace {

// Codes of the error log lines, one per place that reports.
constexpr qint64 kStartCode = 3110;
constexpr qint64 kCreationCode = 3111;
constexpr qint64 kPageSize = 4096;
// Enough names to recognise the damage; the rest are counted.
constexpr qsizetype kNamesShown = 5;

QString dataFolder() {
    return QDir(installDirectory()).filePath(QStringLiteral("data"));
}

bool isWhole(const QFileInfo& file) {
    return file.isFile() && file.isReadable() && file.size() > 0 && file.size() % kPageSize == 0;
}

bool report(const QString& problem, qint64 code) {
    if (problem.isEmpty())
        return true;
    appendErrorLog(codedLine(code, QString(problem).replace(u'\n', u' ')));
    ui().information(QStringLiteral("Błąd"), problem);
    return false;
}

} // namespace

QStringList requiredTemplates(CreationMode mode, bool withDemo) {
    QStringList files;
    if (mode == CreationMode::NewCompany) {
        for (const schema::Table& t : schema::companyTables())
            files.append(QStringLiteral("empty/") + t.templateName());
        return files;
    }
    files << QStringLiteral("odleglosci.D_")
          << (withDemo ? QStringLiteral("firmy.D_") : QStringLiteral("firmyblank.D_"));
    if (withDemo)
        for (const schema::Table& t : schema::companyTables())
            files.append(kDemoCompanyFolder + u'/' + t.file);
    return files;
}

QStringList allTemplates() {
    QStringList files = requiredTemplates(CreationMode::NewCompany, false);
    files << requiredTemplates(CreationMode::NewDatabase, true)
          << requiredTemplates(CreationMode::NewDatabase, false);
    files.removeDuplicates();
    return files;
}

QStringList faultyTemplates(const QStringList& templates) {
    const QDir data(dataFolder());
    QStringList faulty;
    for (const QString& file : templates)
        if (!isWhole(QFileInfo(data.filePath(file))))
            faulty.append(file);
    return faulty;
}

QString installationProblem(const QStringList& templates) {
    const QStringList faulty = faultyTemplates(templates);
    if (faulty.isEmpty())
        return {};
    QString names = faulty.mid(0, kNamesShown).join(QStringLiteral(", "));
    if (faulty.size() > kNamesShown)
        names += QStringLiteral(" i %1 innych").arg(faulty.size() - kNamesShown);
    return QStringLiteral("Folder instalacyjny programu jest niekompletny lub uszkodzony. "
                          "W folderze\n%1\nbrakuje szablonów tabel albo są one uszkodzone: %2.\n"
                          "Nie można założyć nowej bazy danych ani nowej firmy. "
                          "Zainstaluj program ponownie.")
        .arg(QDir::toNativeSeparators(dataFolder()), names);
}

bool checkInstallation(CreationMode mode, bool withDemo) {
    return report(installationProblem(requiredTemplates(mode, withDemo)), kCreationCode);
}

bool reportInstallationAtStart() {
    return report(installationProblem(allTemplates()), kStartCode);
}

} // namespace kv
