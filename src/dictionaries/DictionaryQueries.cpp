#include "dictionaries/DictionaryQueries.h"

#include "dictionaries/DictionaryLists.h"
#include "dictionaries/RateRegister.h"
#include "storage/DataModule.h"

namespace kv {

QString dictionaryOrder(const QString& code) {
    return code == kVatRatesCode ? QStringLiteral("CAST(OPIS AS INTEGER) DESC, OPIS DESC")
                                 : QStringLiteral("OPIS COLLATE PL");
}

void registerDictionaryQueries(DataModule& db) {
    const auto add = [&db](const QString& name, const QStringList& lines) {
        db.addQuery(name, ConnectionKind::Company, lines);
    };
    // The list code is bound, never written into the statement.
    add(kDictionaryListQuery, {QStringLiteral("SELECT"), QStringLiteral("KOD, OPIS, UZUP1, UZUP2"),
                               QStringLiteral("FROM"), QStringLiteral("slowniki.DB"),
                               QStringLiteral("WHERE"), QStringLiteral("IDSLOWNIK = :PARAM0"),
                               QStringLiteral("ORDER BY"), QStringLiteral("OPIS COLLATE PL")});
    add(kDictionaryInsertQuery,
        {QStringLiteral("INSERT INTO slowniki.DB(IDSLOWNIK, OPIS, UZUP1, UZUP2)"),
         QStringLiteral("VALUES (:PARAM0, :PARAM1, :PARAM2, :PARAM3)")});
    add(kDictionaryUpdateQuery,
        {QStringLiteral("UPDATE slowniki.DB"), QStringLiteral("set IDSLOWNIK = :PARAM0,"),
         QStringLiteral("OPIS = :PARAM1,"), QStringLiteral("UZUP1 = :PARAM2,"),
         QStringLiteral("UZUP2 = :PARAM3"), QStringLiteral("WHERE KOD = "), QString()});
    add(kDictionaryDeleteQuery, {QStringLiteral("DELETE FROM slowniki.DB WHERE KOD ="), QString()});

    // The vehicle kinds page: the two fixed kinds that can be renamed (KOD 3
    // and 4) and the sixteen further kinds found by their rate column.
    add(kVehicleKindsQuery,
        {QStringLiteral("SELECT KOD, OPIS, UZUP1 FROM slowniki.DB"),
         QStringLiteral("WHERE IDSLOWNIK = :PARAM0 AND KOD > 2"), QStringLiteral("ORDER BY KOD")});
    add(kFixedKindUpdateQuery, {QStringLiteral("UPDATE slowniki.DB SET OPIS = :PARAM0"),
                                QStringLiteral("WHERE IDSLOWNIK = :PARAM1 AND KOD = :PARAM2")});
    add(kFurtherKindUpdateQuery, {QStringLiteral("UPDATE slowniki.DB SET OPIS = :PARAM0"),
                                  QStringLiteral("WHERE IDSLOWNIK = :PARAM2 AND UZUP1 = :PARAM1")});

    registerRateQueries(db);
}

bool locateDictionaryEntry(DataModule& db, qint64 kod) {
    return db.locateRecord(kDictionaryListQuery, {QStringLiteral("KOD")}, false, {kod}, 31);
}

} // namespace kv
