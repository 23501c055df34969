#pragma once

#include "tools/demo/DemoDataSet.h"
#include "tools/demo/DemoMasterData.h"

#include <map>

namespace kv::demo {

struct DemoRefuelling {
    const DemoVehicle* vehicle;
    QDate date;
    double litres;
    double reading;
    qint64 roadCard; // IDDROGOWA of that day's road card, 0 when none
};

// A day's work of the lorry or the machine, later gathered into orders.
struct DemoJob {
    const DemoVehicle* vehicle;
    QDate date;
    QString driver;
    QString route;
    double hours;
};

// A trip long enough to bring a toll or a parking fee with it.
struct DemoLongTrip {
    const DemoVehicle* vehicle;
    QDate date;
    QString driver;
    QString route;
    double km;
};

// What the other dated registers need from the year of driving.
class DemoFleetHistory {
public:
    std::vector<DemoRefuelling> refuellings;
    std::vector<DemoJob> jobs;
    std::vector<DemoLongTrip> longTrips;

    // The odometer (hour meter) at the end of a day.
    double readingOn(const DemoVehicle& vehicle, const QDate& date) const;
    // The greatest reading the odometer history holds for the vehicle.
    double recordedReading(const DemoVehicle& vehicle) const;

    void record(const DemoVehicle& vehicle, const QDate& date, double reading);
    void recordHistory(const DemoVehicle& vehicle, double reading);

private:
    std::map<qint64, std::map<QDate, double>> m_endOfDay;
    std::map<qint64, double> m_recorded;
};

// Drives the fleet day by day through the year: trips (przejazdy), road cards
// (kartydrogowe), refuelling in the three consumption registers and the
// odometer history (przebiegi). Odometers only grow, and every reading of a
// day lies between the day's start and end, so all registers agree.
DemoFleetHistory simulateFleet(const DemoMasterData& master, DemoDataSet& out);

} // namespace kv::demo
