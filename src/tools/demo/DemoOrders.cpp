#include "tools/demo/DemoOrders.h"

#include "tools/demo/DemoCalendar.h"
#include "tools/demo/DemoRandom.h"

#include <map>

namespace kv::demo {

namespace {

// Building sites the machine works on; the lorry's orders name its route.
const std::vector<QString> kSites = {
    QStringLiteral("Łódź, ul. Wróblewskiego – przyłącze ciepłownicze"),
    QStringLiteral("Zgierz, ul. Długa – kanalizacja deszczowa"),
    QStringLiteral("Pabianice, ul. Zamkowa – wykop pod węzeł cieplny"),
    QStringLiteral("Łódź, os. Zielone Tarasy – sieć wodociągowa"),
    QStringLiteral("Koluszki, ul. Brzezińska – przyłącze gazowe"),
};

struct Order {
    const DemoVehicle* vehicle;
    QDate from;
    QDate to;
    QString driver;
    QString route;
    double hours;
};

class Orders {
public:
    Orders(const DemoMasterData& master, DemoDataSet& out) : m(master), out(out) {
        for (const DemoDictionaryEntry& e : m.list(QStringLiteral("KONTR")))
            if (!e.text.contains(QStringLiteral("Serwis")) &&
                !e.text.contains(QStringLiteral("Wulkanizacja")) &&
                !e.text.contains(QStringLiteral("Ubezpiecze")))
                clients.push_back(e.text);
        if (clients.empty())
            clients.push_back(QString());
    }

    void run(const std::vector<DemoJob>& jobs) {
        // Consecutive days of work of one vehicle, up to a few at a time, make one order.
        std::map<qint64, std::vector<const DemoJob*>> byVehicle;
        for (const DemoJob& j : jobs)
            byVehicle[j.vehicle->id].push_back(&j);
        for (const auto& [id, list] : byVehicle) {
            Order current{};
            int length = 0;
            for (const DemoJob* j : list) {
                const bool continues =
                    current.vehicle && current.to.daysTo(j->date) <= 3 && length < maxLength;
                if (!continues) {
                    if (current.vehicle)
                        write(current);
                    current = {j->vehicle, j->date, j->date, j->driver, j->route, 0};
                    length = 0;
                    maxLength = rnd.between(2, 6);
                }
                current.to = j->date;
                current.hours += j->hours;
                ++length;
            }
            if (current.vehicle)
                write(current);
            planned(*list.front()->vehicle);
        }
    }

private:
    const DemoMasterData& m;
    DemoDataSet& out;
    DemoRandom rnd = DemoRandom::stream("zlecenia");
    std::vector<QString> clients;
    std::map<int, int> ordersInYear;
    std::map<int, int> settlementsInYear;
    int maxLength = 3;

    qint64 workKind(const DemoVehicle& v) {
        const std::vector<QString> names =
            v.reg == FuelRegister::PerHour
                ? std::vector<QString>{QStringLiteral("Prace ziemne"),
                                       QStringLiteral("Wykopy pod przyłącza"),
                                       QStringLiteral("Zasypywanie i zagęszczanie gruntu")}
                : std::vector<QString>{QStringLiteral("Transport materiałów"),
                                       QStringLiteral("Rozładunek i wniesienie urządzeń"),
                                       QStringLiteral("Wywóz gruzu")};
        const qint64 code = m.code(QStringLiteral("RPRAC"), rnd.pick(names));
        if (code != 0)
            return code;
        const auto all = m.list(QStringLiteral("RPRAC"));
        return all.empty() ? 0 : rnd.pick(all).code;
    }

    QString workText(qint64 code) const {
        for (const DemoDictionaryEntry& e : m.dictionary)
            if (e.code == code)
                return e.text;
        return {};
    }

    void write(const Order& o, bool settle = true) {
        const qint64 kind = workKind(*o.vehicle);
        const QString client = rnd.pick(clients);
        const QString route = o.route.isEmpty() ? rnd.pick(kSites) : o.route;
        const QString number =
            QStringLiteral("ZL/%1/%2").arg(++ordersInYear[o.from.year()]).arg(o.from.year());
        out.add(QStringLiteral("zlecenia"))
            .set("DATAOD", dateNumber(o.from))
            .set("DATADO", dateNumber(o.to))
            .set("IDPOJAZDU", o.vehicle->id)
            .set("RODZAJPRAC", kind)
            .set("NRDOKUMENTU", number)
            .set("TRASA", route)
            .set("NREW", o.driver)
            .set("KONTRAHENT", client)
            .set("OPIS", workText(kind) + QStringLiteral(" – zlecenie dla: ") + client);
        // Work still going on today is settled when it ends.
        if (!settle || o.to >= m.today)
            return;
        out.add(QStringLiteral("rozliczenia"))
            .set("DATAOD", dateNumber(o.from))
            .set("DATADO", dateNumber(o.to))
            .set("IDPOJAZDU", o.vehicle->id)
            .set("GODZINY", o.hours)
            .set("STAWKA", o.vehicle->hourlyRate)
            .set("RODZAJPRAC", kind)
            .set("NRDOKUMENTU",
                 QStringLiteral("RZ/%1/%2").arg(++settlementsInYear[o.to.year()]).arg(o.to.year()))
            .set("TRASA", route)
            .set("NREW", o.driver)
            .set("KONTRAHENT", client)
            .set("OPIS", QStringLiteral("Rozliczenie zlecenia ") + number);
    }

    void planned(const DemoVehicle& v) {
        if (!v.activeOn(m.today))
            return;
        QDate from = m.today.addDays(rnd.between(2, 6));
        while (!isWorkingDay(from))
            from = from.addDays(1);
        write({&v, from, from.addDays(rnd.between(0, 2)), v.driver, QString(), 0}, false);
    }
};

} // namespace

void generateOrders(const DemoMasterData& master, const DemoFleetHistory& history,
                    DemoDataSet& out) {
    Orders(master, out).run(history.jobs);
}

} // namespace kv::demo
