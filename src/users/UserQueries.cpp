#include "users/UserQueries.h"

#include "storage/DataModule.h"

namespace kv {

void registerUserQueries(DataModule& db) {
    const auto add = [&db](const QString& name, const QStringList& lines) {
        if (!db.hasQuery(name))
            db.addQuery(name, ConnectionKind::Company, lines);
    };
    using namespace userquery;
    add(Login, {QStringLiteral("SELECT * FROM"), QStringLiteral("userzy.DB WHERE NAZWA=:PARAM0"),
                QStringLiteral("AND"), QStringLiteral("(HASLO=:PARAM1 OR HASLO=:PARAM2)")});
    add(User, {QStringLiteral("SELECT * FROM"), QStringLiteral("userzy.DB WHERE NAZWA=:PARAM0")});
    add(Users, {QStringLiteral("SELECT * from userzy.DB ORDER BY NAZWA COLLATE PL")});
    add(InsertUser, {QStringLiteral("INSERT INTO userzy.DB (NAZWA,HASLO,OPIS)"),
                     QStringLiteral("VALUES (:PARAM0,:PARAM1,:PARAM2)")});
    add(UpdateUser,
        {QStringLiteral("UPDATE userzy.DB SET"), QStringLiteral("HASLO=:PARAM0, OPIS=:PARAM1"),
         QStringLiteral("WHERE NAZWA=:PARAM2")});
    add(DeleteUser,
        {QStringLiteral("DELETE FROM userzy.DB"), QStringLiteral("WHERE NAZWA = :PARAM0")});
    add(Rights, {QStringLiteral("SELECT * FROM uprawnienia.DB WHERE NAZWA=:PARAM0")});
    add(FindRights, {QStringLiteral("SELECT * FROM uprawnienia.DB WHERE NAZWA=:PARAM0"),
                     QStringLiteral("AND UPR=:PARAM1;")});
    add(InsertRights, {QStringLiteral("INSERT INTO uprawnienia.DB (NAZWA,UPR)"),
                       QStringLiteral("VALUES  (:PARAM0, :PARAM1)")});
    add(DeleteRights,
        {QStringLiteral("DELETE FROM uprawnienia.DB"), QStringLiteral("WHERE NAZWA = :PARAM0"),
         QStringLiteral("AND UPR = :PARAM1")});
    add(DeleteAllRights,
        {QStringLiteral("DELETE FROM uprawnienia.DB"), QStringLiteral("WHERE NAZWA = :PARAM0")});
}

} // namespace kv
