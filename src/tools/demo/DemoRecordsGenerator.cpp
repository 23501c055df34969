#include "tools/demo/DemoRecordsGenerator.h"

#include "tools/demo/DemoCosts.h"
#include "tools/demo/DemoFleetSimulation.h"
#include "tools/demo/DemoOrders.h"
#include "tools/demo/DemoServiceRecords.h"

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
