#include "fleet/VehicleForm.h"

#include "support/DateNumbers.h"
#include "support/Numbers.h"

#include <cmath>

namespace kv {

namespace {

// Blank, or a day the calendar has.
bool dateFieldOk(const QString& text) {
    return isBlankDateText(text) || isCalendarDateText(text);
}

} // namespace

VehicleFormValues newVehicleDefaults() {
    VehicleFormValues v;
    // Plain "0"; saving rewrites them with two decimals.
    const QString zero = QStringLiteral("0");
    v.stawka = v.normaOd = v.normaDo = v.liczPrzeg = v.liczGwar = zero;
    return v;
}

const FieldTable<VehicleFormValues>& vehicleFields() {
    using V = VehicleFormValues;
    using K = FieldKind;
    auto lp = field("LP", &V::lp, K::Integer);
    lp.toSql = [](const V& v) {
        const std::optional<qint64> n = parseInteger(v.lp);
        return n ? QString::number(*n) : QStringLiteral("NULL");
    };
    auto status = codeField("STATUS", &V::status);
    status.fromStored = [](V& v, const QVariant& stored) {
        bool ok = false;
        const int code = stored.toInt(&ok);
        v.status = ok && code >= 0 && code <= 4 ? code : 0;
    };
    auto fleet = codeField("NRFLOTY", &V::fleetKey);
    fleet.toSql = [](const V& v) {
        return v.fleetKey > 0 ? QString::number(v.fleetKey) : QStringLiteral("NULL");
    };
    auto year = field("ROCZNIK", &V::year, K::Integer);
    year.fromStored = [](V& v, const QVariant& stored) {
        const int y = stored.toInt();
        v.year = y >= kFirstListedYear && y <= kLastListedYear ? QString::number(y) : QString();
    };
    static const FieldTable<V> table(QStringLiteral("pojazdy.DB"),
                                     {field("NRREJ", &V::nrrej, K::Key),
                                      field("POPRZNRREJ", &V::poprzNrrej),
                                      field("MARKA", &V::marka),
                                      codeField("RODZAJ", &V::kindKey),
                                      field("POJEMNOSC", &V::capacity, K::Integer),
                                      year,
                                      field("SERIADREJ", &V::seriaDrej),
                                      field("NRSILNIKA", &V::nrSilnika),
                                      field("NRNADWOZIA", &V::nrNadwozia),
                                      field("NREW", &V::owner),
                                      field("IDKIEROWCY", &V::driver),
                                      field("DATAOC", &V::dataOc, K::Date),
                                      field("NRPOLOC", &V::nrPolOc),
                                      field("DATAAC", &V::dataAc, K::Date),
                                      field("NRPOLAC", &V::nrPolAc),
                                      field("DATAPRZE", &V::dataPrze, K::Date),
                                      field("DATAPRZEGW", &V::dataPrzeGw, K::Date),
                                      field("UWAGI", &V::uwagi),
                                      field("STAWKA", &V::stawka, K::Amount),
                                      field("DATATACHO", &V::dataTacho, K::Date),
                                      field("NORMAOD", &V::normaOd, K::Amount),
                                      field("NORMADO", &V::normaDo, K::Amount),
                                      field("LICZPRZEG", &V::liczPrzeg, K::Amount),
                                      field("LICZGWAR", &V::liczGwar, K::Amount),
                                      lp,
                                      fleet,
                                      field("NREWID", &V::nrewid),
                                      status});
    return table;
}

QString rewriteTwoDecimals(const QString& text) {
    const std::optional<double> n = parseNumber(text);
    return n ? formatNumber(*n, 2) : text;
}

QString rewriteOrdinal(const QString& text) {
    const std::optional<double> n = parseNumber(text);
    return n ? QString::number(std::llround(*n)) : QStringLiteral("0");
}

FormCheck checkVehicleForm(VehicleFormValues& v) {
    for (QString* field : {&v.stawka, &v.normaOd, &v.normaDo, &v.liczPrzeg, &v.liczGwar})
        *field = formatNumber(parseNumber(*field).value_or(0.0), 2);

    if (v.nrrej.trimmed().isEmpty())
        return FormCheck::fail(
            QStringLiteral("fNRREJ"),
            QStringLiteral("Nie wprowadzono numeru rejestracyjnego. Popraw pole."));
    if (!v.year.trimmed().isEmpty()) {
        const std::optional<qint64> year = parseInteger(v.year);
        if (!year || *year < kFirstListedYear)
            return FormCheck::fail(QStringLiteral("fROCZNIK"),
                                   QStringLiteral("Niepoprawny rocznik pojazdu. Popraw pole."));
    }
    const struct {
        const QString* text;
        const char* field;
        QString message;
    } dates[] = {
        {&v.dataTacho, "fDATATACHO",
         QStringLiteral("Niepoprawny format daty legalizacji tachografu. Popraw pole.")},
        {&v.dataPrze, "fDATAPRZE",
         QStringLiteral("Niepoprawny format daty przeglądu. Popraw pole.")},
        {&v.dataOc, "fDATAOC",
         QStringLiteral("Niepoprawny format daty ważności ubezpieczenia OC. Popraw pole.")},
        {&v.dataAc, "fDATAAC",
         QStringLiteral("Niepoprawny format daty ważności ubezpieczenia AC. Popraw pole.")},
        {&v.dataPrzeGw, "fDATAPRZEGW",
         QStringLiteral("Niepoprawny format daty przeglądu gwaranyjnego. Popraw pole.")},
    };
    for (const auto& d : dates)
        if (!dateFieldOk(*d.text))
            return FormCheck::fail(QLatin1String(d.field), d.message);

    if (v.capacity.trimmed().isEmpty())
        v.capacity = QStringLiteral("0");
    const std::optional<qint64> capacity = parseInteger(v.capacity);
    if (!capacity || *capacity < 0)
        return FormCheck::fail(
            QStringLiteral("fPOJEMNOSC"),
            QStringLiteral("Niepoprawna pojemność silnika. Podaj pojemność jako liczę całkowitą "
                           "wyrażoną w centymetrach sześciennych. Popraw pole."),
            true);
    v.capacity = QString::number(*capacity);
    return FormCheck::pass();
}

} // namespace kv
