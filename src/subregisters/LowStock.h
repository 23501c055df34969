#pragma once

#include <QString>

namespace kv {

class Decimal;

// When a warehouse part is running short. A reminder level of 0 means "never
// remind", so a part kept at 0 with nothing in stock is not short: listing it
// would bring back every part whose reminder was switched off.
bool isLowStock(const Decimal& quantity, const Decimal& reminderLevel);

// The same rule as a condition on the `magazyn` table's columns, for the
// statements that list short parts. `qualifier` is the table's alias (empty
// for none).
QString lowStockSqlCondition(const QString& qualifier = {});

} // namespace kv
