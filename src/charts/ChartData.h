#pragma once

#include "charts/ChartAxis.h"
#include "charts/ChartKind.h"
#include "support/Decimal.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace kv {

inline constexpr int kChartSeriesCount = 5;

// What one "Umieść na wykresie" box chose: a fuel kind's code or a vehicle's
// id, and the selector's text for the legend.
struct ChartSelection {
    int key = 0;
    QString label;
};

// Everything a chart tab (or karvento-cli chart) chooses.
struct ChartRequest {
    ChartKind kind = ChartKind::FuelPrices;
    ChartPeriod period;
    // Unchecked boxes pass nothing and their series stay empty.
    std::array<std::optional<ChartSelection>, kChartSeriesCount> selections;
    bool lpg = false; // consumption charts: "Gaz LPG" rather than "Paliwo płynne"
    // Costs: "Rodzaj wydatku" ticked with its kind, and "fuel only".
    std::optional<QString> expenseKind;
    bool fuelOnly = false;
};

struct ChartPoint {
    double x = 0;
    Decimal y;
    bool operator==(const ChartPoint&) const = default;
};

// One line of the chart. Drawn only when it has a point.
struct ChartSeries {
    QString label;
    unsigned colour = 0; // 0xRRGGBB
    QList<ChartPoint> points;
    // Drawn against the second (right) axis: the start page's kilometres.
    bool secondAxis = false;
    // Its statement failed: logged, and the series left empty.
    bool failed = false;

    bool isShown() const { return !points.isEmpty(); }
};

// What the chart widget is handed.
struct ChartData {
    QString caption;
    ChartXAxis xAxis;
    QList<ChartSeries> series;
    // The captions of the value axes (empty: none).
    QString yTitle;
    QString secondYTitle;
};

// The colours of series 1 to 5: green, navy, red, yellow, orange.
unsigned chartSeriesColour(int index);

// The value axis over the shown series of one axis: from the least of 0 and
// the smallest point (a negative consumption stays visible) to the greatest
// point. Never 0 to 0: without points, or with every point 0, it ends at 1.
struct ChartYRange {
    double minimum = 0;
    double maximum = 1;
};
ChartYRange chartYRange(const ChartData& data, bool secondAxis = false);

// The points as "series;x;y" lines ("." as the decimal point, x with four
// decimals), series numbered from 1, for karvento-cli chart --points.
QString chartPointsText(const ChartData& data);

} // namespace kv
