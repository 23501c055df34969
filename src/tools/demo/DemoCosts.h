#pragma once

#include "tools/demo/DemoDataSet.h"
#include "tools/demo/DemoFleetSimulation.h"
#include "tools/demo/DemoMasterData.h"

#include <map>

namespace kv::demo {

// Net and VAT of a gross amount, in grosze; they always add up to the gross.
struct DemoAmounts {
    qint64 net;
    qint64 vat;
    qint64 gross;
};
DemoAmounts amountsFromGross(qint64 gross, int vatRate);
DemoAmounts amountsFromNet(qint64 net, int vatRate);

struct DemoCost {
    const DemoVehicle* vehicle = nullptr;
    QDate date;
    QString kind; // RDWYD text; its UZUP1 decides whether the VAT is booked
    QString goods;
    QString document;
    qint64 gross = 0; // grosze
    int vatRate = 23;
    QString payment; // RDPLA text
    QString card;
    double reading = 0;
    QString driver;
    double litres = 0; // more than 0: a fuel purchase
    qint64 roadCard = 0;
    QString remarks;
};

// Writes costs (koszty) and numbers their documents.
class DemoCostBook {
public:
    DemoCostBook(const DemoMasterData& master, DemoDataSet& out) : m(master), out(out) {}
    void add(const DemoCost& cost);
    // "prefix/n/mm/yyyy", n counting within the prefix and month.
    QString nextDocument(const QString& prefix, const QDate& date);

private:
    const DemoMasterData& m;
    DemoDataSet& out;
    std::map<std::pair<QString, int>, int> m_numbers;
};

// Weekly gross prices per litre of every fuel kind (cenypaliw) and what a
// station charged on a given day.
class DemoFuelPrices {
public:
    explicit DemoFuelPrices(const DemoMasterData& master) : m(master) {}
    void write(DemoDataSet& out) const;
    qint64 paidPerLitre(const QString& fuel, const QDate& date) const; // grosze

private:
    qint64 weekly(const QString& fuel, const QDate& monday) const;
    const DemoMasterData& m;
};

// Fuel purchases for every refuelling, washes, parking, tolls, insurance
// premiums and inspection fees over the year.
void generateRunningCosts(const DemoMasterData& master, const DemoFleetHistory& history,
                          const DemoFuelPrices& prices, DemoCostBook& book);

} // namespace kv::demo
