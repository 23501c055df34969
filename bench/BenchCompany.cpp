#include "BenchCompany.h"

#include "schema/Schema.h"
#include "schema/TemplateBuilder.h"
#include "storage/engine/Connection.h"
#include "storage/engine/EngineSession.h"

#include <QDate>
#include <QDir>

#include <algorithm>
#include <malloc.h>
#include <random>

namespace kv::bench {

const QString kBenchPassword = QStringLiteral("Bench123");

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

size_t heapInUse() {
    malloc_trim(0);
    return mallinfo2().uordblks;
}

QString makeLocation(const QString& root, const QString& name) {
    const QString location = QDir(root).filePath(name);
    const QString company = QDir(location).filePath(QStringLiteral("firma"));
    QDir().mkpath(company);
    createCompanyTables(company, kBenchPassword);
    engine::EngineSession s;
    s.addPassword(kBenchPassword);
    engine::Connection c(&s);
    c.open(location, false);
    createTable(c, schema::companiesTable(), kBenchPassword);
    return location;
}

void fillVehicles(const QString& company, int vehicles, int persons) {
    engine::EngineSession s;
    s.addPassword(kBenchPassword);
    engine::Connection c(&s);
    c.open(company, false);
    c.beginWrite(
        {QStringLiteral("pojazdy"), QStringLiteral("osobowa"), QStringLiteral("slowniki")});
    c.execute(QStringLiteral(
        "INSERT INTO slowniki (IDSLOWNIK, OPIS) VALUES ('RDPOJ', 'Samochód osobowy')"));
    for (int i = 0; i < persons; ++i)
        c.execute(
            QStringLiteral(
                "INSERT INTO osobowa (NREW, NAZWISKO, IMIE) VALUES (:PARAM0, :PARAM1, 'Jan')"),
            engine::positionalParams(
                {QStringLiteral("P%1").arg(i), QStringLiteral("Nowak %1").arg(i)}));
    for (int i = 0; i < vehicles; ++i)
        c.execute(
            QStringLiteral("INSERT INTO pojazdy (NRREJ, MARKA, RODZAJ, POJEMNOSC, IDKIEROWCY, "
                           "DATAOC, DATAAC, DATAPRZE, STATUS) VALUES (:PARAM0, :PARAM1, 1, 1400, "
                           ":PARAM2, 20250101, 20250101, 20250101, 0)"),
            engine::positionalParams({QStringLiteral("WE %1").arg(i, 5, 10, QLatin1Char('0')),
                                      QStringLiteral("Skoda Octavia %1").arg(i % 37),
                                      QStringLiteral("P%1").arg(i % std::max(1, persons))}));
    c.commit();
}

void fillTrips(const QString& company, int trips) {
    engine::EngineSession s;
    s.addPassword(kBenchPassword);
    engine::Connection c(&s);
    c.open(company, false);
    c.beginWrite({QStringLiteral("przejazdy")});
    std::mt19937 rng(7);
    const QDate first(2022, 1, 1);
    for (int i = 0; i < trips; ++i) {
        const QDate d = first.addDays(static_cast<int>(rng() % 1461));
        const int date = d.year() * 10000 + d.month() * 100 + d.day();
        c.execute(QStringLiteral(
                      "INSERT INTO przejazdy (DATA, IDPOJAZD, CELWYJAZDU, TRASA, ODLEGLOSC, "
                      "IDKIEROWCY, PRYW, PRYWLICZOD, PRYWLICZDO) VALUES (%1, %2, :PARAM0, :PARAM1, "
                      "%3, :PARAM2, 'N', 0, 0)")
                      .arg(date)
                      .arg(1 + rng() % 500)
                      .arg(5 + rng() % 300),
                  engine::positionalParams({QStringLiteral("Wyjazd do klienta"),
                                            QStringLiteral("Łódź – Warszawa %1").arg(rng() % 50),
                                            QStringLiteral("P%1").arg(rng() % 200)}));
    }
    c.commit();
}

void fillRates(const QString& company) {
    engine::EngineSession s;
    s.addPassword(kBenchPassword);
    engine::Connection c(&s);
    c.open(company, false);
    c.execute(QStringLiteral("INSERT INTO stawki (DATAOD, LW900, GT900, MOTOCYKL, MOTOROWER) "
                             "VALUES (20071114, 0.5214, 0.8358, 0.2302, 0.1382)"));
    c.execute(QStringLiteral("INSERT INTO stawki (DATAOD, LW900, GT900, MOTOCYKL, MOTOROWER) "
                             "VALUES (20230117, 0.89, 1.15, 0.69, 0.42)"));
}

void fillReadings(const QString& company, int vehicles, int readings) {
    engine::EngineSession s;
    s.addPassword(kBenchPassword);
    engine::Connection c(&s);
    c.open(company, false);
    c.beginWrite({QStringLiteral("przebiegi")});
    std::mt19937 rng(11);
    const int perVehicle = readings / vehicles;
    const QDate first(2020, 1, 1);
    for (int v = 1; v <= vehicles; ++v) {
        double km = 1000 + rng() % 50000;
        for (int i = 0; i < perVehicle; ++i) {
            const QDate d = first.addDays(i * 4);
            km += 20 + rng() % 400;
            c.execute(QStringLiteral("INSERT INTO przebiegi (IDPOJAZD, DATA, LICZNIK, UWAGI, "
                                     "DOTYCZY) VALUES (%1, %2, %3, '', 0)")
                          .arg(v)
                          .arg(d.year() * 10000 + d.month() * 100 + d.day())
                          .arg(km, 0, 'f', 1));
        }
    }
    c.commit();
}

} // namespace kv::bench
