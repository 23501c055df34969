#include "location/BackupPrompt.h"

#include "location/BackupCopy.h"
#include "storage/DataModule.h"
#include "storage/engine/DatabaseError.h"
#include "support/Clock.h"
#include "support/DateNumbers.h"
#include "support/UserInterface.h"

namespace kv {

namespace {

bool isDateNumber(int n) {
    return n >= 10000000 && n <= 99999999 && QDate(n / 10000, n / 100 % 100, n % 100).isValid();
}

} // namespace

bool backupMayBeOffered(const BackupSettings& settings, bool administrator) {
    return settings.enabled && (!settings.onlyAdministrator || administrator);
}

bool backupIsDue(const BackupSettings& settings, const QDate& today) {
    // Adding days to something that is no date would count from today and so
    // never come due: a damaged date means no known backup.
    if (!isDateNumber(settings.lastBackupDate))
        return true;
    return addDaysToDateNumber(settings.lastBackupDate, settings.intervalDays) <
           dateToDateNumber(today);
}

void offerBackup(DataModule& db, bool administrator) {
    if (!db.companyConnection().isOpen())
        return;
    int stage = 0;
    try {
        bool loaded = false;
        const BackupSettings settings = db.loadBackupSettings(&loaded);
        if (!loaded)
            return; // reported; asking on made-up settings would repeat at every login
        stage = 1;
        if (!backupMayBeOffered(settings, administrator) || !backupIsDue(settings, Clock::today()))
            return;
        if (settings.askFirst &&
            !ui().question(QStringLiteral("Pytanie"),
                           QStringLiteral("Baza danych nie posiada aktualnej kopii zapasowej, "
                                          "która mogłaby być wykorzystana do odzyskania danych w "
                                          "przypadku awarii. Czy stworzyć kopię zapasową bazy "
                                          "danych teraz?")))
            return;
        const QString folder = rotateAndCopy(db, stage);
        if (!folder.isEmpty() && settings.askFirst)
            ui().information(QStringLiteral("Informacja"),
                             QStringLiteral("Kopia zapasowa utworzona poprawnie w folderze: ") +
                                 folder);
    } catch (const DatabaseError& e) {
        reportBackupError(e.message(), stage);
    } catch (const std::exception& e) {
        reportBackupError(QString::fromUtf8(e.what()), stage);
    }
}

} // namespace kv
