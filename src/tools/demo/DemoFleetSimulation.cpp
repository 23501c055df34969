#include "tools/demo/DemoFleetSimulation.h"

#include "tools/demo/DemoCalendar.h"
#include "tools/demo/DemoRandom.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace kv::demo {

namespace {

// Refuel before a day's driving would leave less than this share in the tank.
constexpr double kRefuelBelow = 0.2;
// Routes a vehicle takes: at most this share of what a full tank covers.
constexpr double kRangeShare = 0.7;
constexpr int kLongTripKm = 250;

double round2(double v) {
    return std::round(v * 100.0) / 100.0;
}

int timeNumber(int minutes) {
    return (minutes / 60) * 100 + minutes % 60;
}

struct Route {
    QString text;
    int km;
};

struct VehicleState {
    double reading;
    double tank;
    double readingAtRefuel;
};

class Simulation {
public:
    Simulation(const DemoMasterData& master, DemoDataSet& out) : m(master), out(out) {
        for (const DemoDictionaryEntry& e : m.list(QStringLiteral("TRASY")))
            if (e.extra.toInt() > 0)
                routes.push_back({e.text, e.extra.toInt()});
        for (const DemoDictionaryEntry& e : m.list(QStringLiteral("CELWY")))
            purposes.push_back(e.text);
        for (const DemoEmployee& e : m.employees)
            drivers.push_back(e.nrew);
        for (const DemoVehicle& v : m.vehicles) {
            // The per-km and per-hour registers count the fuel used between
            // two fill-ups to the brim, so those vehicles start with a full tank.
            const bool fullTank = v.reg == FuelRegister::PerKm || v.reg == FuelRegister::PerHour;
            states.push_back(
                {v.startReading, fullTank ? v.tank : round2(v.tank * 0.6), v.startReading});
        }
    }

    DemoFleetHistory run() {
        if (routes.empty() || purposes.empty() || drivers.empty())
            return {};
        for (QDate d = m.firstDay; d <= m.today; d = d.addDays(1)) {
            const DemoVehicle* lent =
                d.dayOfWeek() == 6 && lending.chance(0.12) ? pickLendable(d) : nullptr;
            for (size_t i = 0; i < m.vehicles.size(); ++i) {
                const DemoVehicle& v = m.vehicles[i];
                if (!v.activeOn(d))
                    continue;
                if (&v == lent)
                    lendPrivately(v, states[i], d);
                else if (isWorkingDay(d))
                    workingDay(v, states[i], d);
            }
        }
        writeOdometerHistory();
        return std::move(history);
    }

private:
    const DemoMasterData& m;
    DemoDataSet& out;
    DemoRandom rnd = DemoRandom::stream("przejazdy");
    DemoRandom fuel = DemoRandom::stream("tankowanie");
    DemoRandom lending = DemoRandom::stream("uzyczenia");
    std::vector<Route> routes;
    std::vector<QString> purposes;
    std::vector<QString> drivers;
    std::vector<VehicleState> states;
    DemoFleetHistory history;
    qint64 roadCardId = 0;
    std::map<int, int> roadCardsInYear;
    int vatQuarter = -1;

    double rangeKm(const DemoVehicle& v) const {
        return v.consumption > 0 ? v.tank * 100.0 / v.consumption : 1000.0;
    }

    Route pickRoute(double maxKm) {
        // Short routes are driven far more often than long ones.
        double total = 0;
        for (const Route& r : routes)
            if (r.km <= maxKm)
                total += 1.0 / std::pow(r.km + 20.0, 1.3);
        double x = rnd.real(0, total);
        for (const Route& r : routes) {
            if (r.km > maxKm)
                continue;
            x -= 1.0 / std::pow(r.km + 20.0, 1.3);
            if (x <= 0)
                return r;
        }
        return routes.front();
    }

