#include "admin/ArchiveFolders.h"

#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/engine/DatabaseError.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>

namespace kv {

namespace {

QString canonical(const QString& path) {
    const QFileInfo info(path);
    const QString c = info.canonicalFilePath();
    return c.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : c;
}

} // namespace

QStringList companyDirectories(DataModule& db) {
    QStringList dirs;
    if (!db.companyDirectoryName().isEmpty())
        dirs.append(canonical(db.companyDirectory()));
    try {
        const ResultSet r =
            db.select(QStringLiteral("SELECT DIR FROM firmy.DB"), {}, ConnectionKind::Main);
        for (int row = 0; row < r.rowCount(); ++row) {
            const QString folder = r.value(row, 0).toString().trimmed();
            if (!folder.isEmpty())
                dirs.append(canonical(QDir(db.location()).filePath(folder)));
        }
    } catch (const DatabaseError&) {
        // The open company and the table check below still protect the data.
    }
    dirs.removeDuplicates();
    return dirs;
}

QString archiveTargetProblem(const QString& folder, const QString& location,
                             const QStringList& companyDirs) {
    if (folder.trimmed().isEmpty() || !QFileInfo(folder).isDir())
        return QStringLiteral("Wskazany katalog nie istnieje.");
    const QString path = canonical(folder);
    if (!location.isEmpty() && path == canonical(location))
        return QStringLiteral("Wskazany katalog jest katalogiem bazy danych. Wskaż inny katalog "
                              "na archiwum.");
    for (const QString& dir : companyDirs)
        if (path == canonical(dir))
            return QStringLiteral("Wskazany katalog jest katalogiem danych firmy. Wskaż inny "
                                  "katalog na archiwum.");
    if (!holdsArchive(folder) && !companyTableFilesIn(folder).isEmpty())
        return QStringLiteral("Wskazany katalog zawiera tabele bazy danych, ale nie zawiera "
                              "archiwum (brak pliku archiwum.bak). Wskaż inny katalog na "
                              "archiwum.");
    return {};
}

QString newFolderNameProblem(const QString& name) {
    const QString text = name.trimmed();
    bool control = false;
    for (const QChar ch : name)
        control = control || ch.category() == QChar::Other_Control;
    if (text.isEmpty() || text == u"." || text == u".." || name.contains(u'/') ||
        name.contains(u'\\') || name.contains(u':') || control)
        return QStringLiteral("Niepoprawna nazwa podkatalogu. Podaj samą nazwę, bez ścieżki i "
                              "znaków / \\ :.");
    return {};
}

QStringList companyTableFilesIn(const QString& folder) {
    QStringList present;
    const QDir dir(folder);
    for (const QString& file : schema::companyTableFiles())
        if (QFileInfo(dir.filePath(file)).isFile())
            present.append(file);
    return present;
}

QList<FoundArchive> findArchives(const QString& root) {
    QList<FoundArchive> found;
    if (holdsArchive(root))
        found.append({QDir::cleanPath(root), readArchiveDescription(root)});
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString folder = it.next();
        if (holdsArchive(folder))
            found.append({QDir::cleanPath(folder), readArchiveDescription(folder)});
    }
    std::sort(found.begin(), found.end(),
              [](const FoundArchive& a, const FoundArchive& b) { return a.folder < b.folder; });
    return found;
}

} // namespace kv
