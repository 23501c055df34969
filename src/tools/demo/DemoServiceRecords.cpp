#include "tools/demo/DemoServiceRecords.h"

#include "tools/demo/DemoCalendar.h"
#include "tools/demo/DemoRandom.h"

#include <algorithm>
#include <cmath>

namespace kv::demo {

namespace {

const QString kServiceKind = QStringLiteral("Wymiana oleju i filtrów");
const QString kTimingBelt = QStringLiteral("Wymiana rozrządu");
const QString kBodywork = QStringLiteral("Naprawa blacharsko-lakiernicza");

struct Repair {
    const DemoVehicle* vehicle;
    QDate date;
    QString description;
    qint64 net; // grosze
    QString remarks;
    double reading;
    double remindAt;
    bool done;
};

class ServiceRecords {
public:
    ServiceRecords(const DemoMasterData& master, const DemoFleetHistory& history,
                   DemoCostBook& book, DemoDataSet& out)
        : m(master), history(history), book(book), out(out) {
        workshop = QStringLiteral("Warsztat zewnętrzny");
        tyreShop = workshop;
        for (const DemoDictionaryEntry& e : m.list(QStringLiteral("KONTR"))) {
            if (e.text.contains(QStringLiteral("Serwis")))
                workshop = e.text;
            if (e.text.contains(QStringLiteral("Wulkanizacja")))
                tyreShop = e.text;
        }
    }

    void run() {
        for (const DemoVehicle& v : m.vehicles)
            if (v.reg != FuelRegister::None) {
                services(v);
                otherRepairs(v);
            }
        plannedRepairs();
        damages();
        for (const DemoVehicle& v : m.vehicles)
            if (!v.tyreSize.isEmpty() && v.reg != FuelRegister::None && v.activeOn(m.today))
                tyres(v);
    }

private:
    const DemoMasterData& m;
    const DemoFleetHistory& history;
    DemoCostBook& book;
    DemoDataSet& out;
    DemoRandom rnd = DemoRandom::stream("naprawy");
    QString workshop;
    QString tyreShop;
    int tyreNumber = 0;

    QDate firstActive(const DemoVehicle& v) const { return std::max(m.firstDay, v.activeFrom); }
    QDate lastActive(const DemoVehicle& v) const { return std::min(m.today, v.activeTo); }

    QDate randomWorkingDay(const DemoVehicle& v) {
        const int span = int(firstActive(v).daysTo(lastActive(v)));
        QDate d = firstActive(v).addDays(rnd.between(0, std::max(0, span)));
        while (!isWorkingDay(d) && d > firstActive(v))
            d = d.addDays(-1);
        return d;
    }

    void addRepair(const Repair& r) {
        const DemoAmounts a = amountsFromNet(r.net, 23);
        out.add(QStringLiteral("naprawy"))
            .set("IDPOJAZD", r.vehicle->id)
            .set("DATA", dateNumber(r.date))
            .set("OPIS", r.description)
            .set("WARTNETTO", a.net / 100.0)
            .set("WARTVAT", a.vat / 100.0)
            .set("WARTBRUTTO", a.gross / 100.0)
            .set("UWAGI", r.remarks)
            .set("IDKIEROWCY", r.vehicle->driver)
            .set("LICZNIK", r.reading)
            .set("LICZTERM", r.remindAt)
            .set("DONE", r.done ? QStringLiteral("T") : QStringLiteral("N"));
        if (!r.done)
            return;
        DemoCost c;
        c.vehicle = r.vehicle;
        c.date = r.date;
        c.kind = QStringLiteral("Naprawa");
        c.goods = r.description;
        c.document = book.nextDocument(QStringLiteral("SERW"), r.date);
        c.gross = a.gross;
        c.payment = QStringLiteral("Przelew");
        c.reading = r.reading;
        c.driver = r.vehicle->driver;
        book.add(c);
    }

