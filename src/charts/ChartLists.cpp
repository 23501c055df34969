#include "charts/ChartLists.h"

#include "costs/CostRegister.h"
#include "fleet/VehicleRegister.h"
#include "storage/DataModule.h"

namespace kv {

ChartLists loadChartLists(DataModule& db) {
    ChartLists lists;
    if (const auto rows = db.reopenLookup(QStringLiteral("DBFRodzajPaliwa"))) {
        const int code = rows->columnIndex(QStringLiteral("KOD"));
        const int text = rows->columnIndex(QStringLiteral("OPIS"));
        for (int i = 0; i < rows->rowCount(); ++i)
            lists.fuelKinds.append({QString::number(rows->value(i, code).toLongLong()),
                                    rows->value(i, text).toString()});
    }
    lists.vehicles = loadVehicleChoices(db);
    lists.expenseKinds = loadExpenseKinds(db);
    return lists;
}

QList<int> chartYears(int from, int to) {
    QList<int> years;
    for (int y = from; y <= to; ++y)
        years.append(y);
    return years;
}

int chartYearIndex(const QList<int>& years, int currentYear) {
    if (years.isEmpty())
        return -1;
    const int index = currentYear - years.first();
    return index >= 0 && index < years.size() ? index : 0;
}

} // namespace kv
