#include "costs/CostHandOvers.h"

#include "costs/CostAmounts.h"
#include "costs/CostRegister.h"
#include "framework/FormHandOver.h"
#include "storage/ProgramOptions.h"

namespace kv {

CostFormValues costFromHandOver(const HandOverRecord& r, CostFormValues v) {
    const QString zero = amountText(QString());
    const bool tyre = r.origin == kTyreOrigin;
    v.data = r.value(tyre ? QStringLiteral("DATAZAKUPU") : QStringLiteral("DATA"));
    v.vehicle = r.value(QStringLiteral("IDPOJAZD")).toInt();
    v.czyVat = QStringLiteral("T");
    v.rodzajPlat = 0;
    v.karta.clear();
    v.roadCard = 0;
    v.ck = 0;
    v.nrDokument.clear();
    v.dataWystaw.clear();
    v.driver.clear();
    v.isFuel = QStringLiteral("N");
    v.fuel = QStringLiteral("0");
    v.netto = v.vat = v.brutto = zero;
    v.licznik = zero;
    v.nazwaTowar.clear();
    v.uwagi.clear();
    if (r.origin == kRefuellingOrigin) {
        v.rodzWyd = QStringLiteral("Zakup paliwa");
        v.dataWystaw = v.data;
        v.licznik = amountText(r.value(QStringLiteral("LICZNIK")));
        v.isFuel = QStringLiteral("T");
        v.fuel = amountText(r.value(QStringLiteral("TANKOWANIE")));
    } else if (r.origin == kRepairOrigin || r.origin == kDamageOrigin) {
        v.rodzWyd =
            r.origin == kRepairOrigin ? QStringLiteral("Naprawy") : QStringLiteral("Szkody");
        v.nazwaTowar = r.value(QStringLiteral("OPIS"));
        v.netto = amountText(r.value(QStringLiteral("WARTNETTO")));
        v.vat = amountText(r.value(QStringLiteral("WARTVAT")));
        v.brutto = amountText(r.value(QStringLiteral("WARTBRUTTO")));
        v.uwagi = r.value(QStringLiteral("UWAGI"));
        v.licznik = amountText(r.value(QStringLiteral("LICZNIK")));
        v.driver = r.value(QStringLiteral("IDKIEROWCY"));
    } else if (tyre) {
        v.rodzWyd = QStringLiteral("Opony");
        v.nazwaTowar =
            QStringList{r.value(QStringLiteral("MARKA")), r.value(QStringLiteral("RODZAJ")),
                        r.value(QStringLiteral("ROZMIAR"))}
                .join(u' ');
        v.nrDokument = r.value(QStringLiteral("NRDOKUMENT"));
        v.netto = amountText(r.value(QStringLiteral("NETTO")));
        v.vat = amountText(r.value(QStringLiteral("VAT")));
        v.brutto = amountText(r.value(QStringLiteral("BRUTTO")));
        v.uwagi = r.value(QStringLiteral("UWAGI"));
        v.dataWystaw = v.data;
    }
    v.handOn = false;
    return v;
}

void installCostHandOverTarget() {
    FormHandOverTarget<CostFormValues> t;
    t.registerId = RegisterId::Costs;
    t.editing = costEditing;
    t.prefill = [](DataModule&, const HandOverRecord& r, CostFormValues defaults) {
        return costFromHandOver(r, std::move(defaults));
    };
    t.check = [](CostFormValues& v) {
        return checkCostForm(v, programOptions().poleInneJestLiczba);
    };
    installFormHandOverTarget(kCostsTarget, std::move(t));
}

} // namespace kv
