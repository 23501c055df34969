#include "tools/demo/DemoCosts.h"

#include "tools/demo/DemoCalendar.h"
#include "tools/demo/DemoRandom.h"

#include <cmath>
#include <numbers>

namespace kv::demo {

namespace {

QString plNumber(double v) {
    return QString::number(v, 'f', 2).replace(u'.', u',');
}

// The same key always gives the same draw, whatever was drawn before.
int keyedNoise(const QString& key, int lo, int hi) {
    const QByteArray k = key.toUtf8();
    return DemoRandom::stream(k.constData()).between(lo, hi);
}

qint64 basePrice(const QString& fuel) {
    if (fuel.contains(QStringLiteral("LPG")))
        return 305;
    if (fuel.contains(QStringLiteral("napędowy")))
        return 615;
    if (fuel.contains(QStringLiteral("98")))
        return 665;
    return 605;
}

std::vector<QDate> workingDaysOfMonth(const DemoVehicle& v, const QDate& month,
                                      const QDate& today) {
    std::vector<QDate> days;
    for (int d = 1; d <= month.daysInMonth(); ++d) {
        const QDate day(month.year(), month.month(), d);
        if (day <= today && v.activeOn(day) && isWorkingDay(day))
            days.push_back(day);
    }
    return days;
}

} // namespace

DemoAmounts amountsFromGross(qint64 gross, int vatRate) {
    const qint64 net = std::llround(double(gross) * 100.0 / (100 + vatRate));
    return {net, gross - net, gross};
}

DemoAmounts amountsFromNet(qint64 net, int vatRate) {
    const qint64 vat = std::llround(double(net) * vatRate / 100.0);
    return {net, vat, net + vat};
}

void DemoCostBook::add(const DemoCost& c) {
    const DemoAmounts a = amountsFromGross(c.gross, c.vatRate);
    bool vatBooked = false;
    for (const DemoDictionaryEntry& e : m.list(QStringLiteral("RDWYD")))
        if (e.text == c.kind)
            vatBooked = e.extra == QLatin1String("Tak");
    out.add(QStringLiteral("koszty"))
        .set("IDPOJAZD", c.vehicle->id)
        .set("DATA", dateNumber(c.date))
        .set("RODZWYD", c.kind)
        .set("NAZWATOWAR", c.goods)
        .set("NRDOKUMENT", c.document)
        .set("WARTNETTO", a.net / 100.0)
        .set("WARTVAT", a.vat / 100.0)
        .set("WARTBRUTTO", a.gross / 100.0)
        .set("CZYVAT", vatBooked ? QStringLiteral("T") : QStringLiteral("N"))
        .set("UWAGI", c.remarks)
        .set("DATAWYSTAW", dateNumber(c.date))
        .set("RODZAJPLAT", m.code(QStringLiteral("RDPLA"), c.payment))
        .set("IDKARTY", c.card)
        .set("LICZNIK", c.reading)
        .set("IDKIEROWCY", c.driver)
        .set("ISFUEL", c.litres > 0 ? QVariant(QStringLiteral("T")) : QVariant())
        .set("FUEL", c.litres)
        .set("CK", double(m.code(QStringLiteral("CKKOD"), c.vehicle->costCentre)))
        .set("IDDROGOWA", double(c.roadCard));
}

QString DemoCostBook::nextDocument(const QString& prefix, const QDate& date) {
    const int n = ++m_numbers[{prefix, date.year() * 100 + date.month()}];
    return QStringLiteral("%1/%2/%3/%4")
        .arg(prefix)
        .arg(n)
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year());
}

qint64 DemoFuelPrices::weekly(const QString& fuel, const QDate& monday) const {
    const double day = double(monday.toJulianDay());
    const double twoPi = 2 * std::numbers::pi;
    const double season =
        22.0 * std::sin(twoPi * day / 365.25) + 9.0 * std::sin(twoPi * day / 91.0 + 1.0);
    return basePrice(fuel) + std::llround(season) +
           keyedNoise(QStringLiteral("cena:") + fuel + dateText(monday), -4, 4);
}

qint64 DemoFuelPrices::paidPerLitre(const QString& fuel, const QDate& date) const {
    const QDate monday = date.addDays(1 - date.dayOfWeek());
    return weekly(fuel, monday) +
           keyedNoise(QStringLiteral("stacja:") + fuel + dateText(date), -5, 7);
}

