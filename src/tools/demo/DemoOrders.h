#pragma once

#include "tools/demo/DemoDataSet.h"
#include "tools/demo/DemoFleetSimulation.h"

namespace kv::demo {

// Orders (zlecenia) that gather the lorry's and the machine's days of work,
// a settlement (rozliczenia) for each finished order, and a few orders
// planned for the coming days.
void generateOrders(const DemoMasterData& master, const DemoFleetHistory& history,
                    DemoDataSet& out);

} // namespace kv::demo
