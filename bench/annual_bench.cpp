// The annual summary of one vehicle over a year holding 100,000 trips and
// 100,000 costs: the two statements, every trip's allowance and every cost as
// shown, the carry rule; against the two bare statements on the engine.
//
//   build/bin/annual_bench [repetitions]

#include "costs/AnnualSummary.h"
#include "schema/Schema.h"
#include "schema/TemplateBuilder.h"
#include "storage/DataModule.h"
#include "storage/engine/Connection.h"
#include "storage/engine/EngineSession.h"
#include "storage/engine/ResultSet.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

using namespace kv;

namespace {

const QString kPassword = QStringLiteral("Bench123");

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

QString makeCompany(const QString& root) {
    const QString location = QDir(root).filePath(QStringLiteral("roczne"));
    const QString company = QDir(location).filePath(QStringLiteral("firma"));
    QDir().mkpath(company);
    createCompanyTables(company, kPassword);
    engine::EngineSession s;
    s.addPassword(kPassword);
    engine::Connection c(&s);
    c.open(location, false);
    createTable(c, schema::companiesTable(), kPassword);
    return location;
}

// One vehicle, a year of 100,000 trips and 100,000 costs.
void fill(const QString& company, int rows) {
    engine::EngineSession s;
    s.addPassword(kPassword);
    engine::Connection c(&s);
    c.open(company, false);
    c.beginWrite({QStringLiteral("pojazdy"), QStringLiteral("przejazdy"), QStringLiteral("koszty"),
                  QStringLiteral("stawki"), QStringLiteral("slowniki")});
    c.execute(QStringLiteral("INSERT INTO slowniki (IDSLOWNIK, OPIS) VALUES ('RDPOJ', "
                             "'Samochód osobowy')"));
    c.execute(QStringLiteral("INSERT INTO stawki (DATAOD, LW900, GT900, MOTOCYKL, MOTOROWER) "
                             "VALUES (20100101, 0.5214, 0.8358, 0.2302, 0.1382)"));
    c.execute(QStringLiteral("INSERT INTO pojazdy (NRREJ, MARKA, RODZAJ, POJEMNOSC, STATUS) "
                             "VALUES ('WE 1', 'Skoda', 1, 1400, 0)"));
    std::mt19937 rng(7);
    const QDate first(2024, 1, 1);
    for (int i = 0; i < rows; ++i) {
        const QDate day = first.addDays(i % 366);
        const int date = day.year() * 10000 + day.month() * 100 + day.day();
        c.execute(QStringLiteral("INSERT INTO przejazdy (DATA, IDPOJAZD, CELWYJAZDU, TRASA, "
                                 "ODLEGLOSC, IDKIEROWCY, PRYW) VALUES (%1, 1, 'Klient', 'Łódź', "
                                 "%2, '', 'N')")
                      .arg(date)
                      .arg(1 + rng() % 40000 / 100.0, 0, 'f', 2));
        const double net = 1 + rng() % 50000 / 100.0;
        c.execute(QStringLiteral("INSERT INTO koszty (IDPOJAZD, DATA, RODZWYD, WARTNETTO, "
                                 "WARTVAT, WARTBRUTTO, CZYVAT) VALUES (1, %1, 'Inne', %2, %3, "
                                 "%4, '%5')")
                      .arg(date)
                      .arg(net, 0, 'f', 3)
                      .arg(net * 0.23, 0, 'f', 2)
                      .arg(net * 1.23, 0, 'f', 3)
                      .arg(i % 3 ? QLatin1Char('T') : QLatin1Char('N')));
    }
    c.commit();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    QTemporaryDir scratch;
    qputenv("KARVENTO_SETTINGS_DIR",
            QDir(scratch.path()).filePath(QStringLiteral("settings")).toUtf8());
    engine::EngineSession::defaultSession().addPassword(kPassword);
    const QString location = makeCompany(scratch.path());
    fill(QDir(location).filePath(QStringLiteral("firma")), 100000);

    DataModule db;
    db.setLocation(location);
    db.openCompanyDatabase(QStringLiteral("firma"));
    const QString trips = QStringLiteral(
        "SELECT P.DATA AS DATA, P.ODLEGLOSC AS ODLEGLOSC, A.RODZAJ AS RODZAJ, A.POJEMNOSC AS "
        "POJEMNOSC FROM przejazdy.DB AS P LEFT OUTER JOIN pojazdy.DB AS A ON A.IDPOJAZD = "
        "P.IDPOJAZD WHERE P.IDPOJAZD = 1 AND P.DATA > 20240000 AND P.DATA < 20241300");
    const QString costs = QStringLiteral(
        "SELECT DATA, WARTNETTO, WARTBRUTTO, CZYVAT FROM koszty.DB WHERE IDPOJAZD = 1 AND DATA > "
        "20240000 AND DATA < 20241300");
    std::vector<double> summary, bare;
    QString booked;
    for (int i = 0; i < repetitions; ++i) {
        {
            QElapsedTimer t;
            t.start();
            const ResultSet a = db.companyConnection().query(trips);
            const ResultSet b = db.companyConnection().query(costs);
            bare.push_back(t.nsecsElapsed() / 1e6);
        }
        QElapsedTimer t;
        t.start();
        const std::optional<AnnualSummary> s = computeAnnualSummary(db, 1, 2024);
        summary.push_back(t.nsecsElapsed() / 1e6);
        booked = s ? s->totals[2].toString(2) : QStringLiteral("błąd");
    }
    std::printf("annual summary, 100,000 trips and 100,000 costs: summary %8.2f ms  bare "
                "statements %8.2f ms  ratio %.2f  booked %s\n",
                median(summary), median(bare), median(summary) / median(bare), qPrintable(booked));
    return 0;
}
