#include "charts/ChartBuilder.h"

#include "charts/ChartQueries.h"
#include "fuel/ConsumptionView.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/engine/DatabaseError.h"

#include <array>

namespace kv {

namespace {

// The statement of one series, filled for the request and the selection.
struct SeriesStatement {
    QString query;
    QHash<QString, QString> fills;
    QStringList params; // :PARAM0, :PARAM1 ...
};

QString consumptionTable(ChartKind kind, bool lpg) {
    QString base;
    switch (kind) {
    case ChartKind::ConsumptionKm:
        base = QStringLiteral("zuzyciekm");
        break;
    case ChartKind::ConsumptionMth:
        base = QStringLiteral("zuzyciemth");
        break;
    default:
        base = QStringLiteral("zuzycie");
        break;
    }
    return base + (lpg ? QStringLiteral("lpg.DB") : QStringLiteral(".DB"));
}

ConsumptionKind consumptionKindOf(ChartKind kind) {
    switch (kind) {
    case ChartKind::ConsumptionKm:
        return ConsumptionKind::PerKm;
    case ChartKind::ConsumptionMth:
        return ConsumptionKind::PerHour;
    default:
        return ConsumptionKind::Continuous;
    }
}

SeriesStatement statementFor(const ChartRequest& r, const ChartSelection& s) {
    SeriesStatement st;
    st.fills.insert(QStringLiteral("first"), QString::number(r.period.firstDate()));
    st.fills.insert(QStringLiteral("last"), QString::number(r.period.lastDate()));
    const QString vehicle = QStringLiteral("AND IDPOJAZD = %1").arg(s.key);
    switch (r.kind) {
    case ChartKind::FuelPrices:
        st.query = kPriceSeriesQuery;
        st.fills.insert(QStringLiteral("fuel"), QString::number(s.key));
        break;
    case ChartKind::Consumption:
    case ChartKind::ConsumptionKm:
    case ChartKind::ConsumptionMth:
        st.query = r.kind == ChartKind::Consumption ? kContinuousSeriesQuery : kPerUnitSeriesQuery;
        st.fills.insert(QStringLiteral("table"), consumptionTable(r.kind, r.lpg));
        st.fills.insert(QStringLiteral("vehicle"), vehicle);
        break;
    case ChartKind::Mileage:
        st.query = kMileageSeriesQuery;
        st.fills.insert(QStringLiteral("vehicle"), vehicle);
        break;
    case ChartKind::Costs:
        st.query = kCostSeriesQuery;
        // The flag and the kind are bound, never written into the text.
        st.params = {QStringLiteral("T"), r.expenseKind.value_or(QString())};
        if (r.fuelOnly)
            st.fills.insert(QStringLiteral("fuelOnly"), QStringLiteral("AND ISFUEL = :PARAM0"));
        if (r.expenseKind)
            st.fills.insert(QStringLiteral("expense"), QStringLiteral("AND RODZWYD = :PARAM1"));
        st.fills.insert(QStringLiteral("vehicle"), vehicle);
        break;
    }
    return st;
}

// Runs a filled statement; the rows stay only as long as the caller needs
// them (the component is closed again).
std::shared_ptr<const ResultSet> runStatement(DataModule& db, const SeriesStatement& st) {
    Query& q = db.query(st.query);
    q.resetLines();
    for (const QString& slot : q.slotNames())
        q.setSlot(slot, st.fills.value(slot));
    std::shared_ptr<const ResultSet> rows = db.open(q, st.params);
    q.close();
    if (!rows)
        return std::make_shared<const ResultSet>();
    return rows;
}

Decimal stored(const QVariant& v) {
    return Decimal::fromStored(v).value_or(Decimal());
}

QList<std::pair<int, Decimal>> datedValues(const ResultSet& rows) {
    QList<std::pair<int, Decimal>> out;
    out.reserve(rows.rowCount());
    for (int i = 0; i < rows.rowCount(); ++i)
        out.append({rows.value(i, 0).toInt(), stored(rows.value(i, 1))});
    return out;
}

QList<ChartPoint> seriesPoints(const ChartRequest& r, const ResultSet& rows) {
    switch (r.kind) {
    case ChartKind::FuelPrices: {
        QList<ChartPoint> points;
        points.reserve(rows.rowCount());
        for (int i = 0; i < rows.rowCount(); ++i)
            points.append({chartX(r.period, rows.value(i, 0).toInt()), stored(rows.value(i, 1))});
        return points;
    }
    case ChartKind::Consumption:
    case ChartKind::ConsumptionKm:
    case ChartKind::ConsumptionMth: {
        const ConsumptionKind kind = consumptionKindOf(r.kind);
        return consumptionPoints(kind, r.period, refuellingRows(kind, rows));
    }
    case ChartKind::Mileage:
    case ChartKind::Costs:
        return monthlySumPoints(datedValues(rows));
    }
    return {};
}

} // namespace

qint64 chartErrorCode(ChartKind kind) {
    return 161000 + static_cast<int>(kind);
}

QList<ChartPoint> consumptionPoints(ConsumptionKind kind, const ChartPeriod& period,
                                    const QList<RefuellingRow>& rows) {
    QList<ChartPoint> points;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const RefuellingRow* previous = i > 0 ? &rows.at(i - 1) : nullptr;
        if (const std::optional<Decimal> value = rowConsumption(kind, previous, rows.at(i)))
            points.append({chartX(period, rows.at(i).date), *value});
    }
    return points;
}

QList<ChartPoint> monthlySumPoints(const QList<std::pair<int, Decimal>>& datedValues) {
    std::array<Decimal, 13> sums{};
    for (const auto& [date, value] : datedValues) {
        const int month = date / 100 % 100;
        if (month >= 1 && month <= 12)
            sums[month] += value;
    }
    QList<ChartPoint> points;
    for (int m = 1; m <= 12; ++m)
        if (sums[m].signum() > 0)
            points.append({double(m), sums[m]});
    return points;
}

ChartData buildChart(DataModule& db, const ChartRequest& r) {
    // The mileage and costs charts always show the whole year.
    ChartRequest request = r;
    if (!chartHasMonth(r.kind))
        request.period.month = 0;
    ChartData data;
    data.caption = chartCaption(r.kind, r.period.year, request.period.month);
    data.xAxis = chartXAxis(request.period);
    for (int i = 0; i < kChartSeriesCount; ++i) {
        ChartSeries series;
        series.colour = chartSeriesColour(i);
        const std::optional<ChartSelection>& s = r.selections.at(i);
        if (s) {
            series.label = s->label;
            try {
                series.points = seriesPoints(request, *runStatement(db, statementFor(request, *s)));
            } catch (const DatabaseError& e) {
                series.failed = true;
                appendErrorLog(codedLine(chartErrorCode(r.kind), e.message()));
            } catch (const DecimalError& e) {
                series.failed = true;
                appendErrorLog(codedLine(chartErrorCode(r.kind), QString::fromUtf8(e.what())));
            }
        }
        data.series.append(series);
    }
    return data;
}

} // namespace kv
