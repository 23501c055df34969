// The two steps recognised by the table they add rather than by a marker: the
// LPG refuelling register and the company's parameter table.
#include "schema/upgrades/SchemaUpgradeSteps.h"

#include "schema/upgrades/SchemaUpgradeTemplate.h"
#include "support/UserInterface.h"

namespace kv {

namespace {
const QString kErrorCaption = QStringLiteral("Błąd");
const QString kInformationCaption = QStringLiteral("Informacja");
} // namespace

QList<NewColumn> floatColumns(const QStringList& names) {
    QList<NewColumn> columns;
    for (const QString& name : names)
        columns.append({name, QStringLiteral("FLOAT")});
    return columns;
}

void upgradeLpgTable(UpgradeTarget& target) {
    const QString file = QStringLiteral("zuzycielpg.DB");
    if (target.hasTable(file))
        return;
    if (!addTableFromTemplate(target.directory, file, target.databasePassword)) {
        ui().information(kErrorCaption,
                         QStringLiteral("Nie udało się stworzyć tabeli tankowań Gazu LPG."));
        return;
    }
    ui().information(kInformationCaption,
                     QStringLiteral("Zaktualizowano bazę danych dla wskazanej firmy. Dodano nową "
                                    "tabelę tankowań Gazu LPG. Funkcjonalność programu została "
                                    "rozszerzona."));
    logUpgradeLine(
        {9999999999, QStringLiteral("Dodano tabelę zuzycielpg.DB DIR=") + target.directory});
}

void upgradeSystemTable(UpgradeTarget& target) {
    const QString file = QStringLiteral("system.DB");
    if (target.hasTable(file))
        return;
    if (!addTableFromTemplate(target.directory, file, target.databasePassword)) {
        ui().information(kErrorCaption, QStringLiteral("Nie udało się stworzyć tabeli ") + file);
        return;
    }
    // The company's directory, not only the location: with several companies
    // the line must say which one got the table.
    logUpgradeLine({9999999999, QStringLiteral("Dodano tabelę ") + file + QStringLiteral(" DIR=") +
                                    target.directory});
    logUpgradeLine({9999999999, QStringLiteral("baza danych zaktualizowana do wersji 2.8")});
    ui().information(kInformationCaption,
                     QStringLiteral("Baza danych zaktualizowana do wersji 2.8"));
}

} // namespace kv