    // A service each time the odometer (hour meter) passes its interval.
    void services(const DemoVehicle& v) {
        const bool hours = v.reg == FuelRegister::PerHour;
        const double interval = hours ? 500 : v.reg == FuelRegister::PerKm ? 40000 : 15000;
        double next = (std::floor(v.startReading / interval) + 1) * interval;
        for (QDate d = firstActive(v); d <= lastActive(v); d = d.addDays(1)) {
            const double reading = history.readingOn(v, d);
            if (reading < next || !isWorkingDay(d))
                continue;
            const int netZl = hours                          ? rnd.between(1400, 1900)
                              : v.reg == FuelRegister::PerKm ? rnd.between(1800, 2600)
                                                             : rnd.between(450, 900);
            addRepair({&v, d, kServiceKind + QStringLiteral(" – przegląd okresowy"),
                       qint64(netZl) * 100, workshop, reading, reading + interval, true});
            next += interval;
        }
    }

    // Net price range in zł of a repair kind.
    std::pair<int, int> priceRange(const QString& kind) const {
        static const struct {
            const char* kind;
            int from, to;
        } prices[] = {
            {"Wymiana klocków i tarcz hamulcowych", 600, 1300},
            {"Naprawa zawieszenia", 500, 2200},
            {"Wymiana akumulatora", 450, 900},
            {"Serwis klimatyzacji", 200, 450},
            {"Wymiana sprzęgła", 1800, 3500},
            {"Naprawa układu wydechowego", 400, 1600},
            {"Diagnostyka komputerowa", 120, 250},
        };
        for (const auto& p : prices)
            if (kind == QString::fromUtf8(p.kind))
                return {p.from, p.to};
        return {200, 1500};
    }

    // Cars, vans and lorries that spent the whole year in the fleet see a
    // repair or two; the motorcycle and the machine only their services.
    void otherRepairs(const DemoVehicle& v) {
        if (v.activeFrom > m.firstDay || v.kind == kMotorcycleKind ||
            v.reg == FuelRegister::PerHour)
            return;
        std::vector<QString> kinds;
        for (const DemoDictionaryEntry& e : m.list(QStringLiteral("RDNAP")))
            if (e.text != kServiceKind && e.text != kTimingBelt && e.text != kBodywork)
                kinds.push_back(e.text);
        for (int n = rnd.between(0, 2); n > 0 && !kinds.empty(); --n) {
            const auto kind = kinds.begin() + rnd.between(0, int(kinds.size()) - 1);
            const auto [from, to] = priceRange(*kind);
            const QDate d = randomWorkingDay(v);
            addRepair({&v, d, *kind, qint64(rnd.between(from / 10, to / 10)) * 1000, workshop,
                       history.readingOn(v, d), 0, true});
            kinds.erase(kind);
        }
    }

    void plannedRepairs() {
        std::vector<const DemoVehicle*> cars;
        for (const DemoVehicle& v : m.vehicles)
            if (v.kind == kPassengerCarKind && v.reg == FuelRegister::Continuous &&
                v.activeFrom == m.firstDay && v.activeOn(m.today))
                cars.push_back(&v);
        if (cars.size() < 3)
            return;
        const double current1 = history.recordedReading(*cars[1]);
        addRepair({cars[0], m.today.addDays(5), kTimingBelt + QStringLiteral(" z pompą wody"),
                   185000, QStringLiteral("Termin uzgodniony z warsztatem: ") + workshop,
                   history.readingOn(*cars[0], m.today), 0, false});
        addRepair({cars[1], m.today.addDays(40),
                   QStringLiteral("Wymiana klocków i tarcz hamulcowych przód"), 98000,
                   QStringLiteral("Wg zaleceń z ostatniego przeglądu"), current1, current1 + 650,
                   false});
        const QDate exhaustFound = m.today.addDays(-6);
        addRepair({cars[2], exhaustFound,
                   QStringLiteral("Naprawa układu wydechowego – wymiana tłumika końcowego"), 64000,
                   QStringLiteral("Pojazd jeszcze nie oddany do warsztatu"),
                   history.readingOn(*cars[2], exhaustFound), 0, false});
    }

