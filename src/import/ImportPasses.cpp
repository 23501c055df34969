#include "import/ImportPasses.h"

#include "fuel/ConsumptionRegister.h"
#include "import/ImportLookups.h"
#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"

namespace kv {

namespace {

const QString kDatabaseErrorRemark = QStringLiteral("Błąd bazy danych ");

ConsumptionKind consumptionKindOf(ImportKind kind) {
    switch (kind) {
    case ImportKind::FuelKm:
        return ConsumptionKind::PerKm;
    case ImportKind::FuelMth:
        return ConsumptionKind::PerHour;
    default:
        return ConsumptionKind::Continuous;
    }
}

QString insertSql(const ImportLayout& layout, const QString& table) {
    QStringList params;
    for (int i = 0; i < layout.insertColumns.size(); ++i)
        params << QStringLiteral(":PARAM%1").arg(i);
    return QStringLiteral("INSERT INTO %1.DB(%2) VALUES (%3)")
        .arg(table, layout.insertColumns.join(u','), params.join(u','));
}

// The merge of a refuelling into the one of its day (the fuel register's own).
QString mergeSql(const ImportLayout& layout, const QString& table) {
    return QStringLiteral("UPDATE %1.DB SET %2=:PARAM0, TANKOWANIE=:PARAM1, LICZNIK=:PARAM2 "
                          "WHERE IDPOJAZD=:PARAM3 AND DATA=:PARAM4")
        .arg(table, layout.insertColumns.value(2));
}

// The fields of the insert's columns in their order, looked up once per pass.
QList<const ImportField*> insertFields(const ImportLayout& layout) {
    QList<const ImportField*> fields;
    for (const QString& column : layout.insertColumns)
        fields << layout.fieldOfColumn(column);
    return fields;
}

// A line's values in the insert's column order, bound as the columns take
// them (numbers are already doubles); a fuel flag that is not "T" is NULL, as
// the costs register stores it.
QVariantList insertValues(const QList<const ImportField*>& fields, const CheckedRow& row) {
    QVariantList values;
    values.reserve(fields.size());
    for (const ImportField* f : fields) {
        const QVariant& v = row.values[f->list - 1];
        if (f->check == FieldCheck::Flag && v.toString().isEmpty())
            values << QVariant();
        else
            values << v;
    }
    return values;
}

Decimal decimalOf(const QVariant& v) {
    return Decimal::fromDouble(v.toDouble());
}

RefuellingRow refuellingOf(const ImportLayout& layout, const CheckedRow& row) {
    const ImportField* first = layout.fieldOfColumn(layout.insertColumns.value(2));
    return RefuellingRow{
        row.value(1).toInt(), decimalOf(row.value(first->list)),
        decimalOf(row.value(layout.fieldOfColumn(QStringLiteral("TANKOWANIE"))->list)),
        decimalOf(row.value(layout.fieldOfColumn(QStringLiteral("LICZNIK"))->list))};
}

QStringList passTables(const ImportLayout& layout) {
    QStringList tables{layout.table};
    if (layout.isFuel())
        tables << layout.lpgTable;
    tables << layout.lookupTables;
    return tables;
}

} // namespace

VerifyOutcome verifyImport(DataModule& db, ImportSheet& sheet, const ImportLayout& layout,
                           const ImportChoices& choices) {
    ImportLookups lookups;
    try {
        lookups.load(db, layout);
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, layout.verifyCode);
        VerifyOutcome out;
        out.rows = QList<CheckedRow>(sheet.lineCount());
        for (int i = ImportSheet::firstDataLine(choices.skipFirst); i < sheet.lineCount(); ++i) {
            sheet.setStatus(i, kStatusFaulty, kDatabaseErrorRemark + e.message());
            ++out.faulty;
        }
        return out;
    }
    return verifyLines(sheet, layout, choices, lookups);
}

