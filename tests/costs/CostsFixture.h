#pragma once

#include "ScriptedForm.h"
#include "trips/TripsFixture.h"

#include "costs/CostForm.h"
#include "costs/CostRegister.h"
#include "framework/EditCycle.h"
#include "storage/ProgramOptions.h"

namespace kv::test {

// A cost window that answers from a script and hands the values back as the
// checks rewrote them, like the real window.
struct ScriptedCostForm : ScriptedForm<CostFormValues> {
    ScriptedCostForm()
        : ScriptedForm([](CostFormValues& v, const FormSetup&) {
              return checkCostForm(v, programOptions().poleInneJestLiczba);
          }) {}
};

inline CostFormValues cost(int vehicle, const QString& date, const QString& net, const QString& vat,
                           const QString& gross) {
    CostFormValues v;
    v.data = date;
    v.vehicle = vehicle;
    v.rodzWyd = QStringLiteral("Myjnia");
    v.nazwaTowar = QStringLiteral("Mycie");
    v.nrDokument = QStringLiteral("FV 1/2024");
    v.netto = net;
    v.vat = vat;
    v.brutto = gross;
    v.licznik = QStringLiteral("0");
    v.fuel = QStringLiteral("0");
    return v;
}

// Rows of the cost tests written straight into the tables.
class CostsData : public TripsData {
public:
    explicit CostsData(DataModule& db) : TripsData(db), m_db(db) {}

    int addRoadCard(const QString& number, int vehicle) {
        m_db.exec(QStringLiteral("INSERT INTO kartydrogowe.DB (NRKARTY, IDPOJAZD, DATAWYST) "
                                 "VALUES (:PARAM0, %1, 20240101)")
                      .arg(vehicle),
                  engine::positionalParams({number}));
        return static_cast<int>(
            m_db.lastId(QStringLiteral("kartydrogowe"), QStringLiteral("IDDROGOWA")));
    }
    int addEntry(const QString& code, const QString& text, const QString& second = {}) {
        addDictionaryEntry(code, text, second);
        return static_cast<int>(m_db.lastId(QStringLiteral("slowniki"), QStringLiteral("KOD")));
    }
    // A cost written straight into the table; its id.
    int addCost(int vehicle, int date, const char* gross, bool fuel = false, int ck = 0,
                int roadCard = -1) {
        m_db.exec(QStringLiteral("INSERT INTO koszty.DB (IDPOJAZD, DATA, RODZWYD, WARTNETTO, "
                                 "WARTVAT, WARTBRUTTO, CZYVAT, ISFUEL, FUEL, CK, IDDROGOWA) "
                                 "VALUES (%1, %2, 'Inne', %3, 0, %3, 'T', %4, 0, %5, %6)")
                      .arg(vehicle)
                      .arg(date)
                      .arg(QLatin1String(gross), fuel ? QStringLiteral("'T'") : "NULL")
                      .arg(ck)
                      .arg(roadCard));
        return static_cast<int>(m_db.lastId(QStringLiteral("koszty"), QStringLiteral("IDKOSZT")));
    }
    ResultSet costRow(qint64 id) {
        return m_db.select(QStringLiteral("SELECT * FROM koszty.DB WHERE IDKOSZT = %1").arg(id));
    }
    int count(const QString& table) {
        return m_db.select(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table))
            .value(0, 0)
            .toInt();
    }

private:
    DataModule& m_db;
};

} // namespace kv::test
