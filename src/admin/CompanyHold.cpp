#include "admin/CompanyHold.h"

#include "storage/DataModule.h"
#include "storage/engine/DatabaseError.h"
#include "support/UserInterface.h"

namespace kv {

QString openCompanyName(DataModule& db) {
    try {
        const ResultSet r =
            db.select(QStringLiteral("SELECT NAZWA FROM firmy.DB WHERE DIR=:PARAM0"),
                      engine::positionalParams({db.companyDirectoryName()}), ConnectionKind::Main);
        if (!r.isEmpty() && !r.value(0, 0).toString().isEmpty())
            return r.value(0, 0).toString();
    } catch (const DatabaseError&) {
    }
    return db.companyDirectoryName();
}

CompanyHold holdCompanyAlone(DataModule& db, const QString& outcome) {
    CompanyHold hold = engine::PresenceLock::tryExclusive(db.companyDirectory());
    if (!hold)
        ui().information(QStringLiteral("Informacja"),
                         QStringLiteral("Z danymi firmy \"%1\" pracuje w tej chwili inny "
                                        "użytkownik. ")
                                 .arg(openCompanyName(db)) +
                             outcome);
    return hold;
}

bool anotherProgramInCompany(DataModule& db, const QString& outcome) {
    return !holdCompanyAlone(db, outcome);
}

} // namespace kv
