#include "subregisters/LowStock.h"

#include "support/Decimal.h"

namespace kv {

bool isLowStock(const Decimal& quantity, const Decimal& reminderLevel) {
    return reminderLevel > Decimal() && quantity <= reminderLevel;
}

QString lowStockSqlCondition(const QString& qualifier) {
    const QString prefix = qualifier.isEmpty() ? QString() : qualifier + QLatin1Char('.');
    return QStringLiteral("(%1PRZYPOMNIJ > 0 AND %1ILOSC <= %1PRZYPOMNIJ)").arg(prefix);
}

} // namespace kv