    // Lorries and vans mostly carry materials; cars go anywhere.
    QString purposeFor(const DemoVehicle& v) {
        static const QStringList cargo = {QStringLiteral("Dostawa materiałów na budowę"),
                                          QStringLiteral("Zakup materiałów w hurtowni"),
                                          QStringLiteral("Montaż instalacji u klienta")};
        const bool carriesCargo =
            v.reg == FuelRegister::PerKm ||
            (v.kind != kPassengerCarKind && v.kind != kMotorcycleKind && rnd.chance(0.7));
        if (carriesCargo) {
            std::vector<QString> known;
            for (const QString& p : purposes)
                if (cargo.contains(p))
                    known.push_back(p);
            if (!known.empty())
                return rnd.pick(known);
        }
        return rnd.pick(purposes);
    }

    void workingDay(const DemoVehicle& v, VehicleState& st, const QDate& d) {
        switch (v.reg) {
        case FuelRegister::Continuous:
        case FuelRegister::None:
            tripDay(v, st, d);
            break;
        case FuelRegister::PerKm:
            roadCardDay(v, st, d);
            break;
        case FuelRegister::PerHour:
            machineDay(v, st, d);
            break;
        }
    }

    void tripDay(const DemoVehicle& v, VehicleState& st, const QDate& d) {
        if (v.kind == kMotorcycleKind && (d.month() < 4 || d.month() > 10))
            return;
        double km = 0;
        if (rnd.chance(v.jobShare)) {
            const Route r = pickRoute(rangeKm(v) * kRangeShare);
            const QString driver = rnd.chance(0.85) ? v.driver : rnd.pick(drivers);
            DemoRow& trip = out.add(QStringLiteral("przejazdy"));
            trip.set("DATA", dateNumber(d))
                .set("IDPOJAZD", v.id)
                .set("CELWYJAZDU", purposeFor(v))
                .set("TRASA", r.text)
                .set("ODLEGLOSC", double(r.km))
                .set("IDKIEROWCY", driver)
                .set("UWAGI", QString())
                .set("PRYW", QStringLiteral("N"))
                .set("PRYWLICZOD", 0.0)
                .set("PRYWLICZDO", 0.0)
                .set("PRYWKTO", QString());
            km += r.km;
            if (r.km >= kLongTripKm)
                history.longTrips.push_back({&v, d, driver, r.text, double(r.km)});
        }
        km += std::round(v.dailyExtra * rnd.real(0.4, 1.6));
        drive(v, st, d, km, 0);
    }

    // A Saturday when a car is lent to someone who is not an employee. The
    // car kept under the VAT mileage record is lent at the first such
    // Saturday of each quarter, so its record shows lent trips.
    const DemoVehicle* pickLendable(const QDate& d) {
        const int quarter = d.year() * 4 + (d.month() - 1) / 3;
        for (const DemoVehicle& v : m.vehicles)
            if (v.registration == kVatRecordVehicle && v.activeOn(d) && quarter != vatQuarter) {
                vatQuarter = quarter;
                return &v;
            }
        std::vector<const DemoVehicle*> cars;
        for (const DemoVehicle& v : m.vehicles)
            if (v.kind == kPassengerCarKind && v.reg == FuelRegister::Continuous && v.activeOn(d))
                cars.push_back(&v);
        return cars.empty() ? nullptr : lending.pick(cars);
    }

    void lendPrivately(const DemoVehicle& v, VehicleState& st, const QDate& d) {
        static const std::vector<QString> borrowers = {
            QStringLiteral("Jan Nowicki (zleceniobiorca)"),
            QStringLiteral("Ewa Mazur (praktykantka)"),
            QStringLiteral("Adam Grabowski (podwykonawca)")};
        const Route r = pickRoute(150);
        DemoRow& trip = out.add(QStringLiteral("przejazdy"));
        trip.set("DATA", dateNumber(d))
            .set("IDPOJAZD", v.id)
            .set("CELWYJAZDU", rnd.pick(purposes))
            .set("TRASA", r.text)
            .set("ODLEGLOSC", double(r.km))
            .set("IDKIEROWCY", v.driver)
            .set("UWAGI", QStringLiteral("Pojazd użyczony osobie spoza firmy."))
            .set("PRYW", QStringLiteral("T"))
            .set("PRYWLICZOD", st.reading)
            .set("PRYWLICZDO", st.reading + r.km)
            .set("PRYWKTO", lending.pick(borrowers));
        drive(v, st, d, r.km, 0);
    }

