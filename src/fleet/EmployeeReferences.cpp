#include "fleet/EmployeeReferences.h"

#include "storage/DataModule.h"
#include "storage/engine/DatabaseError.h"

namespace kv {

namespace {

struct ReferringColumn {
    const char* table;
    const char* column; // IDKIEROWCY: a driver; NREW: a person of an entry
    const char* one;    // "1 pojeździe"
    const char* many;   // "2 pojazdach"
};

// Every column that holds an employee number (an owner is a free text, not one).
const ReferringColumn kColumns[] = {
    {"pojazdy", "IDKIEROWCY", "pojeździe", "pojazdach"},
    {"przejazdy", "IDKIEROWCY", "przejeździe", "przejazdach"},
    {"kpaliwowe", "IDKIEROWCY", "karcie paliwowej", "kartach paliwowych"},
    {"koszty", "IDKIEROWCY", "koszcie", "kosztach"},
    {"naprawy", "IDKIEROWCY", "naprawie", "naprawach"},
    {"szkody", "IDKIEROWCY", "szkodzie", "szkodach"},
    {"kartydrogowe", "IDKIEROWCY", "karcie drogowej", "kartach drogowych"},
    {"terminy", "NREW", "terminie", "terminach"},
    {"zlecenia", "NREW", "zleceniu", "zleceniach"},
    {"rozliczenia", "NREW", "rozliczeniu", "rozliczeniach"},
};

const ReferringColumn* columnOf(const QString& table) {
    for (const ReferringColumn& c : kColumns)
        if (table == QLatin1String(c.table))
            return &c;
    return nullptr;
}

} // namespace

QList<EmployeeReference> employeeReferences(DataModule& db, const QString& number) {
    QList<EmployeeReference> found;
    if (number.trimmed().isEmpty() || !db.companyConnection().isOpen())
        return found;
    // Ten tables would push the register's own out of the company connection's
    // attachments; a connection of its own leaves those as they are.
    engine::Connection counting;
    try {
        counting.open(db.companyDirectory(), false);
    } catch (const DatabaseError&) {
        return found;
    }
    for (const ReferringColumn& c : kColumns) {
        try {
            const ResultSet r =
                counting.query(QStringLiteral("SELECT COUNT(*) FROM %1.DB WHERE %2 = :NR")
                                   .arg(QLatin1String(c.table), QLatin1String(c.column)),
                               {{QStringLiteral("NR"), number}});
            const int count = r.isEmpty() ? 0 : r.value(0, 0).toInt();
            if (count > 0)
                found.append({QLatin1String(c.table), count});
        } catch (const DatabaseError&) {
            // A table that cannot be read names nobody; the question stays useful.
        }
    }
    return found;
}

QString employeeReferenceText(const QList<EmployeeReference>& references) {
    QStringList parts;
    for (const EmployeeReference& r : references)
        if (const ReferringColumn* c = columnOf(r.table))
            parts << QString::number(r.count) + u' ' +
                         QString::fromUtf8(r.count == 1 ? c->one : c->many);
    return parts.join(QStringLiteral(", "));
}

namespace {
// "jako kierowca", or "jako kierowca lub pracownik" when entries name the
// person other than as a driver.
QString roleOf(const QList<EmployeeReference>& references) {
    for (const EmployeeReference& r : references)
        if (const ReferringColumn* c = columnOf(r.table); c && QLatin1String(c->column) == u"NREW")
            return QStringLiteral("jako kierowca lub pracownik");
    return QStringLiteral("jako kierowca");
}
} // namespace

QString employeeDeleteQuestion(DataModule& db, const QString& number) {
    const QList<EmployeeReference> found = employeeReferences(db, number);
    if (found.isEmpty())
        return {};
    return QStringLiteral("Osoba jest wskazana %1 w: %2. Czy na pewno usunąć?")
        .arg(roleOf(found), employeeReferenceText(found));
}

QString employeeReuseQuestion(DataModule& db, const QString& number) {
    const QList<EmployeeReference> found = employeeReferences(db, number);
    if (found.isEmpty())
        return {};
    return QStringLiteral("Numer ewidencyjny %1 jest wskazany %2 w: %3. Zapisana osoba przejmie "
                          "te pozycje. Czy na pewno zapisać?")
        .arg(number, roleOf(found), employeeReferenceText(found));
}

} // namespace kv
