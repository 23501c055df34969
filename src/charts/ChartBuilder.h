#pragma once

#include "charts/ChartData.h"
#include "fuel/Consumption.h"

#include <QList>
#include <utility>

namespace kv {

class DataModule;

// The chart data module: what the widget draws for a request. Each checked
// selection is one statement (ChartQueries); a series whose statement fails
// is logged with its chart's code and left empty while the others are
// drawn. Nothing here touches a register's filters or fuel kind.
ChartData buildChart(DataModule& db, const ChartRequest& request);

// The pure parts, for the tests and the start page.

// A consumption series over rows of one vehicle in date order: each row's
// consumption by the registers' own rule, the previous refuelling being the
// row before it within the period (so the period's first refuelling gives no
// point, even when an older one exists); a row without a consumption ("-",
// or a per-km or per-hour row with nothing driven) gives no point.
QList<ChartPoint> consumptionPoints(ConsumptionKind kind, const ChartPeriod& period,
                                    const QList<RefuellingRow>& rows);

// Dated values summed per month of the year: each month whose sum is above
// 0 gives the point (month, sum).
QList<ChartPoint> monthlySumPoints(const QList<std::pair<int, Decimal>>& datedValues);

// The error-log codes of a failing series, per chart.
qint64 chartErrorCode(ChartKind kind);

} // namespace kv
