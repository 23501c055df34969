#include "framework/RegisterFilters.h"

#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/DateNumbers.h"
#include "support/Numbers.h"

namespace kv {

namespace {

// The extra lines of the vehicle and cost registers, by position.
constexpr int kStatusExtra = 0;
constexpr int kFleetExtra = 1;
constexpr int kFuelExtra = 1;
constexpr int kCostCentreExtra = 2;
constexpr int kRoadCardExtra = 3;

void setExtra(DataModule& db, RegisterId id, int index, const QString& fragment) {
    QStringList& extras = db.viewState(id).extraFragments;
    while (extras.size() <= index)
        extras.append(QString());
    extras[index] = fragment;
}

} // namespace

QStringList RegisterFilters::vehicleNumbers() const {
    QStringList numbers;
    try {
        const ResultSet r =
            m_db.select(QStringLiteral("SELECT NRREJ FROM pojazdy.DB ORDER BY NRREJ COLLATE PL"));
        for (int i = 0; i < r.rowCount(); ++i)
            numbers.append(r.value(i, 0).toString());
    } catch (const DatabaseError&) {
    }
    return numbers;
}

void RegisterFilters::selectVehicle(const QString& registrationNumber) {
    SharedFilters& f = m_db.filters();
    const bool all = registrationNumber.isEmpty() || registrationNumber == u"(Wszystkie)";
    f.selectedVehicleNr = all ? QString() : registrationNumber;
    f.selectedVehicleId = 0;
    m_normFrom.clear();
    m_normTo.clear();
    if (all) {
        m_vehicleLabel = QStringLiteral("-");
        m_consumptionVehicle = QStringLiteral("(Wybierz pojazd)");
    } else {
        int id = -1;
        try {
            const ResultSet r =
                m_db.select(QStringLiteral("SELECT IDPOJAZD,NRREJ,MARKA,POJEMNOSC,NORMAOD,NORMADO\n"
                                           "FROM pojazdy.DB WHERE NRREJ = :NR"),
                            {{QStringLiteral("NR"), registrationNumber}});
            if (r.isEmpty())
                throw DatabaseError(
                    QStringLiteral("Nie znaleziono pojazdu %1.").arg(registrationNumber));
            id = r.value(0, QStringLiteral("IDPOJAZD")).toInt();
            const QString make = r.text(0, QStringLiteral("MARKA"));
            m_consumptionVehicle = registrationNumber + QStringLiteral(", ") + make;
            m_normFrom = formatNumber(r.value(0, QStringLiteral("NORMAOD")).toDouble(), 2);
            m_normTo = formatNumber(r.value(0, QStringLiteral("NORMADO")).toDouble(), 2);
            m_vehicleLabel = make + QStringLiteral(", poj. ") +
                             QString::number(r.value(0, QStringLiteral("POJEMNOSC")).toLongLong()) +
                             QStringLiteral(" cm3");
        } catch (const DatabaseError& e) {
            reportDatabaseError(e.message(), true, 161);
        }
        f.selectedVehicleId = id;
    }
    for (const RegisterDescriptor& d : allRegisters()) {
        RegisterViewState& s = m_db.viewState(d.id);
        s.vehicleParameter = f.selectedVehicleNr;
        switch (d.vehicleFilter) {
        case VehicleFilter::None:
            break;
        case VehicleFilter::RegistrationNumber:
            s.vehicleFragment =
                all ? QString() : QStringLiteral("AND NRREJ = :") + kVehicleFilterParameter;
            break;
        case VehicleFilter::VehicleId:
            // The refuelling registers show nothing until a vehicle is chosen.
            s.vehicleFragment = all ? QStringLiteral("AND IDPOJAZD = -1")
                                    : QStringLiteral("AND IDPOJAZD = %1").arg(f.selectedVehicleId);
            break;
        }
    }
}

void RegisterFilters::selectMonthYear(int month, int year) {
    SharedFilters& f = m_db.filters();
    if (year <= 0)
        month = 0;
    if (year <= 0) {
        f.periodStart = f.periodEnd = 0;
        for (const RegisterDescriptor& d : allRegisters())
            m_db.viewState(d.id).periodFragment.clear();
        return;
    }
    const qint64 lower = static_cast<qint64>(year) * 10000 + (month > 0 ? month * 100 : 0);
    const qint64 upper = lower + (month > 0 ? 100 : 1300);
    f.periodStart = lower;
    f.periodEnd = upper;
    for (const RegisterDescriptor& d : allRegisters())
        m_db.viewState(d.id).periodFragment = periodFragment(d.period, lower, upper, false);
}

void RegisterFilters::selectDateRange(const QString& fromText, const QString& toText) {
    const qint64 from = isValidDateText(fromText) ? textToDateNumber(fromText, true) : 0;
    const qint64 to = isValidDateText(toText) ? textToDateNumber(toText, true) : 99999999;
    SharedFilters& f = m_db.filters();
    f.periodStart = from;
    f.periodEnd = to;
    for (const RegisterDescriptor& d : allRegisters())
        m_db.viewState(d.id).periodFragment = periodFragment(d.period, from, to, true);
}

void RegisterFilters::setVehicleStatusFilter(int index) {
    QString fragment;
    if (index >= 0 && index <= 4)
        fragment = QStringLiteral("AND STATUS = %1").arg(index);
    else if (index == 5)
        fragment = QStringLiteral("AND STATUS <> 0");
    setExtra(m_db, RegisterId::Vehicles, kStatusExtra, fragment);
}

void RegisterFilters::setFleetFilter(int key) {
    setExtra(m_db, RegisterId::Vehicles, kFleetExtra,
             key >= 0 ? QStringLiteral("AND NRFLOTY=%1").arg(key) : QString());
}

void RegisterFilters::setFuelOnly(bool on) {
    setExtra(m_db, RegisterId::Costs, kFuelExtra,
             on ? QStringLiteral("AND ISFUEL='T'") : QString());
}

void RegisterFilters::setCostCentre(bool on, int key) {
    setExtra(m_db, RegisterId::Costs, kCostCentreExtra,
             on && key >= 0 ? QStringLiteral("AND CK=%1").arg(key) : QString());
}

void RegisterFilters::setRoadCard(bool on, int id) {
    setExtra(m_db, RegisterId::Costs, kRoadCardExtra,
             on && id >= 0 ? QStringLiteral("AND IDDROGOWA=%1").arg(id) : QString());
}

} // namespace kv
