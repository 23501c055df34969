#include "framework/RegisterFilters.h"

#include "framework/RegisterStates.h"
#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/DateNumbers.h"

namespace kv {

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
    SharedFilters& f = sharedFilters(m_db);
    const bool all = registrationNumber.isEmpty() || registrationNumber == u"(Wszystkie)";
    f.selectedVehicleNr = all ? QString() : registrationNumber;
    f.selectedVehicleId = 0;
    m_selected.clear();
    if (all) {
        m_vehicleLabel = QStringLiteral("-");
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
            for (int c = 0; c < r.columnCount(); ++c)
                m_selected.insert(r.columns().at(c), r.value(0, c));
            m_vehicleLabel = make + QStringLiteral(", poj. ") +
                             QString::number(r.value(0, QStringLiteral("POJEMNOSC")).toLongLong()) +
                             QStringLiteral(" cm3");
        } catch (const DatabaseError& e) {
            reportDatabaseError(e.message(), true, 161);
        }
        f.selectedVehicleId = id;
    }
    for (const RegisterDescriptor& d : allRegisters()) {
        RegisterViewState& s = registerState(m_db, d.id);
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
    SharedFilters& f = sharedFilters(m_db);
    if (year <= 0)
        month = 0;
    if (year <= 0) {
        f.periodStart = f.periodEnd = 0;
        for (const RegisterDescriptor& d : allRegisters())
            registerState(m_db, d.id).periodFragment.clear();
        return;
    }
    const qint64 lower = static_cast<qint64>(year) * 10000 + (month > 0 ? month * 100 : 0);
    const qint64 upper = lower + (month > 0 ? 100 : 1300);
    f.periodStart = lower;
    f.periodEnd = upper;
    for (const RegisterDescriptor& d : allRegisters())
        registerState(m_db, d.id).periodFragment = periodFragment(d.period, lower, upper, false);
}

void RegisterFilters::selectDateRange(const QString& fromText, const QString& toText) {
    selectDateRange(isValidDateText(fromText) ? textToDateNumber(fromText, true) : 0,
                    isValidDateText(toText) ? textToDateNumber(toText, true) : 0);
}

void RegisterFilters::selectDateRange(qint64 from, qint64 to) {
    if (to <= 0)
        to = 99999999;
    SharedFilters& f = sharedFilters(m_db);
    f.periodStart = from;
    f.periodEnd = to;
    for (const RegisterDescriptor& d : allRegisters())
        registerState(m_db, d.id).periodFragment = periodFragment(d.period, from, to, true);
}

void RegisterFilters::setExtraFilter(RegisterId id, const QString& name, const QString& fragment) {
    RegisterViewState& s = registerState(m_db, id);
    Q_ASSERT_X(s.extraFragments.contains(name), "RegisterFilters::setExtraFilter",
               qPrintable(name));
    s.extraFragments.insert(name, fragment);
}

} // namespace kv
