#include "costs/AnnualSummary.h"

#include "dictionaries/RateTable.h"
#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/UserInterface.h"
#include "trips/TripAllowance.h"

namespace kv {

namespace {

// Reported when the trips or the costs of the year cannot be read.
constexpr int kTripsCode = 6301;
constexpr int kCostsCode = 6302;

// A stored amount as its cell shows it; nothing for a value that is no number.
std::optional<Decimal> shownAmount(const QVariant& value) {
    try {
        const std::optional<Decimal> d = Decimal::fromStored(value);
        if (!d)
            return std::nullopt;
        return d->rounded(2);
    } catch (const DecimalError&) {
        return std::nullopt;
    }
}

QString yearBounds(const QString& column, int year) {
    const qint64 lower = static_cast<qint64>(year) * 10000;
    return QStringLiteral(" AND %1 > %2 AND %1 < %3").arg(column).arg(lower).arg(lower + 1300);
}

} // namespace

Decimal AnnualSummary::cell(int month, int column) const {
    const AnnualSummaryRow& r = months.at(month);
    switch (column) {
    case 0:
        return r.allowance;
    case 1:
        return r.costs;
    case 2:
        return r.booked;
    case 3:
        return r.allowanceSurplus;
    default:
        return r.costSurplus;
    }
}

AnnualSummary carryAnnualSummary(const std::array<Decimal, 12>& allowance,
                                 const std::array<Decimal, 12>& costs) {
    AnnualSummary s;
    Decimal carriedAllowance;
    Decimal carriedCosts;
    for (int m = 0; m < 12; ++m) {
        AnnualSummaryRow& r = s.months[m];
        r.allowance = allowance[m];
        r.costs = costs[m];
        const Decimal a = allowance[m] + carriedAllowance;
        const Decimal b = costs[m] + carriedCosts;
        if (a > b) {
            r.booked = b;
            carriedAllowance = a - b;
            carriedCosts = Decimal();
        } else {
            r.booked = a;
            carriedAllowance = Decimal();
            carriedCosts = b - a;
        }
        r.allowanceSurplus = carriedAllowance;
        r.costSurplus = carriedCosts;
        s.totals[0] += r.allowance;
        s.totals[1] += r.costs;
        s.totals[2] += r.booked;
    }
    s.totals[3] = carriedAllowance;
    s.totals[4] = carriedCosts;
    return s;
}

int monthOfDate(qint64 dateNumber) {
    if (dateNumber < 10000000 || dateNumber > 99999999)
        return 0;
    const int month = static_cast<int>((dateNumber / 100) % 100);
    return month >= 1 && month <= 12 ? month : 0;
}

std::optional<AnnualSummary> computeAnnualSummary(DataModule& db, int vehicleId, int year) {
    std::array<Decimal, 12> allowance{};
    std::array<Decimal, 12> costs{};
    ProgressWindow progress;
    progress.step(QStringLiteral("Przejazdy"), 0);
    try {
        // The rates are read again: a rate changed since the trips register
        // was last shown counts.
        loadRateTable(db);
        const ResultSet trips = db.select(
            QStringLiteral("SELECT P.DATA AS DATA, P.ODLEGLOSC AS ODLEGLOSC, A.RODZAJ AS RODZAJ, "
                           "A.POJEMNOSC AS POJEMNOSC FROM przejazdy.DB AS P LEFT OUTER JOIN "
                           "pojazdy.DB AS A ON A.IDPOJAZD = P.IDPOJAZD WHERE P.IDPOJAZD = %1")
                .arg(vehicleId) +
            yearBounds(QStringLiteral("P.DATA"), year));
        const RateTable& rates = rateTable(db);
        const int date = trips.columnIndex(QStringLiteral("DATA"));
        for (int i = 0; i < trips.rowCount(); ++i) {
            const int month = monthOfDate(trips.value(i, date).toLongLong());
            if (month == 0)
                continue;
            try {
                allowance[month - 1] += tripAllowance(rates, trips, i).amount;
            } catch (const DecimalError&) {
                // A length that is no number adds nothing.
            }
        }
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kTripsCode);
        return std::nullopt;
    }
    progress.step(QStringLiteral("Koszty"), 50);
    try {
        const ResultSet rows = db.select(
            QStringLiteral("SELECT DATA, WARTNETTO, WARTBRUTTO, CZYVAT FROM koszty.DB WHERE "
                           "IDPOJAZD = %1")
                .arg(vehicleId) +
            yearBounds(QStringLiteral("DATA"), year));
        for (int i = 0; i < rows.rowCount(); ++i) {
            const int month = monthOfDate(rows.value(i, 0).toLongLong());
            if (month == 0)
                continue;
            const bool gross = rows.value(i, 3).toString() == u"T";
            if (const std::optional<Decimal> v = shownAmount(rows.value(i, gross ? 2 : 1)))
                costs[month - 1] += *v;
        }
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kCostsCode);
        return std::nullopt;
    }
    progress.step(QStringLiteral("Zestawienie"), 100);
    return carryAnnualSummary(allowance, costs);
}

QString annualSummaryMonthTitle() {
    return QStringLiteral("Miesiąc");
}

const QStringList& annualSummaryColumnTitles() {
    static const QStringList titles{QStringLiteral("Przebieg"), QStringLiteral("Eksploatacja"),
                                    QStringLiteral("Do zaksięgowania"),
                                    QStringLiteral("Nadwyżka z przebiegu"),
                                    QStringLiteral("Nadwyżka z eksploatacji")};
    return titles;
}

QString annualSummaryCellText(const Decimal& value) {
    return formatDecimal(value, 2) + QStringLiteral(" zł ");
}

} // namespace kv
