#pragma once

#include "tools/demo/DemoDataSet.h"
#include "tools/demo/DemoMasterData.h"

namespace kv::demo {

// The year of dated records up to master.today: fuel prices, trips, road
// cards, refuelling, odometer history, costs, repairs, damages, tyres, orders
// and settlements. The same master data and day always give the same rows.
// Equipment rows read from their source file may be given: those fitted
// within that year take the simulated odometer reading of their day, so every
// vehicle's readings stay in order across the registers.
DemoDataSet generateDemoRecords(const DemoMasterData& master,
                                std::vector<DemoRow>* equipment = nullptr);

} // namespace kv::demo
