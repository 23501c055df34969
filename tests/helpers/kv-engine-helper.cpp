// A second program for the tests that need two processes on one directory.
//   hold DIR PASSWORD            open DIR, print "ready", wait for end of input
//   insert DIR PASSWORD N TAG    insert N odometer rows tagged TAG, one by one
//   insertloop DIR PASSWORD TAG  insert rows until killed, many rows to a
//                                transaction so that each commit writes many
//                                pages (a copy taken carelessly would catch
//                                a half-written file)
//   trywrite DIR PASSWORD        insert one trip without waiting for a lock:
//                                exit 0 when written, 3 when the table is busy
//   holdfile PATH -               hold a shared OS lock on a file until killed
//   instance SETTINGS -           take the program's single-instance lock, wait
#include "storage/RunEnvironment.h"
#include "storage/SettingsPaths.h"
#include "storage/engine/Connection.h"
#include "storage/engine/DatabaseError.h"
#include "support/OsFileLock.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <sqlite3.h>
#include <string>

using kv::engine::Connection;
using kv::engine::EngineSession;

namespace {

void insertRow(Connection& c, const QString& tag, int i) {
    c.execute(QStringLiteral("INSERT INTO przebiegi.DB (IDPOJAZD,DATA,LICZNIK,UWAGI) "
                             "VALUES (1, 20240101, :PARAM0, :PARAM1)"),
              {{QStringLiteral("PARAM0"), i}, {QStringLiteral("PARAM1"), tag}});
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 4)
        return 2;
    if (a.at(1) == QLatin1String("holdfile") || a.at(1) == QLatin1String("instance")) {
        bool held = false;
        kv::OsFileLock lock(a.at(2));
        if (a.at(1) == QLatin1String("holdfile")) {
            held = lock.tryLockShared();
        } else {
            qputenv("KARVENTO_SETTINGS_DIR", a.at(2).toUtf8());
            held = kv::acquireSingleInstance();
        }
        std::printf(held ? "ready\n" : "refused\n");
        std::fflush(stdout);
        std::string line;
        while (std::getline(std::cin, line)) {
        }
        return held ? 0 : 1;
    }
    EngineSession session;
    session.addPassword(a.at(3));
    Connection c(&session);
    try {
        c.open(a.at(2));
        if (a.at(1) == QLatin1String("hold")) {
            c.query(QStringLiteral("SELECT COUNT(*) FROM pojazdy.DB"));
            std::printf("ready\n");
            std::fflush(stdout);
            std::string line;
            while (std::getline(std::cin, line)) {
            }
            return 0;
        }
        if (a.at(1) == QLatin1String("trywrite")) {
            c.attachTable(QStringLiteral("przejazdy"));
            sqlite3_busy_handler(c.handle(), nullptr, nullptr);
            try {
                c.execute(QStringLiteral("INSERT INTO przejazdy.DB (DATA, IDPOJAZD, CELWYJAZDU, "
                                         "TRASA, ODLEGLOSC, PRYW) VALUES (20240102, 1, 'helper', "
                                         "'', 1, 'N')"));
            } catch (const kv::DatabaseError& e) {
                std::printf("%s\n", qPrintable(e.message()));
                return e.engineCode() == SQLITE_BUSY ? 3 : 1;
            }
            return 0;
        }
        if (a.at(1) == QLatin1String("insert") && a.size() >= 6) {
            const int n = a.at(4).toInt();
            for (int i = 0; i < n; ++i)
                insertRow(c, a.at(5), i);
            return 0;
        }
        if (a.at(1) == QLatin1String("insertloop") && a.size() >= 5) {
            std::printf("ready\n");
            std::fflush(stdout);
            const QString filler = QString(180, u'x');
            for (int i = 0;; ++i) {
                c.beginWrite({QStringLiteral("przebiegi")});
                for (int j = 0; j < 300; ++j)
                    insertRow(c, a.at(4) + filler, i * 300 + j);
                c.commit();
            }
        }
    } catch (const kv::DatabaseError& e) {
        std::fprintf(stderr, "error: %s\n", e.what());
        return 1;
    }
    return 2;
}
