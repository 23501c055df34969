#include "charts/StartPageData.h"

#include "charts/ChartBuilder.h"
#include "charts/ChartQueries.h"
#include "framework/Registers.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/engine/DatabaseError.h"
#include "users/Permissions.h"

namespace kv {

namespace {

StartPageDeadlineProvider& provider() {
    static StartPageDeadlineProvider p;
    return p;
}

constexpr qint64 kFleetChartCode = 161010;
constexpr qint64 kDeadlinesCode = 161011;

QList<ChartPoint> fleetSums(DataModule& db, const QString& query, int year) {
    Query& q = db.query(query);
    q.resetLines();
    for (const QString& slot : q.slotNames())
        q.setSlot(slot, QString());
    q.setSlot(QStringLiteral("first"), QString::number(year * 10000 + 101));
    q.setSlot(QStringLiteral("last"), QString::number(year * 10000 + 1231));
    const std::shared_ptr<const ResultSet> rows = db.open(q);
    q.close();
    QList<std::pair<int, Decimal>> values;
    if (rows) {
        values.reserve(rows->rowCount());
        for (int i = 0; i < rows->rowCount(); ++i)
            values.append({rows->value(i, 0).toInt(),
                           Decimal::fromStored(rows->value(i, 1)).value_or(Decimal())});
    }
    return monthlySumPoints(values);
}

void fillSeries(DataModule& db, ChartSeries& series, const QString& query, int year) {
    try {
        series.points = fleetSums(db, query, year);
    } catch (const DatabaseError& e) {
        series.failed = true;
        appendErrorLog(codedLine(kFleetChartCode, e.message()));
    } catch (const DecimalError& e) {
        series.failed = true;
        appendErrorLog(codedLine(kFleetChartCode, QString::fromUtf8(e.what())));
    }
}

} // namespace

void setStartPageDeadlineProvider(StartPageDeadlineProvider p) {
    provider() = std::move(p);
}

bool hasStartPageDeadlineProvider() {
    return static_cast<bool>(provider());
}

ChartData fleetChart(DataModule& db, int year, bool costs, bool kilometres) {
    ChartData data;
    data.caption = QStringLiteral("Koszty i przebieg floty w roku %1").arg(year);
    data.xAxis = chartXAxis(ChartPeriod{year, 0});
    data.yTitle = QStringLiteral("zł brutto");
    data.secondYTitle = QStringLiteral("km");
    ChartSeries money;
    money.colour = chartSeriesColour(0);
    ChartSeries km;
    km.colour = chartSeriesColour(1);
    km.secondAxis = true;
    if (costs) {
        money.label = QStringLiteral("Koszty brutto");
        fillSeries(db, money, kCostSeriesQuery, year);
    }
    if (kilometres) {
        km.label = QStringLiteral("Przebieg (km)");
        fillSeries(db, km, kMileageSeriesQuery, year);
    }
    data.series = {money, km};
    return data;
}

StartPageContent loadStartPageContent(DataModule& db, const PermissionSet& p, int year) {
    StartPageContent c;
    c.deadlinesAllowed = p.has(permission::DeadlineCheck);
    c.deadlinesAvailable = hasStartPageDeadlineProvider();
    if (c.deadlinesAllowed && c.deadlinesAvailable) {
        try {
            c.deadlines = provider()(db);
        } catch (const DatabaseError& e) {
            c.deadlinesFailed = true;
            appendErrorLog(codedLine(kDeadlinesCode, e.message()));
        } catch (const std::exception& e) {
            c.deadlinesFailed = true;
            appendErrorLog(codedLine(kDeadlinesCode, QString::fromUtf8(e.what())));
        }
    }
    const bool costs = p.has(registerDescriptor(RegisterId::Costs).readPermission);
    const bool trips = p.has(registerDescriptor(RegisterId::Trips).readPermission);
    c.chartAllowed = costs || trips;
    if (c.chartAllowed)
        c.fleetChart = fleetChart(db, year, costs, trips);
    return c;
}

} // namespace kv