    void roadCardDay(const DemoVehicle& v, VehicleState& st, const QDate& d) {
        if (!rnd.chance(v.jobShare))
            return;
        const Route r = pickRoute(std::min(280.0, rangeKm(v) * kRangeShare));
        const double km = r.km + rnd.between(5, 30);
        const int startMinutes = 6 * 60 + 30 + 15 * rnd.between(0, 4);
        const double driving = std::ceil(km / 55.0 * 4.0) / 4.0;
        const double total = driving + 0.25 * rnd.between(6, 12);
        const int number = ++roadCardsInYear[d.year()];
        const qint64 id = ++roadCardId;
        DemoRow& card = out.add(QStringLiteral("kartydrogowe"));
        card.set("IDDROGOWA", id)
            .set("NRKARTY",
                 QStringLiteral("KD/%1/%2").arg(number, 3, 10, QLatin1Char('0')).arg(d.year()))
            .set("DATAWYST", dateNumber(d))
            .set("IDPOJAZD", v.id)
            .set("IDKIEROWCY", v.driver)
            .set("CELWYJAZDU", purposeFor(v))
            .set("TRASA", r.text)
            .set("LICZSTART", st.reading)
            .set("LICZEND", st.reading + km)
            .set("DATASTART", dateNumber(d))
            .set("DATAEND", dateNumber(d))
            .set("GODZSTART", timeNumber(startMinutes))
            .set("GODZEND", timeNumber(startMinutes + int(std::lround(total * 60))))
            .set("CZAS", driving)
            .set("UWAGI", QString())
            .set("PRAWOJAZDY", m.licenceOf(v.driver))
            .set("ODPOCZYNEK", std::min(24.0 - total, 11.0 + 0.25 * rnd.between(0, 12)))
            .set("GODZSUMA", total);
        history.jobs.push_back({&v, d, v.driver, r.text, total});
        drive(v, st, d, km, id);
    }

    void machineDay(const DemoVehicle& v, VehicleState& st, const QDate& d) {
        if (!rnd.chance(v.jobShare))
            return;
        const double hours = std::max(1.0, std::round(v.dailyExtra * rnd.real(0.6, 1.5) * 2) / 2);
        history.jobs.push_back({&v, d, v.driver, QString(), hours});
        drive(v, st, d, hours, 0);
    }

    // Uses the vehicle for a day: refuels first when the day's driving would
    // drain the tank, then moves the odometer on.
    void drive(const DemoVehicle& v, VehicleState& st, const QDate& d, double distance,
               qint64 roadCard) {
        if (distance <= 0)
            return;
        if (v.reg != FuelRegister::None) {
            const bool winter = d.month() == 12 || d.month() <= 2;
            const double perUnit =
                v.reg == FuelRegister::PerHour ? v.consumption : v.consumption / 100.0;
            const double need = distance * perUnit * fuel.real(0.92, 1.08) * (winter ? 1.07 : 1.0);
            if (st.tank - need < kRefuelBelow * v.tank)
                refuel(v, st, d, roadCard);
            st.tank = std::max(0.0, round2(st.tank - need));
        }
        st.reading += distance;
        history.record(v, d, st.reading);
    }

