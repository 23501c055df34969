#include "fleet/VehicleForm.h"

#include "storage/engine/ResultSet.h"
#include "support/DateNumbers.h"
#include "support/Numbers.h"

#include <cmath>

namespace kv {

namespace {

QString dateText(const QVariant& v) {
    return dateNumberToText(v.toLongLong(), true);
}
QString twoDecimals(const QVariant& v) {
    return formatNumber(v.toDouble(), 2);
}

// Blank, or a day the calendar has.
bool dateFieldOk(const QString& text) {
    return isBlankDateText(text) || isCalendarDateText(text);
}

QString dateNumberSql(const QString& text) {
    return QString::number(isBlankDateText(text) ? 0 : textToDateNumber(text, true));
}

} // namespace

VehicleFormValues newVehicleDefaults() {
    VehicleFormValues v;
    // Plain "0"; saving rewrites them with two decimals.
    const QString zero = QStringLiteral("0");
    v.stawka = v.normaOd = v.normaDo = v.liczPrzeg = v.liczGwar = zero;
    return v;
}

VehicleFormValues vehicleFromRecord(const ResultSet& r, int row) {
    auto value = [&](const char* column) { return r.value(row, QLatin1String(column)); };
    auto text = [&](const char* column) { return value(column).toString(); };
    VehicleFormValues v;
    const QVariant lp = value("LP");
    v.lp = lp.isNull() ? QString() : QString::number(std::llround(lp.toDouble()));
    v.nrewid = text("NREWID");
    bool ok = false;
    const int status = value("STATUS").toInt(&ok);
    v.status = ok && status >= 0 && status <= 4 ? status : 0;
    v.fleetKey = value("NRFLOTY").toInt();
    v.nrrej = text("NRREJ");
    v.poprzNrrej = text("POPRZNRREJ");
    v.marka = text("MARKA");
    v.kindKey = value("RODZAJ").toInt();
    v.capacity =
        value("POJEMNOSC").isNull() ? QString() : QString::number(value("POJEMNOSC").toLongLong());
    const int year = value("ROCZNIK").toInt();
    // A year the list does not offer shows as an empty field.
    v.year =
        year >= kFirstListedYear && year <= kLastListedYear ? QString::number(year) : QString();
    v.seriaDrej = text("SERIADREJ");
    v.nrSilnika = text("NRSILNIKA");
    v.nrNadwozia = text("NRNADWOZIA");
    v.owner = text("NREW");
    v.driver = text("IDKIEROWCY");
    v.dataOc = dateText(value("DATAOC"));
    v.nrPolOc = text("NRPOLOC");
    v.dataAc = dateText(value("DATAAC"));
    v.nrPolAc = text("NRPOLAC");
    v.dataPrze = dateText(value("DATAPRZE"));
    v.dataPrzeGw = dateText(value("DATAPRZEGW"));
    v.uwagi = text("UWAGI");
    v.stawka = twoDecimals(value("STAWKA"));
    v.dataTacho = dateText(value("DATATACHO"));
    v.normaOd = twoDecimals(value("NORMAOD"));
    v.normaDo = twoDecimals(value("NORMADO"));
    v.liczPrzeg = twoDecimals(value("LICZPRZEG"));
    v.liczGwar = twoDecimals(value("LICZGWAR"));
    return v;
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

QHash<QString, QString> vehicleSlotValues(const VehicleFormValues& v) {
    QHash<QString, QString> s;
    s.insert(QStringLiteral("RODZAJ"), QString::number(v.kindKey));
    s.insert(QStringLiteral("POJEMNOSC"), QString::number(parseInteger(v.capacity).value_or(0)));
    s.insert(QStringLiteral("ROCZNIK"), QString::number(parseInteger(v.year).value_or(0)));
    s.insert(QStringLiteral("DATAOC"), dateNumberSql(v.dataOc));
    s.insert(QStringLiteral("DATAAC"), dateNumberSql(v.dataAc));
    s.insert(QStringLiteral("DATAPRZE"), dateNumberSql(v.dataPrze));
    s.insert(QStringLiteral("DATAPRZEGW"), dateNumberSql(v.dataPrzeGw));
    s.insert(QStringLiteral("DATATACHO"), dateNumberSql(v.dataTacho));
    s.insert(QStringLiteral("STAWKA"), numberForSql(v.stawka));
    s.insert(QStringLiteral("NORMAOD"), numberForSql(v.normaOd));
    s.insert(QStringLiteral("NORMADO"), numberForSql(v.normaDo));
    s.insert(QStringLiteral("LICZPRZEG"), numberForSql(v.liczPrzeg));
    s.insert(QStringLiteral("LICZGWAR"), numberForSql(v.liczGwar));
    const std::optional<qint64> lp = parseInteger(v.lp);
    s.insert(QStringLiteral("LP"), lp ? QString::number(*lp) : QStringLiteral("NULL"));
    s.insert(QStringLiteral("NRFLOTY"),
             v.fleetKey > 0 ? QString::number(v.fleetKey) : QStringLiteral("NULL"));
    s.insert(QStringLiteral("STATUS"), QString::number(v.status));
    return s;
}

QStringList vehicleParams(const VehicleFormValues& v) {
    return {v.nrrej.trimmed(), v.poprzNrrej, v.marka,   v.seriaDrej, v.nrSilnika, v.nrNadwozia,
            v.owner,           v.driver,     v.nrPolOc, v.nrPolAc,   v.uwagi,     v.nrewid};
}

} // namespace kv
