#pragma once

#include "fleet/FleetFixture.h"

#include "storage/engine/Connection.h"
#include "support/Clock.h"

namespace kv::test {

// Rows of the dated and mileage registers written straight into their tables,
// for the deadline checker's tests.
class DeadlineData {
public:
    explicit DeadlineData(DataModule& db) : m_db(db) {}

    int addVehicle(const QString& number, const QString& extraColumns = {},
                   const QString& extraValues = {}) {
        m_db.exec(QStringLiteral("INSERT INTO pojazdy.DB (NRREJ, MARKA, STATUS%1) VALUES "
                                 "(:PARAM0, 'Skoda', 0%2)")
                      .arg(extraColumns.isEmpty() ? QString() : QStringLiteral(", ") + extraColumns,
                           extraValues.isEmpty() ? QString() : QStringLiteral(", ") + extraValues),
                  engine::positionalParams({number}));
        return id("pojazdy", "IDPOJAZD");
    }
    void setVehicle(int vehicle, const QString& assignments) {
        m_db.exec(QStringLiteral("UPDATE pojazdy.DB SET %1 WHERE IDPOJAZD = %2")
                      .arg(assignments)
                      .arg(vehicle));
    }
    void addReading(int vehicle, int date, const char* km) {
        m_db.exec(
            QStringLiteral("INSERT INTO przebiegi.DB (IDPOJAZD, DATA, LICZNIK, UWAGI, DOTYCZY) "
                           "VALUES (%1, %2, %3, '', 0)")
                .arg(vehicle)
                .arg(date)
                .arg(QLatin1String(km)));
    }
    int addRepair(int vehicle, int date, const char* dueKm, const QString& done,
                  const QString& text = QStringLiteral("Wymiana klocków")) {
        m_db.exec(QStringLiteral("INSERT INTO naprawy.DB (IDPOJAZD, DATA, OPIS, LICZTERM, DONE) "
                                 "VALUES (%1, %2, :PARAM0, %3, %4)")
                      .arg(vehicle)
                      .arg(date)
                      .arg(QLatin1String(dueKm), done.isNull() ? QStringLiteral("NULL")
                                                               : QStringLiteral("'%1'").arg(done)),
                  engine::positionalParams({text}));
        return id("naprawy", "IDNAPRAWY");
    }
    int addDocument(int vehicle, int due, const QString& name, const char* dueKm = "0") {
        m_db.exec(QStringLiteral("INSERT INTO dokumenty.DB (IDPOJAZD, DATA, TERMIN, RODZAJ, NAZWA, "
                                 "OPIS, LICZTERM) VALUES (%1, 20240101, %2, 'Licencja', :PARAM0, "
                                 "'opis', %3)")
                      .arg(vehicle)
                      .arg(due)
                      .arg(QLatin1String(dueKm)),
                  engine::positionalParams({name}));
        return id("dokumenty", "IDDOKUMENT");
    }
    void addFuelCard(const QString& card, int due) {
        m_db.exec(
            QStringLiteral("INSERT INTO kpaliwowe.DB (IDKARTY, NAZWA, IDPOJAZD, TERMIN) VALUES "
                           "(:PARAM0, 'Orlen', 0, %1)")
                .arg(due),
            engine::positionalParams({card}));
    }
    int addCalendar(int vehicle, int from, int to, const QString& by, const QString& person = {},
                    const QString& contractor = {}, const char* dueKm = "0") {
        m_db.exec(QStringLiteral("INSERT INTO terminy.DB (DATAOD, DATADO, SPRODDO, RODZAJTERMINU, "
                                 "IDPOJAZDU, NREW, KONTRAHENT, OPIS, LICZTERM) VALUES (%1, %2, "
                                 ":PARAM0, 0, %3, :PARAM1, :PARAM2, 'Spotkanie', %4)")
                      .arg(from)
                      .arg(to)
                      .arg(vehicle)
                      .arg(QLatin1String(dueKm)),
                  engine::positionalParams({by, person, contractor}));
        return id("terminy", "IDTERMINU");
    }
    int addTyre(int vehicle, int change, const char* dueKm = "0") {
        m_db.exec(QStringLiteral("INSERT INTO opony.DB (NREWID, MARKA, IDPOJAZDU, DATAWYMIANY, "
                                 "LICZTERM, RODZAJ) VALUES ('OP-1', 'Dębica', %1, %2, %3, 0)")
                      .arg(vehicle)
                      .arg(change)
                      .arg(QLatin1String(dueKm)));
        return id("opony", "IDOPONY");
    }
    int addPart(const QString& name, const char* quantity, const char* level) {
        m_db.exec(QStringLiteral("INSERT INTO magazyn.DB (CZESC, ILOSC, PRZYPOMNIJ, UWAGI) VALUES "
                                 "(:PARAM0, %1, %2, '')")
                      .arg(QLatin1String(quantity), QLatin1String(level)),
                  engine::positionalParams({name}));
        return id("magazyn", "ID");
    }
    void addPerson(const QString& number, const QString& surname, const QString& first) {
        m_db.exec(QStringLiteral("INSERT INTO osobowa.DB (NREW, NAZWISKO, IMIE) VALUES (:PARAM0, "
                                 ":PARAM1, :PARAM2)"),
                  engine::positionalParams({number, surname, first}));
    }
    QVariant value(const QString& sql) {
        const ResultSet r = m_db.select(sql);
        return r.isEmpty() ? QVariant() : r.value(0, 0);
    }

private:
    int id(const char* table, const char* column) {
        return static_cast<int>(m_db.lastId(QLatin1String(table), QLatin1String(column)));
    }
    DataModule& m_db;
};

} // namespace kv::test
