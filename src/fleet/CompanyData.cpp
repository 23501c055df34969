#include "fleet/CompanyData.h"

#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"

namespace kv {

namespace {

QList<TemplateColumn> templateColumns() {
    QList<TemplateColumn> list;
    const QStringList& names = companyColumns();
    for (int i = 0; i < names.size(); ++i)
        list.append({names.at(i), i});
    return list;
}

QString selectSql() {
    return QStringLiteral("SELECT * FROM firma.DB WHERE IDFIRMA = %1")
        .arg(DataModule::kCompanyRecord);
}

void call(const std::function<void()>& f) {
    if (f)
        f();
}

} // namespace

const QStringList& companyColumns() {
    static const QStringList columns{
        QStringLiteral("NAZWA"),   QStringLiteral("KOD"),    QStringLiteral("MIASTO"),
        QStringLiteral("ULICA"),   QStringLiteral("NUMER"),  QStringLiteral("NIP"),
        QStringLiteral("REGON"),   QStringLiteral("BANK"),   QStringLiteral("ROR"),
        QStringLiteral("TELEFON"), QStringLiteral("FAX"),    QStringLiteral("EMAIL"),
        QStringLiteral("WWW"),     QStringLiteral("KKOD"),   QStringLiteral("KMIASTO"),
        QStringLiteral("KULICA"),  QStringLiteral("KNUMER"), QStringLiteral("KTELEFON"),
        QStringLiteral("KFAX"),    QStringLiteral("KEMAIL"), QStringLiteral("INNE")};
    return columns;
}

CompanyRecord::CompanyRecord() : values(companyColumns().size(), QString()) {}

QString CompanyRecord::value(const QString& column) const {
    return values.value(companyColumns().indexOf(column));
}

void CompanyRecord::setValue(const QString& column, const QString& text) {
    const int index = companyColumns().indexOf(column);
    if (index >= 0 && index < values.size())
        values[index] = text;
}

const ChangeTemplate& companyUpdateShape() {
    static const ChangeTemplate t = ChangeTemplate::update(
        QStringLiteral("firma.DB"), templateColumns(), QStringLiteral("IDFIRMA"));
    return t;
}

QString readCompanyHeaderName(DataModule& db) {
    try {
        const ResultSet r = db.select(selectSql());
        return r.isEmpty() ? QString() : r.text(0, QStringLiteral("NAZWA"));
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 1);
        return {};
    }
}

std::optional<CompanyRecord> readCompanyRecord(DataModule& db) {
    ResultSet rows;
    try {
        rows = db.select(selectSql());
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 2);
        return std::nullopt;
    }
    if (rows.isEmpty()) {
        try {
            db.exec(QStringLiteral("INSERT INTO firma.DB (IDFIRMA) VALUES(%1)")
                        .arg(DataModule::kCompanyRecord));
        } catch (const DatabaseError& e) {
            reportDatabaseError(e.message(), true, 500);
            return std::nullopt;
        }
        try {
            rows = db.select(selectSql());
        } catch (const DatabaseError& e) {
            reportDatabaseError(e.message(), true, 2);
            return std::nullopt;
        }
    }
    CompanyRecord record;
    if (rows.isEmpty())
        return record; // created, though not yet visible: every field empty
    for (int i = 0; i < companyColumns().size(); ++i)
        record.values[i] = rows.text(0, companyColumns().at(i));
    return record;
}

bool saveCompanyRecord(DataModule& db, const CompanyRecord& record) {
    try {
        Query& q = db.query(kCompanyUpdateQuery);
        fillSlots(q, {{kKeySlot, QString::number(DataModule::kCompanyRecord)}});
        db.execute(q, record.values);
        return true;
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 3);
        return false;
    }
}

CompanyDataOutcome runCompanyData(DataModule& db, CompanyFormView& form, bool mayWrite,
                                  const CompanyDataHost& host) {
    call(host.showCompanyPage);
    // A row that cannot be read is never shown as an empty form: saving that
    // would blank the company's data.
    const std::optional<CompanyRecord> record = readCompanyRecord(db);
    if (!record)
        return CompanyDataOutcome::ReadFailed;
    form.load(*record);
    if (!mayWrite) {
        form.setEditable(false);
        form.confirm();
        form.setEditable(true);
        if (host.showSectionStart)
            host.showSectionStart(true);
        return CompanyDataOutcome::Viewed;
    }
    const bool confirmed = form.confirm();
    if (host.showSectionStart)
        host.showSectionStart(false);
    if (!confirmed)
        return CompanyDataOutcome::Cancelled;
    if (!saveCompanyRecord(db, form.values()))
        return CompanyDataOutcome::SaveFailed;
    call(host.refreshHeader);
    return CompanyDataOutcome::Saved;
}

} // namespace kv
