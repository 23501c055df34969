#include "tools/demo/DemoRecordsGenerator.h"

#include "tools/demo/DemoCosts.h"
#include "tools/demo/DemoFleetSimulation.h"
#include "tools/demo/DemoOrders.h"
#include "tools/demo/DemoServiceRecords.h"

namespace kv::demo {

namespace {

void fitEquipmentReadings(const DemoMasterData& master, const DemoFleetHistory& history,
                          std::vector<DemoRow>& equipment) {
    for (DemoRow& row : equipment) {
        const QDate fitted =
            QDate::fromString(QString::number(row.value(QStringLiteral("DATA")).toLongLong()),
                              QStringLiteral("yyyyMMdd"));
        if (!fitted.isValid() || fitted < master.firstDay || fitted > master.today)
            continue;
        const qint64 vehicleId = row.value(QStringLiteral("IDPOJAZD")).toLongLong();
        for (const DemoVehicle& v : master.vehicles)
            if (v.id == vehicleId)
                row.set(QStringLiteral("LICZNIK"), history.readingOn(v, fitted));
    }
}

} // namespace

DemoDataSet generateDemoRecords(const DemoMasterData& master, std::vector<DemoRow>* equipment) {
    DemoDataSet out;
    const DemoFuelPrices prices(master);
    prices.write(out);
    const DemoFleetHistory history = simulateFleet(master, out);
    DemoCostBook book(master, out);
    generateRunningCosts(master, history, prices, book);
    generateServiceRecords(master, history, book, out);
    generateOrders(master, history, out);
    if (equipment)
        fitEquipmentReadings(master, history, *equipment);
    return out;
}

} // namespace kv::demo
