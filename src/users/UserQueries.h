#pragma once

#include <QString>

namespace kv {

class DataModule;

// The data module's statements of the users and their permissions. Every
// text reaches them as a parameter: :PARAM0 is always the user name.
namespace userquery {
inline const QString Login = QStringLiteral("DBFLogin");
inline const QString User = QStringLiteral("DBFUser");
inline const QString Users = QStringLiteral("DBFUserzy");
inline const QString InsertUser = QStringLiteral("DBFInsertUserzy");
inline const QString UpdateUser = QStringLiteral("DBFUpdateUserzy");
inline const QString DeleteUser = QStringLiteral("DBFDeleteUserzy");
inline const QString Rights = QStringLiteral("DBFRights");
inline const QString FindRights = QStringLiteral("DBFFindRights");
inline const QString InsertRights = QStringLiteral("DBFInsertRights");
inline const QString DeleteRights = QStringLiteral("DBFDeleteRights");
inline const QString DeleteAllRights = QStringLiteral("DBFDeleteAllRights");
} // namespace userquery

// Adds the statements above to the data module as query components on the
// company connection. Components already there are left alone, so calling it
// again (the command-line tool and the tests do) changes nothing.
void registerUserQueries(DataModule& db);

} // namespace kv
