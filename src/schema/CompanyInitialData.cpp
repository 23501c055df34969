#include "schema/CompanyInitialData.h"

#include "storage/ErrorReport.h"
#include "storage/SettingsPaths.h"
#include "storage/engine/Connection.h"
#include "storage/engine/DatabaseError.h"
#include "storage/engine/EngineSession.h"
#include "support/OsFileLock.h"

#include <QStringList>
#include <QTemporaryDir>

namespace kv {

namespace {

using engine::Connection;
using engine::EngineSession;
using engine::positionalParams;

void insertEntry(Connection& c, const QString& list, const QString& text, const QString& extra) {
    c.execute(QStringLiteral("INSERT INTO slowniki (IDSLOWNIK, OPIS, UZUP1) "
                             "VALUES (:PARAM0, :PARAM1, :PARAM2)"),
              positionalParams({list, text, extra}));
}

void insertVehicleKinds(Connection& c) {
    // The first four kinds are known to the program by their KOD, so they are
    // given it explicitly instead of trusting the table's counter.
    const QStringList fixed{QStringLiteral("Samochód osobowy"),
                            QStringLiteral("Samochód ciężarowy"), QStringLiteral("Motocykl"),
                            QStringLiteral("Motorower")};
    for (int i = 0; i < fixed.size(); ++i) {
        engine::Params params = positionalParams({QStringLiteral("RDPOJ"), fixed.at(i), {}});
        params.append({QStringLiteral("KOD"), i + 1});
        c.execute(QStringLiteral("INSERT INTO slowniki (KOD, IDSLOWNIK, OPIS, UZUP1) "
                                 "VALUES (:KOD, :PARAM0, :PARAM1, :PARAM2)"),
                  params);
    }
    for (int column = 5; column <= 20; ++column)
        insertEntry(c, QStringLiteral("RDPOJ"), QStringLiteral("Inne %1").arg(column - 4),
                    QString::number(column));
}

void insertRates(Connection& c) {
    QStringList columns{QStringLiteral("DATAOD"), QStringLiteral("LW900"), QStringLiteral("GT900"),
                        QStringLiteral("MOTOCYKL"), QStringLiteral("MOTOROWER")};
    for (int n = 5; n <= 20; ++n)
        columns.append(QStringLiteral("RDPOJ%1").arg(n));
    QStringList names;
    for (const QString& column : columns)
        names.append(u':' + column);
    const QString sql =
        QStringLiteral("INSERT INTO stawki (%1) VALUES (%2)")
            .arg(columns.join(QStringLiteral(", ")), names.join(QStringLiteral(", ")));
    for (const StatutoryRate& rate : statutoryRates()) {
        engine::Params params{{QStringLiteral("DATAOD"), rate.validFrom},
                              {QStringLiteral("LW900"), rate.upTo900},
                              {QStringLiteral("GT900"), rate.above900},
                              {QStringLiteral("MOTOCYKL"), rate.motorcycle},
                              {QStringLiteral("MOTOROWER"), rate.moped}};
        for (int n = 5; n <= 20; ++n)
            params.append({QStringLiteral("RDPOJ%1").arg(n), 0.0});
        c.execute(sql, params);
    }
}

} // namespace

const QList<StatutoryRate>& statutoryRates() {
    static const QList<StatutoryRate> rates{{20071114, 0.5214, 0.8358, 0.2302, 0.1382},
                                            {20230117, 0.89, 1.15, 0.69, 0.42}};
    return rates;
}

bool insertInitialCompanyData(const QString& companyDirectory, const QString& password) {
    // A main database file in a private directory makes the transaction over
    // the two table files atomic across both.
    QTemporaryDir privateDirectory(settingsFile(QStringLiteral("tmpFile/newCompanyXXXXXX")));
    EngineSession session(QStringLiteral("tmpSessionNewCompany"));
    std::unique_ptr<OsFileLock> hold;
    if (privateDirectory.isValid()) {
        hold = OsFileLock::holdDirectory(privateDirectory.path());
        session.setPrivateDirectory(privateDirectory.path());
    }
    session.addPassword(password);
    Connection c(&session);
    try {
        c.open(companyDirectory, false);
        c.beginWrite({QStringLiteral("slowniki"), QStringLiteral("stawki")});
        insertVehicleKinds(c);
        for (const char* kind : {"Gotówka", "Przelew", "Karta płatnicza"})
            insertEntry(c, QStringLiteral("RDPLA"), QString::fromUtf8(kind), {});
        for (const char* vat : {"23", "8", "5", "0"})
            insertEntry(c, QStringLiteral("STVAT"), QString::fromLatin1(vat), {});
        insertRates(c);
        c.commit();
        return true;
    } catch (const DatabaseError& e) {
        c.rollback();
        reportDatabaseError(e.message(), true, 327);
    }
    return false;
}

} // namespace kv
