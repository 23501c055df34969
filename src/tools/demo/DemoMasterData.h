#pragma once

#include <QDate>
#include <QString>
#include <vector>

namespace kv::demo {

// Where a vehicle's refuelling is recorded, which also decides what work it
// does: trips (continuous), road cards and orders (per km), jobs by the engine
// hour (per hour), or trips only for a private car (none).
// The fixed vehicle kinds (KOD of RDPOJ) every database holds.
constexpr qint64 kPassengerCarKind = 1;
// The car the demonstration company keeps under the VAT mileage record: a
// start reading, an end-of-period reading each month and a few lent trips.
inline const QString kVatRecordVehicle = QStringLiteral("EL 5T904");
constexpr qint64 kLorryKind = 2;
constexpr qint64 kMotorcycleKind = 3;

enum class FuelRegister { None, Continuous, PerKm, PerHour };

struct DemoVehicle {
    qint64 id = 0;
    QString registration;
    qint64 kind = 0; // KOD of RDPOJ
    QString driver;  // NREW
    int status = 0;
    int insuranceUntil = 0;     // DATAOC
    int inspectionDue = 0;      // DATAPRZE
    QString policy;             // NRPOLOC
    bool comprehensive = false; // has AC
    double hourlyRate = 0;

    // How it is used over the year.
    double startReading = 0;
    double consumption = 0; // l/100 km, or l per engine hour
    double tank = 0;
    QString fuel; // RDPAL text
    FuelRegister reg = FuelRegister::Continuous;
    double jobShare = 0;
    double dailyExtra = 0;
    QDate activeFrom; // the first and last day it is used in the year
    QDate activeTo;
    QString costCentre; // CKKOD text
    QString tyreSize;   // ROZOP text, empty: no tyre records

    bool activeOn(const QDate& d) const { return d >= activeFrom && d <= activeTo; }
};

struct DemoEmployee {
    QString nrew;
    QString licence; // driving licence number, empty when unknown
};

struct DemoDictionaryEntry {
    qint64 code = 0;
    QString list;
    QString text;
    QString extra; // UZUP1
};

struct DemoFuelCard {
    QString id;
    qint64 vehicle = 0;
};

// The fixed data the dated records are generated from, read back from the
// tables after the readable sources were loaded.
struct DemoMasterData {
    QDate today;
    QDate firstDay; // a year before today, plus one day
    std::vector<DemoVehicle> vehicles;
    std::vector<DemoEmployee> employees;
    std::vector<DemoDictionaryEntry> dictionary;
    std::vector<DemoFuelCard> fuelCards;

    std::vector<DemoDictionaryEntry> list(const QString& code) const {
        std::vector<DemoDictionaryEntry> entries;
        for (const DemoDictionaryEntry& e : dictionary)
            if (e.list == code)
                entries.push_back(e);
        return entries;
    }
    // KOD of a dictionary entry; 0 when the sources lack it.
    qint64 code(const QString& list, const QString& text) const {
        for (const DemoDictionaryEntry& e : dictionary)
            if (e.list == list && e.text == text)
                return e.code;
        return 0;
    }
    const DemoVehicle* vehicle(const QString& registration) const {
        for (const DemoVehicle& v : vehicles)
            if (v.registration == registration)
                return &v;
        return nullptr;
    }
    QString fuelCardOf(qint64 vehicleId) const {
        for (const DemoFuelCard& c : fuelCards)
            if (c.vehicle == vehicleId)
                return c.id;
        return {};
    }
    QString licenceOf(const QString& nrew) const {
        for (const DemoEmployee& e : employees)
            if (e.nrew == nrew)
                return e.licence;
        return {};
    }
};

} // namespace kv::demo