    void refuel(const DemoVehicle& v, VehicleState& st, const QDate& d, qint64 roadCard) {
        const bool continuous = v.reg == FuelRegister::Continuous;
        const double shortOfFull = continuous ? fuel.real(0, std::min(3.0, v.tank * 0.1)) : 0;
        const double litres = round2(v.tank - st.tank - shortOfFull);
        const QString table = continuous                     ? QStringLiteral("zuzycie")
                              : v.reg == FuelRegister::PerKm ? QStringLiteral("zuzyciekm")
                                                             : QStringLiteral("zuzyciemth");
        DemoRow& row = out.add(table);
        row.set("IDPOJAZD", v.id).set("DATA", dateNumber(d));
        if (continuous)
            row.set("BAK", st.tank);
        else
            row.set("PRZEBIEG", st.reading - st.readingAtRefuel);
        row.set("TANKOWANIE", litres).set("LICZNIK", st.reading);
        history.refuellings.push_back({&v, d, litres, st.reading, roadCard});
        st.tank = round2(st.tank + litres);
        st.readingAtRefuel = st.reading;
    }

    void writeOdometerHistory() {
        for (const DemoVehicle& v : m.vehicles) {
            if (v.reg == FuelRegister::None)
                continue;
            std::map<QDate, QString> readings;
            std::map<QDate, double> kinds; // DOTYCZY of the VAT mileage record
            const bool vat = v.registration == kVatRecordVehicle;
            if (v.activeFrom > m.firstDay)
                readings[v.activeFrom] = QStringLiteral("Stan licznika przy zakupie pojazdu");
            else
                readings[m.firstDay] = QStringLiteral("Stan licznika na początek okresu");
            // Its record starts with the year's first reading.
            if (vat)
                kinds[std::max(v.activeFrom, m.firstDay)] = 1;
            for (QDate month(v.activeFrom.year(), v.activeFrom.month(), 1); month <= v.activeTo;
                 month = month.addMonths(1)) {
                const QDate end(month.year(), month.month(), month.daysInMonth());
                if (end >= v.activeFrom && end <= v.activeTo) {
                    readings[end] = QStringLiteral("Odczyt na koniec miesiąca");
                    if (vat && !kinds.count(end))
                        kinds[end] = 2; // the end of each settlement period
                }
            }
            if (v.activeTo < m.today)
                readings[v.activeTo] = v.status == 2
                                           ? QStringLiteral("Odczyt przy sprzedaży pojazdu")
                                           : QStringLiteral("Odczyt przy wycofaniu z eksploatacji");
            else
                readings[m.today] = QStringLiteral("Odczyt bieżący");
            for (const auto& [date, remark] : readings) {
                const double reading = history.readingOn(v, date);
                out.add(QStringLiteral("przebiegi"))
                    .set("IDPOJAZD", v.id)
                    .set("DATA", dateNumber(date))
                    .set("LICZNIK", reading)
                    .set("UWAGI", remark)
                    .set("DOTYCZY", kinds.count(date) ? kinds.at(date) : 0.0);
                history.recordHistory(v, reading);
            }
        }
    }
};

} // namespace

double DemoFleetHistory::readingOn(const DemoVehicle& vehicle, const QDate& date) const {
    const auto days = m_endOfDay.find(vehicle.id);
    if (days == m_endOfDay.end())
        return vehicle.startReading;
    auto it = days->second.upper_bound(date);
    if (it == days->second.begin())
        return vehicle.startReading;
    return std::prev(it)->second;
}

double DemoFleetHistory::recordedReading(const DemoVehicle& vehicle) const {
    const auto it = m_recorded.find(vehicle.id);
    return it == m_recorded.end() ? 0.0 : it->second;
}

void DemoFleetHistory::record(const DemoVehicle& vehicle, const QDate& date, double reading) {
    m_endOfDay[vehicle.id][date] = reading;
}

void DemoFleetHistory::recordHistory(const DemoVehicle& vehicle, double reading) {
    double& best = m_recorded[vehicle.id];
    best = std::max(best, reading);
}

DemoFleetHistory simulateFleet(const DemoMasterData& master, DemoDataSet& out) {
    return Simulation(master, out).run();
}

} // namespace kv::demo
