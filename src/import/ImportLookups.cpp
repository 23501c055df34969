#include "import/ImportLookups.h"

#include "import/ImportConversions.h"
#include "storage/DataModule.h"
#include "storage/engine/DatabaseError.h"

namespace kv {

namespace {

// Key text -> number, the first (lowest) number kept for keys that differ
// only by case.
QHash<QString, qint64> keyed(DataModule& db, const QString& sql,
                             const engine::Params& params = {}) {
    QHash<QString, qint64> out;
    const ResultSet rows = db.select(sql, params);
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QString key = importKey(rows.value(r, 0).toString());
        if (!out.contains(key))
            out.insert(key, rows.value(r, 1).toLongLong());
    }
    return out;
}

QHash<QString, qint64> dictionary(DataModule& db, const QString& code) {
    return keyed(db,
                 QStringLiteral("SELECT OPIS, KOD FROM slowniki.DB WHERE IDSLOWNIK = :PARAM0 "
                                "ORDER BY KOD"),
                 engine::positionalParams({code}));
}

Decimal stored(const QVariant& v) {
    try {
        return Decimal::fromStored(v).value_or(Decimal());
    } catch (const DecimalError& e) {
        throw DatabaseError(QString::fromUtf8(e.what()));
    }
}

QHash<quint64, RefuellingRow> refuellingsOf(DataModule& db, const QString& table,
                                            const QString& first) {
    QHash<quint64, RefuellingRow> out;
    const ResultSet rows =
        db.select(QStringLiteral("SELECT IDPOJAZD, DATA, %1, TANKOWANIE, LICZNIK FROM %2.DB")
                      .arg(first, table));
    out.reserve(rows.rowCount());
    for (int r = 0; r < rows.rowCount(); ++r) {
        const int date = static_cast<int>(rows.value(r, 1).toLongLong());
        out.insert(ImportLookups::dayKey(rows.value(r, 0).toLongLong(), date),
                   RefuellingRow{date, stored(rows.value(r, 2)), stored(rows.value(r, 3)),
                                 stored(rows.value(r, 4))});
    }
    return out;
}

} // namespace

void ImportLookups::load(DataModule& db, const ImportLayout& layout) {
    *this = ImportLookups();
    const auto uses = [&layout](FieldCheck check) {
        for (const ImportField& f : layout.fields)
            if (f.check == check)
                return true;
        return false;
    };
    if (uses(FieldCheck::Vehicle))
        m_vehicles = keyed(db, QStringLiteral("SELECT NRREJ, IDPOJAZD FROM pojazdy.DB ORDER BY "
                                              "IDPOJAZD"));
    if (uses(FieldCheck::Card)) {
        const ResultSet rows = db.select(QStringLiteral("SELECT IDKARTY FROM kpaliwowe.DB"));
        for (int r = 0; r < rows.rowCount(); ++r)
            m_cards.insert(rows.value(r, 0).toString());
    }
    if (uses(FieldCheck::PaymentKind))
        m_payments = dictionary(db, QStringLiteral("RDPLA"));
    if (uses(FieldCheck::CostCentre))
        m_centres = dictionary(db, QStringLiteral("CKKOD"));
    if (uses(FieldCheck::RoadCard))
        m_roadCards = keyed(db, QStringLiteral("SELECT NRKARTY, IDDROGOWA FROM kartydrogowe.DB "
                                               "ORDER BY IDDROGOWA"));
    if (uses(FieldCheck::EmployeeNumber)) {
        const ResultSet rows = db.select(QStringLiteral("SELECT NREW FROM osobowa.DB"));
        for (int r = 0; r < rows.rowCount(); ++r)
            m_employees.insert(importKey(rows.value(r, 0).toString()));
    }
    if (layout.isFuel()) {
        const QString first =
            layout.insertColumns.value(2); // BAK or PRZEBIEG, the register's first amount
        m_liquid = refuellingsOf(db, layout.table, first);
        m_lpg = refuellingsOf(db, layout.lpgTable, first);
    }
}

std::optional<qint64> ImportLookups::vehicle(const QString& key) const {
    const auto it = m_vehicles.constFind(key);
    return it == m_vehicles.cend() ? std::nullopt : std::optional<qint64>(*it);
}

std::optional<qint64> ImportLookups::paymentKind(const QString& key) const {
    const auto it = m_payments.constFind(key);
    return it == m_payments.cend() ? std::nullopt : std::optional<qint64>(*it);
}

std::optional<qint64> ImportLookups::costCentre(const QString& key) const {
    const auto it = m_centres.constFind(key);
    return it == m_centres.cend() ? std::nullopt : std::optional<qint64>(*it);
}

std::optional<qint64> ImportLookups::roadCard(const QString& key) const {
    const auto it = m_roadCards.constFind(key);
    return it == m_roadCards.cend() ? std::nullopt : std::optional<qint64>(*it);
}

bool ImportLookups::hasEmployee(const QString& number) const {
    return m_employees.contains(importKey(number));
}

void ImportLookups::addVehicle(const QString& number, qint64 id) {
    m_vehicles.insert(importKey(number), id);
}

} // namespace kv
