#pragma once

#include "tools/demo/DemoCosts.h"

namespace kv::demo {

// Repairs (naprawy): services as the odometer passes its interval, a few
// other repairs, and three planned ones that the deadline checker finds (one
// due within days, one by odometer reading, one overdue); damages (szkody);
// tyre sets (opony). Work paid for during the year is booked as a cost too.
void generateServiceRecords(const DemoMasterData& master, const DemoFleetHistory& history,
                            DemoCostBook& book, DemoDataSet& out);

} // namespace kv::demo
