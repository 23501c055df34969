#include "charts/ChartData.h"

#include <algorithm>

namespace kv {

unsigned chartSeriesColour(int index) {
    static const unsigned colours[kChartSeriesCount] = {0x008000, 0x000080, 0xFF0000, 0xFFFF00,
                                                        0xFFA500};
    return colours[std::clamp(index, 0, kChartSeriesCount - 1)];
}

ChartYRange chartYRange(const ChartData& data, bool secondAxis) {
    std::optional<Decimal> low;
    std::optional<Decimal> high;
    for (const ChartSeries& s : data.series) {
        if (s.secondAxis != secondAxis)
            continue;
        for (const ChartPoint& p : s.points) {
            low = low ? std::min(*low, p.y) : p.y;
            high = high ? std::max(*high, p.y) : p.y;
        }
    }
    ChartYRange r;
    if (!low)
        return r;
    r.minimum = std::min(0.0, low->toDouble());
    r.maximum = high->toDouble();
    if (r.maximum <= r.minimum)
        r.maximum = r.minimum < 0 ? 0 : r.minimum + 1;
    return r;
}

QString chartPointsText(const ChartData& data) {
    QString out;
    for (int i = 0; i < data.series.size(); ++i)
        for (const ChartPoint& p : data.series.at(i).points)
            out += QStringLiteral("%1;%2;%3\n")
                       .arg(i + 1)
                       .arg(QString::number(p.x, 'f', 4), p.y.toSql());
    return out;
}

} // namespace kv