    void damages() {
        struct Damage {
            const char* description;
            qint64 net;
            const char* remarks;
            bool repaired; // paid by the company, so repaired and booked
        };
        static const Damage kinds[] = {
            {"Stłuczka na parkingu – zarysowany i pęknięty zderzak tylny", 145000,
             "Szkoda z własnej winy, naprawa we własnym zakresie.", true},
            {"Odprysk i pęknięcie szyby czołowej od kamienia", 128000,
             "Wymiana szyby w ramach ubezpieczenia szyb.", false},
            {"Kolizja na skrzyżowaniu – uszkodzony błotnik przedni lewy i reflektor", 390000,
             "Sprawcą kierujący innym pojazdem, szkoda likwidowana z jego OC.", false},
        };
        std::vector<const DemoVehicle*> cars;
        for (const DemoVehicle& v : m.vehicles)
            if (v.reg == FuelRegister::Continuous && v.kind != kMotorcycleKind)
                cars.push_back(&v);
        if (cars.empty())
            return;
        int part = 0;
        for (const Damage& kind : kinds) {
            // One damage in each third of the year.
            QDate d = m.firstDay.addDays(part * 121 + rnd.between(5, 110));
            ++part;
            const DemoVehicle* v = rnd.pick(cars);
            for (int tries = 0; tries < 20 && !v->activeOn(d); ++tries)
                v = rnd.pick(cars);
            if (!v->activeOn(d) || d > m.today)
                continue;
            while (!isWorkingDay(d) && v->activeOn(d.addDays(-1)))
                d = d.addDays(-1);
            const DemoAmounts a = amountsFromNet(kind.net, 23);
            const double reading = history.readingOn(*v, d);
            out.add(QStringLiteral("szkody"))
                .set("IDPOJAZD", v->id)
                .set("DATA", dateNumber(d))
                .set("OPIS", QString::fromUtf8(kind.description))
                .set("WARTNETTO", a.net / 100.0)
                .set("WARTVAT", a.vat / 100.0)
                .set("WARTBRUTTO", a.gross / 100.0)
                .set("UWAGI", QString::fromUtf8(kind.remarks))
                .set("IDKIEROWCY", v->driver)
                .set("LICZNIK", reading);
            QDate fixed = d.addDays(7);
            while (!isWorkingDay(fixed))
                fixed = fixed.addDays(1);
            if (kind.repaired && v->activeOn(fixed) && fixed <= m.today)
                addRepair({v, fixed, kBodywork + QStringLiteral(" – zderzak tylny"), kind.net,
                           workshop, history.readingOn(*v, fixed), 0, true});
        }
    }

    void tyres(const DemoVehicle& v) {
        const bool van = v.tyreSize.endsWith(u'C');
        const bool lorry = v.reg == FuelRegister::PerKm || v.tyreSize.contains(u'.');
        const qint64 size = m.code(QStringLiteral("ROZOP"), v.tyreSize);
        // Summer tyres from April to October, winter ones from November to March.
        const int y = m.today.year();
        QDate nextChange(y, 4, 1);
        if (m.today >= nextChange)
            nextChange = QDate(y, 11, 1);
        if (m.today >= nextChange)
            nextChange = QDate(y + 1, 4, 1);
        const bool summerNow = nextChange.month() == 11;
        if (lorry) {
            const double current = history.recordedReading(v);
            tyreSet(v, size, QStringLiteral("Całoroczne"), QStringLiteral("Michelin X Multi D"), 6,
                    rnd.between(1500, 1900), false, 0, current + rnd.between(15, 30) * 1000.0);
            return;
        }
        const QString summer = van               ? QStringLiteral("Continental VanContact Ultra")
                               : rnd.chance(0.5) ? QStringLiteral("Michelin Primacy 4+")
                                                 : QStringLiteral("Dębica Presto UHP 2");
        const QString winter = van               ? QStringLiteral("Michelin Agilis Alpin")
                               : rnd.chance(0.5) ? QStringLiteral("Goodyear UltraGrip 9+")
                                                 : QStringLiteral("Dębica Frigo HP2");
        const int price = van ? rnd.between(420, 620) : rnd.between(260, 480);
        tyreSet(v, size, QStringLiteral("Letnie"), summer, 4, price, !summerNow,
                dateNumber(nextChange), 0);
        tyreSet(v, size, QStringLiteral("Zimowe"), winter, 4, price + 30, summerNow,
                dateNumber(nextChange), 0);
        seasonalChanges(v);
    }

