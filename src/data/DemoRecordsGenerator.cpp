#include "data/DemoRecordsGenerator.h"

#include "data/DemoCosts.h"
#include "data/DemoFleetSimulation.h"
#include "data/DemoOrders.h"
#include "data/DemoServiceRecords.h"

namespace kv::demo {

DemoDataSet generateDemoRecords(const DemoMasterData& master) {
    DemoDataSet out;
    const DemoFuelPrices prices(master);
    prices.write(out);
    const DemoFleetHistory history = simulateFleet(master, out);
    DemoCostBook book(master, out);
    generateRunningCosts(master, history, prices, book);
    generateServiceRecords(master, history, book, out);
    generateOrders(master, history, out);
    return out;
}

} // namespace kv::demo
