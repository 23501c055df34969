#include "dictionaries/RateQueries.h"

#include "storage/DataModule.h"

namespace kv {

namespace {

QList<TemplateColumn> templateColumns() {
    QList<TemplateColumn> columns{{QStringLiteral("DATAOD"), -1}};
    for (const QString& c : rateColumns())
        columns.append({c, -1});
    return columns;
}

} // namespace

const QStringList& rateColumns() {
    static const QStringList columns = [] {
        QStringList c{QStringLiteral("LW900"), QStringLiteral("GT900"), QStringLiteral("MOTOCYKL"),
                      QStringLiteral("MOTOROWER")};
        for (int n = 5; n <= 20; ++n)
            c.append(QStringLiteral("RDPOJ%1").arg(n));
        return c;
    }();
    return columns;
}

const ChangeTemplate& rateInsertShape() {
    static const ChangeTemplate t =
        ChangeTemplate::insert(QStringLiteral("stawki.DB"), templateColumns());
    return t;
}

const ChangeTemplate& rateUpdateShape() {
    static const ChangeTemplate t = ChangeTemplate::update(
        QStringLiteral("stawki.DB"), templateColumns(), QStringLiteral("DATAOD"));
    return t;
}

void registerRateQueries(DataModule& db) {
    db.addQuery(QStringLiteral("DBFStawki"), ConnectionKind::Company,
                {QStringLiteral("SELECT * FROM stawki.DB ORDER BY"), QString(), QString()});
    db.addQuery(QStringLiteral("DBFInsertStawki"), ConnectionKind::Company,
                rateInsertShape().lines);
    db.addQuery(QStringLiteral("DBFUpdateStawki"), ConnectionKind::Company,
                rateUpdateShape().lines);
}

} // namespace kv