    void tyreSet(const DemoVehicle& v, qint64 size, const QString& season, const QString& make,
                 int count, int pricePerTyre, bool stored, int changeDate, double remindAt) {
        const DemoAmounts a = amountsFromNet(qint64(count) * pricePerTyre * 100, 23);
        QDate bought = m.today.addDays(-rnd.between(400, 1000));
        const QString document =
            QStringLiteral("FV/%1/OP/%2").arg(rnd.between(100, 999)).arg(bought.year());
        out.add(QStringLiteral("opony"))
            .set("NREWID", QStringLiteral("OP/%1").arg(++tyreNumber, 3, 10, QLatin1Char('0')))
            .set("ILOSC", double(count))
            .set("MARKA", make)
            .set("RODZAJ", m.code(QStringLiteral("RODOP"), season))
            .set("ROZMIAR", size)
            .set("BIEZNIK", QStringLiteral("%1 mm").arg(rnd.between(4, 7)))
            .set("CECHY", season == QLatin1String("Zimowe")
                              ? QStringLiteral("Opona zimowa z oznaczeniem 3PMSF")
                              : QStringLiteral("Klasa przyczepności na mokrym A/B"))
            .set("PRZEBMAX", count == 6 ? 150000.0 : 50000.0)
            .set("IDPOJAZDU", v.id)
            .set("DATAZAKUPU", dateNumber(bought))
            .set("NETTO", a.net / 100.0)
            .set("VAT", a.vat / 100.0)
            .set("BRUTTO", a.gross / 100.0)
            .set("NRDOKUMENTU", document)
            .set("DATAWYMIANY", changeDate)
            .set("MAGAZYN", stored ? QStringLiteral("T") : QStringLiteral("N"))
            .set("INNE",
                 stored ? QStringLiteral("Przechowywane w magazynie firmy, regał B") : QString())
            .set("LICZTERM", remindAt);
    }

    void seasonalChanges(const DemoVehicle& v) {
        for (int y = m.firstDay.year(); y <= m.today.year(); ++y)
            for (int month : {4, 11}) {
                QDate d = QDate(y, month, 1).addDays(rnd.between(0, 12));
                while (!isWorkingDay(d))
                    d = d.addDays(1);
                if (d < m.firstDay || d > m.today || !v.activeOn(d))
                    continue;
                DemoCost c;
                c.vehicle = &v;
                c.date = d;
                c.kind = QStringLiteral("Wymiana opon");
                c.goods = QStringLiteral("Sezonowa wymiana kół z wyważeniem – ") + tyreShop;
                c.document = book.nextDocument(QStringLiteral("WUL"), d);
                c.gross = rnd.between(140, 220) * 100;
                c.payment = QStringLiteral("Karta płatnicza");
                c.reading = history.readingOn(v, d);
                c.driver = v.driver;
                book.add(c);
            }
    }
};

} // namespace

void generateServiceRecords(const DemoMasterData& master, const DemoFleetHistory& history,
                            DemoCostBook& book, DemoDataSet& out) {
    ServiceRecords(master, history, book, out).run();
}

} // namespace kv::demo
