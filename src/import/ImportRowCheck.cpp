#include "import/ImportRowCheck.h"

#include "import/ImportConversions.h"
#include "schema/Schema.h"

namespace kv {

RowChecker::RowChecker(const ImportLayout& layout, const ImportChoices& choices,
                       const ImportLookups& lookups)
    : m_layout(layout), m_choices(choices), m_lookups(lookups) {
    if (const schema::Table* t = schema::findTable(layout.table + QStringLiteral(".DB")))
        for (const schema::Column& c : t->columns)
            if (c.width > 0)
                m_widths.insert(c.name, c.width);
    for (const ImportField& f : layout.fields)
        m_columns << mappedColumn(layout, choices, f.list);
    m_skipSameDay = layout.isFuel() && choices.option(QStringLiteral("pominSumuj")) == kSkipText;
}

bool RowChecker::fail(CheckedRow& row, const QString& message) {
    row.good = false;
    row.message = message;
    return false;
}

bool RowChecker::checkField(const ImportField& f, const SheetLine& line, CheckedRow& row) {
    QVariant& value = row.values[f.list - 1];
    const int column = m_columns[&f - m_layout.fields.constData()];
    if (f.check == FieldCheck::FuelKind) {
        const int entry = m_choices.entry(f.list);
        if (column < 0)
            row.lpg = entry == 1;
        else
            row.lpg = line.cells.value(column).trimmed().toUpper() ==
                      m_choices.option(QStringLiteral("rodzajPaliwa")).trimmed().toUpper();
        return true;
    }
    if (column < 0) {
        if (f.required)
            return fail(row, f.missing);
        value = f.unmapped;
        return true;
    }
    if (f.onlyWhen && row.value(f.onlyWhen).toString() != u"T") {
        value = f.unmapped;
        return true;
    }
    const QString cell = line.cells.value(column);
    const auto fitting = [&](const QString& text) {
        const int width = m_widths.value(f.column, 0);
        if (width > 0 && text.size() > width)
            return fail(row, QStringLiteral("Tekst w polu \u201e%1\u201d jest dłuższy niż %2 "
                                            "znaków")
                                 .arg(f.label)
                                 .arg(width));
        value = text;
        return true;
    };
    switch (f.check) {
    case FieldCheck::Date: {
        const std::optional<int> date = importDate(cell, m_choices.dateFormat);
        if (!date)
            return fail(row, f.bad);
        value = *date;
        return true;
    }
    case FieldCheck::Vehicle: {
        const std::optional<qint64> id = m_lookups.vehicle(importKey(cell));
        if (!id)
            return fail(row, f.bad);
        value = *id;
        return true;
    }
    case FieldCheck::Text:
        return fitting(cell.trimmed());
    case FieldCheck::Card: {
        const QString id = cell.trimmed();
        if (!id.isEmpty() && !m_lookups.hasCard(id))
            return fail(row, f.bad);
        value = id;
        return true;
    }
    case FieldCheck::Amount:
    case FieldCheck::Number: {
        const std::optional<Decimal> n =
            f.check == FieldCheck::Amount ? importAmount(cell) : importNumber(cell);
        if (!n)
            return fail(row, f.bad);
        value = n->toDouble(); // what the column stores
        return true;
    }
    case FieldCheck::Flag:
        value =
            importFlagSet(cell, m_choices.option(f.symbolOption)) ? QStringLiteral("T") : f.flagOff;
        return true;
    case FieldCheck::PaymentKind:
    case FieldCheck::CostCentre:
    case FieldCheck::RoadCard: {
        const QString key = importKey(cell);
        const std::optional<qint64> code =
            f.check == FieldCheck::PaymentKind  ? m_lookups.paymentKind(key)
            : f.check == FieldCheck::CostCentre ? m_lookups.costCentre(key)
                                                : m_lookups.roadCard(key);
        if (!code)
            return fail(row, f.bad);
        value = *code;
        return true;
    }
    case FieldCheck::EmployeeNumber: {
        const QString number = cell.trimmed();
        if (m_lookups.hasEmployee(number))
            return fail(row, f.bad);
        const auto above = m_employeeLines.constFind(importKey(number));
        if (above != m_employeeLines.cend())
            return fail(
                row,
                QStringLiteral("Numer ewidencyjny powtarza się w arkuszu (wiersz %1)").arg(*above));
        return fitting(number);
    }
    case FieldCheck::FuelKind:
        break;
    }
    return true;
}

CheckedRow RowChecker::check(const SheetLine& line, int lineNumber) {
    CheckedRow row;
    row.values = QVariantList(m_layout.listCount());
    if (!line.fault.isEmpty()) {
        fail(row, line.fault);
        return row;
    }
    for (const ImportField& f : m_layout.fields)
        if (!checkField(f, line, row))
            return row;
    if (m_layout.isFuel()) {
        const quint64 day = ImportLookups::dayKey(row.value(2).toLongLong(), row.value(1).toInt());
        if (m_skipSameDay && (m_lookups.refuellings(row.lpg).contains(day) ||
                              m_days[row.lpg ? 1 : 0].contains(day))) {
            fail(row, QStringLiteral("Na dany dzień istnieje już tankowanie"));
            return row;
        }
        m_days[row.lpg ? 1 : 0].insert(day);
    }
    if (m_layout.kind == ImportKind::Employees)
        m_employeeLines.insert(importKey(row.value(1).toString()), lineNumber);
    row.good = true;
    return row;
}

VerifyOutcome verifyLines(ImportSheet& sheet, const ImportLayout& layout,
                          const ImportChoices& choices, const ImportLookups& lookups) {
    VerifyOutcome out;
    out.rows = QList<CheckedRow>(sheet.lineCount());
    const int first = ImportSheet::firstDataLine(choices.skipFirst);
    if (first > 0 && sheet.lineCount() > 0)
        sheet.clearStatus(0);
    RowChecker checker(layout, choices, lookups);
    for (int i = first; i < sheet.lineCount(); ++i) {
        CheckedRow row = checker.check(sheet.line(i), i + 1);
        if (row.good) {
            sheet.setStatus(i, kStatusOk, {});
        } else {
            sheet.setStatus(i, kStatusFaulty, row.message);
            ++out.faulty;
        }
        out.rows[i] = std::move(row);
    }
    return out;
}

} // namespace kv
