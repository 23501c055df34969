#pragma once

#include "tools/demo/DemoDataSet.h"
#include "tools/demo/DemoMasterData.h"

namespace kv::demo {

// The year of dated records up to master.today: fuel prices, trips, road
// cards, refuelling, odometer history, costs, repairs, damages, tyres, orders
// and settlements. The same master data and day always give the same rows.
DemoDataSet generateDemoRecords(const DemoMasterData& master);

} // namespace kv::demo
