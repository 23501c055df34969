#pragma once

#include <QString>

namespace kv {

// The report options of the "Raporty" page (or of karvento-cli's options):
// what the checks and the common names read. Texts are as the lists show
// them; keys are what the conditions compare.
struct ReportChoices {
    QString driverKey;   // fIDKIEROWCY: NREW
    QString driverText;  //              the name shown
    QString fuelCardKey; // fIDKARTY: IDKARTY
    int roadCardId = 0;  // filtrRaportDrogowa: IDDROGOWA, 0 none
    QString roadCardText;
    bool costCentreTicked = false; // filtrRaportIsCk
    int costCentreCode = -1;       // filtrRaportCk: KOD, -1 none
    QString costCentreText;
    bool fuelKindTicked = false;  // filtrRaportPaliwo
    int fuelKindCode = -1;        // filtrPaliwoTyp: KOD, -1 none
    QString orderNumber;          // RapNrZlecenia, searched as typed
    QString orderText;            // rapZlecTresc
    bool lpg = false;             // rodzajPaliwaRaport: "Gaz LPG"
    bool issueDateTicked = false; // dataNaRaporcie
    QString issueDateText;        // dataRap

    QString fuelKindText() const {
        return lpg ? QStringLiteral("Gaz LPG") : QStringLiteral("Paliwo płynne");
    }
};

} // namespace kv
