#include "subregisters/RepairForm.h"

#include "costs/CostAmounts.h"
#include "support/DateNumbers.h"

namespace kv {

namespace {

using V = RepairFormValues;

// The done mark: "T", or an empty text for a pending repair. A NULL would
// drop the row from every "NOT DONE='T'" the deadline checker asks.
Field<V> doneFlag() {
    Field<V> f = field("DONE", &V::done, FieldKind::Flag);
    f.get = [](const V& v) { return v.done == u"T" ? QStringLiteral("T") : QString(""); };
    f.set = [](V& v, const QString& text) {
        v.done = text.trimmed() == u"T" ? QStringLiteral("T") : QString("");
    };
    return f;
}

} // namespace

const FieldTable<RepairFormValues>& repairFields() {
    using K = FieldKind;
    auto vehicle = codeField("IDPOJAZD", &V::vehicle);
    vehicle.widget = QStringLiteral("fNRREJ");
    auto net = field("WARTNETTO", &V::netto, K::Amount);
    auto vat = field("WARTVAT", &V::vat, K::Amount);
    auto gross = field("WARTBRUTTO", &V::brutto, K::Amount);
    // Hidden: the window keeps them as loaded.
    net.widget = vat.widget = gross.widget = QString();
    static const FieldTable<V> table(QStringLiteral("naprawy.DB"),
                                     {vehicle, field("DATA", &V::data, K::Date),
                                      field("OPIS", &V::opis), net, vat, gross,
                                      field("UWAGI", &V::uwagi), field("IDKIEROWCY", &V::driver),
                                      field("LICZNIK", &V::licznik, K::Amount),
                                      field("LICZTERM", &V::liczterm, K::Amount), doneFlag()});
    return table;
}

RepairFormValues newRepairDefaults() {
    RepairFormValues v;
    v.netto = v.vat = v.brutto = v.licznik = v.liczterm = amountText(QString());
    v.done = QString("");
    return v;
}

FormCheck checkRepairForm(RepairFormValues& v) {
    v.licznik = amountText(v.licznik);
    v.liczterm = amountText(v.liczterm);
    const bool blank = v.data.trimmed().isEmpty() || isBlankDateText(v.data);
    if (!blank && !isCalendarDateText(v.data))
        return FormCheck::fail(QStringLiteral("fDATA"), kRepairDateMessage);
    if (v.vehicle <= 0)
        return FormCheck::fail(QStringLiteral("fNRREJ"), kEventNoVehicleMessage);
    return FormCheck::pass();
}

} // namespace kv
