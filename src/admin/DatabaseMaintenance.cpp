#include "admin/DatabaseMaintenance.h"

#include "admin/CompanyHold.h"
#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/TableMaintenance.h"
#include "support/UserInterface.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kv {

bool packCompanyTables(DataModule& db, const QString& password) {
    const QString failed = QStringLiteral(
        "Nie wszystkie tabele udało się zoptymalizować. Upewnij się czy żaden z użytkowników nie "
        "pracuje z bazą danych i spróbuj ponownie.");
    // Asked before the first table, so a busy company is told plainly instead
    // of through the engine's error of the first table.
    if (anotherProgramInCompany(db, QStringLiteral("Bazy nie zoptymalizowano.")))
        return false;
    const auto& tables = schema::companyTables();
    bool packed = true;
    {
        ProgressWindow progress;
        for (size_t i = 0; i < tables.size() && packed; ++i) {
            progress.step(QStringLiteral("Optymalizacja: ") + tables[i].file,
                          static_cast<int>(100 * i / tables.size()));
            packed = packTable(db.companyDirectory(), tables[i].file, password);
        }
    }
    ui().information(QStringLiteral("Informacja"),
                     packed ? QStringLiteral("Optymalizacja zakończyła się powodzeniem.") : failed);
    return packed;
}

bool errorLogHasEntries() {
    QFile log(errorLogPath());
    if (!log.open(QIODevice::ReadOnly))
        return false;
    return !log.read(4096).trimmed().isEmpty();
}

bool clearErrorLog() {
    QSaveFile log(errorLogPath());
    return log.open(QIODevice::WriteOnly) && log.write("\n", 1) == 1 && log.commit();
}

} // namespace kv
