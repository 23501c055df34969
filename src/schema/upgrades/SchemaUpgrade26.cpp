// Upgrade 2.6: one question about copying odometer readings into the
// odometer history.
#include "schema/upgrades/SchemaUpgradeSteps.h"

#include "storage/ProgramOptions.h"
#include "support/UserInterface.h"

namespace kv {

void upgradeTo26(UpgradeTarget& target) {
    const QString version = QStringLiteral("2.6");
    if (markerExists(target, version))
        return;
    const bool copyReadings = ui().question(
        QStringLiteral("Aktualizacja programu do wersji 2.6"),
        QStringLiteral("Czy podczas edycji danych (np. Przejazdy, Wyposażenie, Zużycie paliwa) "
                       "zawsze kopiować nowo podawany stan licznika do tabeli historii przebiegów "
                       "pojazdu (Domyślnie: TAK)?"));
    // "Tak" keeps whatever the options say; only "Nie" changes them.
    if (!copyReadings) {
        programOptions().cbKopiujPrzebiegDoHistorii = false;
        saveProgramOptions();
    }
    if (writeMarker(target, version))
        logUpgradeLine({9999999999, QStringLiteral("program zaktualizowany do wersji 2.6")});
}

} // namespace kv
