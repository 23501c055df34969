#include "reports/CommonVariables.h"

#include "fleet/CompanyData.h"
#include "framework/RegisterStates.h"
#include "reports/ReportChoices.h"
#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/ProgramOptions.h"
#include "storage/engine/DatabaseError.h"
#include "support/DateNumbers.h"

namespace kv {

namespace {

// Reported when the chosen vehicle cannot be read for the report.
constexpr qint64 kVehicleReadCode = 161;

bool isDate(qint64 n) {
    return n >= 10000101 && n <= 99991231 && dateNumberToText(n, true).size() == 10;
}

QString signatureLine(const QString& role) {
    return QString(21, u'_') + QChar(13) + role;
}

} // namespace

QString commonVariable(const QString& name, const CommonValues& v, int page) {
    const QString n = name.toUpper();
    if (n == u"NRREJ")
        return v.vehicle;
    if (n == u"POJEMNOSC")
        return v.capacity;
    if (n == u"NORMAOD")
        return v.normFrom;
    if (n == u"NORMADO")
        return v.normTo;
    if (n == u"WLASCICIEL")
        return v.owner;
    if (n == u"FIRMA")
        return v.company;
    if (n == u"KIERODANE")
        return v.driver;
    if (n == u"NRKARTYPALIWOWEJ")
        return v.fuelCard;
    if (n == u"WYSTAWIL")
        return v.issuedBy;
    if (n == u"ZAAKCEPTOWAL")
        return v.acceptedBy;
    if (n == u"WYSTAWIONO")
        return v.issued;
    if (n == u"CURRENTNRREJ")
        return v.chosenVehicle;
    if (n == u"CURRENTDATE")
        return v.period;
    if (n == u"STRONA")
        return QString::number(page);
    return QString();
}

QString periodText(qint64 lower, qint64 upper) {
    // A month or a year of the lists: exclusive bounds whose month or day is "00".
    if (lower > 0 && lower % 100 == 0) {
        const qint64 year = lower / 10000;
        const qint64 month = lower / 100 % 100;
        if (month == 0 && upper - lower == 1300)
            return QStringLiteral("Dane z roku: %1").arg(year);
        if (month >= 1 && month <= 12 && upper - lower == 100)
            return QStringLiteral("Dane z miesiąca: %1-%2")
                .arg(month, 2, 10, QLatin1Char('0'))
                .arg(year);
    }
    // A date range: inclusive, 0 and 99999999 (or any non-date) open ends.
    const bool from = isDate(lower), to = isDate(upper);
    if (from && to)
        return QStringLiteral("Dane z okresu: %1 - %2")
            .arg(dateNumberToText(lower, true), dateNumberToText(upper, true));
    if (from)
        return QStringLiteral("Dane z okresu: od %1").arg(dateNumberToText(lower, true));
    if (to)
        return QStringLiteral("Dane z okresu: do %1").arg(dateNumberToText(upper, true));
    return QString();
}

CommonValues commonValues(DataModule& db, const ReportChoices& choices) {
    CommonValues v;
    const SharedFilters& filters = sharedFilters(db);
    const ProgramOptions& options = programOptions();
    QVariantMap vehicle;
    try {
        if (!filters.selectedVehicleNr.isEmpty()) {
            const ResultSet rows = db.select(
                QStringLiteral("SELECT NRREJ, MARKA, POJEMNOSC, NORMAOD, NORMADO, NREW FROM "
                               "pojazdy.DB WHERE NRREJ = :PARAM0"),
                engine::positionalParams({filters.selectedVehicleNr}));
            if (rows.rowCount() > 0)
                for (int c = 0; c < rows.columnCount(); ++c)
                    vehicle.insert(rows.columns().at(c), rows.value(0, c));
        } else if (db.hasQuery(QStringLiteral("DBFpojazdy"))) {
            const Query& q = db.query(QStringLiteral("DBFpojazdy"));
            for (const char* c : {"NRREJ", "MARKA", "POJEMNOSC", "NORMAOD", "NORMADO", "NREW"})
                vehicle.insert(QString::fromLatin1(c), q.currentValue(QString::fromLatin1(c)));
        }
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kVehicleReadCode);
    }
    auto text = [&](const char* c) {
        const QVariant value = vehicle.value(QString::fromLatin1(c));
        if (!value.isValid() || value.isNull())
            return QString();
        if (value.typeId() == QMetaType::Double)
            return QString::number(value.toDouble());
        return value.toString();
    };
    if (!vehicle.isEmpty() && !text("NRREJ").isEmpty()) {
        v.vehicle = text("NRREJ") + QStringLiteral(", ") + text("MARKA");
        v.capacity = text("POJEMNOSC") + QStringLiteral(" cm3");
        v.normFrom = text("NORMAOD");
        v.normTo = text("NORMADO");
        v.owner = text("NREW");
    }
    if (options.cbRapFirma)
        v.company = readCompanyHeaderName(db);
    v.driver = choices.driverText;
    v.fuelCard = choices.fuelCardKey;
    if (options.cbRapWystawil)
        v.issuedBy = signatureLine(QStringLiteral("Wystawił"));
    if (options.cbRapZaakceptowal)
        v.acceptedBy = signatureLine(QStringLiteral("Zaakceptował"));
    if (choices.issueDateTicked)
        v.issued = QStringLiteral("Wystawiono ") + choices.issueDateText;
    if (!filters.selectedVehicleNr.trimmed().isEmpty())
        v.chosenVehicle = QStringLiteral("Wybrany pojazd: ") + filters.selectedVehicleNr;
    v.period = periodText(filters.periodStart, filters.periodEnd);
    return v;
}

} // namespace kv