void DemoFuelPrices::write(DemoDataSet& out) const {
    const auto stations = m.list(QStringLiteral("PMIEJ"));
    const auto fuels = m.list(QStringLiteral("RDPAL"));
    int week = 0;
    for (QDate monday = m.firstDay.addDays((8 - m.firstDay.dayOfWeek()) % 7); monday <= m.today;
         monday = monday.addDays(7), ++week)
        for (const DemoDictionaryEntry& fuel : fuels)
            out.add(QStringLiteral("cenypaliw"))
                .set("DATA", dateNumber(monday))
                .set("RODZAJPALIWA", fuel.code)
                .set("BRUTTO", weekly(fuel.text, monday) / 100.0)
                .set("MIEJSCE",
                     stations.empty() ? QString() : stations[week % stations.size()].text);
}

namespace {

void fuelPurchases(const DemoMasterData& m, const DemoFleetHistory& history,
                   const DemoFuelPrices& prices, DemoCostBook& book) {
    for (const DemoRefuelling& r : history.refuellings) {
        const DemoVehicle& v = *r.vehicle;
        const qint64 price = prices.paidPerLitre(v.fuel, r.date);
        DemoCost c;
        c.vehicle = &v;
        c.date = r.date;
        c.kind = QStringLiteral("Zakup paliwa");
        c.goods = v.fuel;
        c.document = book.nextDocument(QStringLiteral("PAL"), r.date);
        c.gross = std::llround(r.litres * double(price));
        c.card = m.fuelCardOf(v.id);
        c.payment =
            c.card.isEmpty() ? QStringLiteral("Karta płatnicza") : QStringLiteral("Karta paliwowa");
        c.reading = r.reading;
        c.driver = v.driver;
        c.litres = r.litres;
        c.roadCard = r.roadCard;
        c.remarks =
            QStringLiteral("%1 l po %2 zł/l").arg(plNumber(r.litres), plNumber(price / 100.0));
        book.add(c);
    }
}

void washes(const DemoMasterData& m, const DemoFleetHistory& history, DemoCostBook& book,
            DemoRandom& rnd) {
    for (const DemoVehicle& v : m.vehicles) {
        if (v.reg != FuelRegister::Continuous || v.kind == kMotorcycleKind)
            continue;
        for (QDate month(m.firstDay.year(), m.firstDay.month(), 1); month <= m.today;
             month = month.addMonths(1)) {
            const auto days = workingDaysOfMonth(v, month, m.today);
            if (days.empty() || !rnd.chance(0.55))
                continue;
            DemoCost c;
            c.vehicle = &v;
            c.date = rnd.pick(days);
            c.kind = QStringLiteral("Myjnia");
            c.goods = QStringLiteral("Mycie karoserii i odkurzanie wnętrza");
            c.document = book.nextDocument(QStringLiteral("MYJ"), c.date);
            c.gross = rnd.between(35, 65) * 100;
            c.payment = QStringLiteral("Karta płatnicza");
            c.reading = history.readingOn(v, c.date);
            c.driver = v.driver;
            book.add(c);
        }
    }
}

void tripFees(const DemoFleetHistory& history, DemoCostBook& book, DemoRandom& rnd) {
    for (const DemoLongTrip& t : history.longTrips) {
        DemoCost c;
        c.vehicle = t.vehicle;
        c.date = t.date;
        c.reading = history.readingOn(*t.vehicle, t.date);
        c.driver = t.driver;
        c.payment = QStringLiteral("Karta płatnicza");
        if (t.route.contains(QStringLiteral("Poznań"))) {
            c.kind = QStringLiteral("Opłata za autostradę");
            c.goods = QStringLiteral("Autostrada A2 Konin – Poznań, przejazd w obie strony");
            c.document = book.nextDocument(QStringLiteral("AUT"), t.date);
            c.gross = 4800;
            book.add(c);
        }
        if (rnd.chance(0.5)) {
            const QString city = t.route.section(QStringLiteral(" – "), 1, 1);
            c.kind = QStringLiteral("Parking");
            c.goods = QStringLiteral("Parking – %1").arg(city);
            c.document = book.nextDocument(QStringLiteral("PARK"), t.date);
            c.gross = rnd.between(8, 45) * 100;
            c.payment =
                rnd.chance(0.3) ? QStringLiteral("Gotówka") : QStringLiteral("Karta płatnicza");
            book.add(c);
        }
    }
}

void roadTolls(const DemoMasterData& m, const DemoFleetHistory& history, DemoCostBook& book,
               DemoRandom& rnd) {
    for (const DemoVehicle& v : m.vehicles) {
        if (v.reg != FuelRegister::PerKm)
            continue;
        for (QDate month(m.firstDay.year(), m.firstDay.month(), 1); month <= m.today;
             month = month.addMonths(1)) {
            // Billed on the tenth for the month before.
            QDate day(month.year(), month.month(), 10);
            while (!isWorkingDay(day))
                day = day.addDays(1);
            const QDate billed = month.addMonths(-1);
            if (day > m.today || !v.activeOn(day) || !v.activeOn(billed.addMonths(1).addDays(-1)))
                continue;
            DemoCost c;
            c.vehicle = &v;
            c.date = day;
            c.kind = QStringLiteral("Opłata drogowa e-TOLL");
            c.goods = QStringLiteral("e-TOLL – przejazdy w miesiącu %1")
                          .arg(billed.toString(QStringLiteral("MM/yyyy")));
            c.document = book.nextDocument(QStringLiteral("ETOLL"), day);
            c.gross = rnd.between(250, 600) * 100;
            c.payment = QStringLiteral("Przelew");
            c.reading = history.readingOn(v, day);
            c.driver = v.driver;
            book.add(c);
        }
    }
}

// Premiums on the day the current policy began, inspection fees on the day of
// the last inspection, when those days fall in the year.
void yearlyFees(const DemoMasterData& m, const DemoFleetHistory& history, DemoCostBook& book,
                DemoRandom& rnd) {
    for (const DemoVehicle& v : m.vehicles) {
        if (v.reg == FuelRegister::None)
            continue;
        const QDate renewed =
            QDate::fromString(QString::number(v.insuranceUntil), QStringLiteral("yyyyMMdd"))
                .addYears(-1)
                .addDays(1);
        if (renewed.isValid() && v.activeOn(renewed) && renewed <= m.today) {
            DemoCost c;
            c.vehicle = &v;
            c.date = renewed;
            c.kind = QStringLiteral("Ubezpieczenie OC/AC");
            c.goods = (v.comprehensive ? QStringLiteral("Polisa OC/AC nr ")
                                       : QStringLiteral("Polisa OC nr ")) +
                      v.policy;
            c.document = v.policy;
            const int oc = v.kind == kPassengerCarKind ? rnd.between(850, 1400)
                           : v.kind == kMotorcycleKind ? rnd.between(380, 520)
                                                       : rnd.between(2200, 4300);
            c.gross = qint64(oc + (v.comprehensive ? rnd.between(1900, 3600) : 0)) * 100;
            c.vatRate = 0;
            c.payment = QStringLiteral("Przelew");
            c.reading = history.readingOn(v, renewed);
            c.driver = v.driver;
            book.add(c);
        }
        const QDate inspected =
            QDate::fromString(QString::number(v.inspectionDue), QStringLiteral("yyyyMMdd"))
                .addYears(-1);
        if (inspected.isValid() && v.activeOn(inspected) && inspected <= m.today) {
            DemoCost c;
            c.vehicle = &v;
            c.date = inspected;
            c.kind = QStringLiteral("Przegląd techniczny");
            c.goods = QStringLiteral("Okresowe badanie techniczne pojazdu");
            c.document = book.nextDocument(QStringLiteral("SKP"), inspected);
            c.gross = v.kind == kPassengerCarKind ? 9800 : v.kind == kMotorcycleKind ? 6200 : 15300;
            c.payment = QStringLiteral("Karta płatnicza");
            c.reading = history.readingOn(v, inspected);
            c.driver = v.driver;
            book.add(c);
        }
    }
}

} // namespace

void generateRunningCosts(const DemoMasterData& master, const DemoFleetHistory& history,
                          const DemoFuelPrices& prices, DemoCostBook& book) {
    DemoRandom rnd = DemoRandom::stream("koszty");
    fuelPurchases(master, history, prices, book);
    washes(master, history, book, rnd);
    tripFees(history, book, rnd);
    roadTolls(master, history, book, rnd);
    yearlyFees(master, history, book, rnd);
}

} // namespace kv::demo
