#pragma once

#include "tools/demo/DemoMasterData.h"

namespace kv::engine {
class Connection;
}

namespace kv::demo {

// Reads back the fixed data just loaded into the company's tables and joins
// each vehicle with its line of "eksploatacja.csv". Throws DatabaseError when
// the sources lack what the dated records are made of, or a usage line names
// a vehicle, fuel, cost centre or tyre size the tables do not hold.
DemoMasterData readDemoMasterData(engine::Connection& c, const QString& sourcesDirectory,
                                  const QDate& today);

} // namespace kv::demo