ImportPassResult importSheetLines(DataModule& db, ImportSheet& sheet, const ImportLayout& layout,
                                  const ImportChoices& choices, const ImportPassOptions& options) {
    ImportPassResult result;
    engine::Connection& c = db.companyConnection();
    int current = -1;
    VerifyOutcome verified;
    try {
        c.beginWrite(passTables(layout));
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, layout.verifyCode);
        result.failure = kDatabaseErrorRemark + e.message();
        return result;
    }
    try {
        ImportLookups lookups;
        lookups.load(db, layout);
        verified = verifyLines(sheet, layout, choices, lookups);
        result.faulty = verified.faulty;
        if (verified.faulty > 0 && !options.skipFaulty) {
            c.rollback();
            result.failure =
                QStringLiteral("W arkuszu są wiersze z błędami (%1)").arg(verified.faulty);
            return result;
        }
        const std::unique_ptr<engine::PreparedStatement> insert =
            c.prepareStatement(insertSql(layout, layout.table));
        std::unique_ptr<engine::PreparedStatement> insertLpg, merge, mergeLpg;
        if (layout.isFuel()) {
            insertLpg = c.prepareStatement(insertSql(layout, layout.lpgTable));
            merge = c.prepareStatement(mergeSql(layout, layout.table));
            mergeLpg = c.prepareStatement(mergeSql(layout, layout.lpgTable));
        }
        const ConsumptionKind kind = consumptionKindOf(layout.kind);
        const QList<const ImportField*> fields = insertFields(layout);
        const int first = ImportSheet::firstDataLine(choices.skipFirst);
        const int total = sheet.lineCount() - first;
        for (int i = first; i < sheet.lineCount(); ++i) {
            const CheckedRow& row = verified.rows[i];
            if (options.progress && (i - first) % 1000 == 0)
                options.progress(i - first, total);
            if (!row.good)
                continue;
            current = i;
            if (options.beforeLine)
                options.beforeLine(i);
            if (!layout.isFuel()) {
                insert->run(insertValues(fields, row));
            } else {
                const RefuellingRow added = refuellingOf(layout, row);
                const qint64 vehicle = row.value(2).toLongLong();
                QHash<quint64, RefuellingRow>& days = lookups.refuellings(row.lpg);
                const quint64 day = ImportLookups::dayKey(vehicle, added.date);
                const auto stored = days.find(day);
                if (stored != days.end()) {
                    const RefuellingRow merged = mergedRefuelling(kind, *stored, added);
                    (row.lpg ? mergeLpg : merge)
                        ->run({merged.first.toDouble(), merged.litres.toDouble(),
                               merged.reading.toDouble(), vehicle, added.date});
                    *stored = merged;
                } else {
                    (row.lpg ? insertLpg : insert)->run(insertValues(fields, row));
                    days.insert(day, added);
                }
            }
            ++result.added;
        }
        current = -1;
        c.commit();
        if (options.progress)
            options.progress(total, total);
        result.completed = true;
        return result;
    } catch (const DatabaseError& e) {
        c.rollback();
        reportDatabaseError(e.message(), true, layout.verifyCode);
        result.added = 0;
        if (current >= 0) {
            sheet.setStatus(current, kStatusFaulty, kDatabaseErrorRemark + e.message());
            // The lines that had gone in went out with the rollback.
            for (int i = 0; i < verified.rows.size(); ++i)
                if (i != current && verified.rows[i].good)
                    sheet.setStatus(
                        i, QString(),
                        QStringLiteral("Nie dodano: import przerwany błędem w wierszu %1")
                            .arg(current + 1));
            result.failure = QStringLiteral("Błąd bazy danych w wierszu %1: %2")
                                 .arg(current + 1)
                                 .arg(e.message());
        } else {
            result.failure = kDatabaseErrorRemark + e.message();
        }
        return result;
    }
}

QString importSummary(const ImportPassResult& result) {
    if (!result.completed)
        return result.failure + QStringLiteral(". Nie dodano żadnego wiersza.");
    QString text = QStringLiteral("Operacja zakończona");
    if (result.faulty > 0)
        text += QStringLiteral(" Podczas importu pojawiły się błędy. Prosze sprawdzić ich opis w "
                               "tabeli .CSV");
    return text + QStringLiteral(". Dodano wierszy: %1.").arg(result.added);
}

} // namespace kv
