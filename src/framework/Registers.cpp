#include "framework/Registers.h"

namespace kv {

const RegisterDescriptor& registerDescriptor(RegisterId id) {
    return allRegisters().at(static_cast<int>(id));
}

const RegisterDescriptor* registerByQuery(const QString& queryName) {
    for (const RegisterDescriptor& d : allRegisters())
        if (d.query == queryName)
            return &d;
    return nullptr;
}

const RegisterDescriptor* registerByGrid(const QString& gridName) {
    for (const RegisterDescriptor& d : allRegisters())
        if (d.grid == gridName)
            return &d;
    return nullptr;
}

namespace {
QString baseName(const QString& table) {
    return table.endsWith(QLatin1String(".DB"), Qt::CaseInsensitive) ? table.chopped(3) : table;
}
} // namespace

const RegisterDescriptor* registerByTableName(const QString& name, bool* alternate) {
    for (const RegisterDescriptor& d : allRegisters()) {
        for (const bool twin : {false, true}) {
            const QString table = twin ? d.alternateTable : d.table;
            if (table.isEmpty() || baseName(table).compare(name, Qt::CaseInsensitive) != 0)
                continue;
            if (alternate)
                *alternate = twin;
            return &d;
        }
    }
    return nullptr;
}

QStringList registerTableNames() {
    QStringList names;
    for (const RegisterDescriptor& d : allRegisters()) {
        names.append(baseName(d.table));
        if (!d.alternateTable.isEmpty())
            names.append(baseName(d.alternateTable));
    }
    return names;
}

QString periodFragment(PeriodForm form, qint64 lower, qint64 upper, bool inclusive) {
    const QString lo = QString::number(lower);
    const QString hi = QString::number(upper);
    const QString gt = inclusive ? QStringLiteral(">=") : QStringLiteral(">");
    const QString lt = inclusive ? QStringLiteral("<=") : QStringLiteral("<");
    switch (form) {
    case PeriodForm::None:
        return {};
    case PeriodForm::Date:
        return QStringLiteral("AND DATA %1 %2 AND DATA %3 %4").arg(gt, lo, lt, hi);
    case PeriodForm::DateOrUndated:
        return QStringLiteral("AND ((DATA %1 %2 AND DATA %3 %4) OR (DATA = 0))")
            .arg(gt, lo, lt, hi);
    case PeriodForm::FromTo:
        return QStringLiteral("AND DATAOD %1 %2 AND DATADO %3 %4").arg(gt, lo, lt, hi);
    case PeriodForm::PurchaseOrUndated:
        return QStringLiteral("AND (DATAZAKUPU=0 OR (DATAZAKUPU %1 %2 AND DATAZAKUPU %3 %4))")
            .arg(gt, lo, lt, hi);
    case PeriodForm::IssueDate:
        return QStringLiteral("AND DATAWYST %1 %2 AND DATAWYST %3 %4").arg(gt, lo, lt, hi);
    }
    return {};
}

QString yearFragment(PeriodForm form, int year) {
    const qint64 lower = static_cast<qint64>(year) * 10000;
    return periodFragment(form, lower, lower + 1300, false);
}

} // namespace kv
