#pragma once

#include "fleet/FleetFixture.h"

#include "storage/engine/Connection.h"

namespace kv::test {

// Rows the trips and odometer tests build their companies from, on a company
// made from the empty templates.
class TripsData {
public:
    explicit TripsData(DataModule& db) : m_db(db) {}

    // The twenty vehicle kinds: KOD 1..4 the fixed ones, then the further
    // kinds rated by RDPOJ5..RDPOJ20 (UZUP1 "5".."20").
    void addVehicleKinds() {
        for (const char* name : {"Samochód osobowy", "Samochód ciężarowy", "Motocykl", "Motorower"})
            m_db.exec(QStringLiteral("INSERT INTO slowniki.DB (IDSLOWNIK, OPIS) VALUES ('RDPOJ', "
                                     ":PARAM0)"),
                      engine::positionalParams({QString::fromUtf8(name)}));
        for (int n = 5; n <= 20; ++n)
            m_db.exec(QStringLiteral("INSERT INTO slowniki.DB (IDSLOWNIK, OPIS, UZUP1) VALUES "
                                     "('RDPOJ', :PARAM0, :PARAM1)"),
                      engine::positionalParams(
                          {QStringLiteral("Inne %1").arg(n - 4), QString::number(n)}));
    }
    void addDictionaryEntry(const QString& code, const QString& text, const QString& second = {}) {
        m_db.exec(QStringLiteral("INSERT INTO slowniki.DB (IDSLOWNIK, OPIS, UZUP1) VALUES "
                                 "(:PARAM0, :PARAM1, :PARAM2)"),
                  engine::positionalParams({code, text, second}));
    }
    void addPerson(const QString& number, const QString& surname, const QString& firstName) {
        m_db.exec(QStringLiteral("INSERT INTO osobowa.DB (NREW, NAZWISKO, IMIE) VALUES (:PARAM0, "
                                 ":PARAM1, :PARAM2)"),
                  engine::positionalParams({number, surname, firstName}));
    }
    // The new vehicle's id.
    int addVehicle(const QString& number, int kind = 1, int capacity = 1400,
                   const QString& driver = {}) {
        m_db.exec(QStringLiteral("INSERT INTO pojazdy.DB (NRREJ, MARKA, RODZAJ, POJEMNOSC, "
                                 "IDKIEROWCY, STATUS) VALUES (:PARAM0, 'Skoda', %1, %2, :PARAM1, "
                                 "0)")
                      .arg(kind)
                      .arg(capacity),
                  engine::positionalParams({number, driver}));
        return static_cast<int>(m_db.lastId(QStringLiteral("pojazdy"), QStringLiteral("IDPOJAZD")));
    }
    // A rate row: the two car rates, the rest 0 unless given (RDPOJn).
    void addRates(int validFrom, const char* lw900, const char* gt900, int column = 0,
                  const char* further = "0") {
        QString columns = QStringLiteral("DATAOD, LW900, GT900, MOTOCYKL, MOTOROWER");
        QString values = QStringLiteral("%1, %2, %3, 0.2302, 0.1382")
                             .arg(validFrom)
                             .arg(QLatin1String(lw900), QLatin1String(gt900));
        if (column) {
            columns += QStringLiteral(", RDPOJ%1").arg(column);
            values += QStringLiteral(", ") + QLatin1String(further);
        }
        m_db.exec(QStringLiteral("INSERT INTO stawki.DB (%1) VALUES (%2)").arg(columns, values));
    }
    // A trip written straight into the table; its id.
    int addTrip(int vehicle, int date, const char* length, const QString& driver = {}) {
        m_db.exec(QStringLiteral("INSERT INTO przejazdy.DB (DATA, IDPOJAZD, CELWYJAZDU, TRASA, "
                                 "ODLEGLOSC, IDKIEROWCY, UWAGI, PRYW, PRYWKTO, PRYWLICZOD, "
                                 "PRYWLICZDO) VALUES (%1, %2, 'Klient', 'Łódź', %3, :PARAM0, '', "
                                 "'N', '', 0, 0)")
                      .arg(date)
                      .arg(vehicle)
                      .arg(QLatin1String(length)),
                  engine::positionalParams({driver}));
        return static_cast<int>(
            m_db.lastId(QStringLiteral("przejazdy"), QStringLiteral("IDPRZEJAZD")));
    }
    // A reading in the odometer history; its id.
    int addReading(int vehicle, int date, const char* reading,
                   const QString& remark = QStringLiteral("")) {
        m_db.exec(QStringLiteral("INSERT INTO przebiegi.DB (IDPOJAZD, DATA, LICZNIK, UWAGI, "
                                 "DOTYCZY) VALUES (%1, %2, %3, :PARAM0, 0)")
                      .arg(vehicle)
                      .arg(date)
                      .arg(QLatin1String(reading)),
                  engine::positionalParams({remark}));
        return static_cast<int>(
            m_db.lastId(QStringLiteral("przebiegi"), QStringLiteral("IDPRZEBIEGI")));
    }
    // The history of a vehicle as "date reading remark" lines, in insertion order.
    QStringList history(int vehicle) {
        QStringList out;
        const ResultSet r = m_db.select(QStringLiteral("SELECT DATA, LICZNIK, UWAGI FROM "
                                                       "przebiegi.DB WHERE IDPOJAZD = %1 ORDER "
                                                       "BY IDPRZEBIEGI")
                                            .arg(vehicle));
        for (int i = 0; i < r.rowCount(); ++i)
            out << QStringLiteral("%1 %2 %3")
                       .arg(r.value(i, 0).toLongLong())
                       .arg(r.value(i, 1).toDouble())
                       .arg(r.value(i, 2).toString())
                       .trimmed();
        return out;
    }

private:
    DataModule& m_db;
};

} // namespace kv::test
