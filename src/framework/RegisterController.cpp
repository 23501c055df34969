#include "framework/RegisterController.h"

#include "framework/RegisterHooks.h"
#include "framework/RegisterStates.h"
#include "framework/TwinTables.h"
#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/UserInterface.h"

namespace kv {

RegisterController::RegisterController(DataModule& db, RegisterId id)
    : m_db(db), m_descriptor(registerDescriptor(id)) {}

Query& RegisterController::query() const {
    return m_db.query(m_descriptor.query);
}

RegisterViewState& RegisterController::state() const {
    return registerState(m_db, m_descriptor.id);
}

void RegisterController::writeStatementLines() {
    Query& q = query();
    const RegisterViewState& s = state();
    const RegisterDescriptor& d = m_descriptor;
    if (d.vehicleSlot)
        q.setSlot(kVehicleSlot,
                  d.vehicleFilter == VehicleFilter::None ? QString() : s.vehicleFragment);
    if (d.periodSlot)
        q.setSlot(kPeriodSlot, s.periodFragment);
    for (const QString& name : d.extraFilters)
        q.setSlot(name, s.extraFragments.value(name));
    if (!d.sortable())
        return;
    const QString direction = s.ascending ? QStringLiteral("ASC") : QStringLiteral("DESC");
    const QString tieBreak = d.sortTieBreaks.value(s.sortColumn);
    if (!tieBreak.isEmpty()) {
        q.setSlot(kSortSlot, s.sortColumn + u' ' + direction);
        q.setSlot(kDirectionSlot, u',' + tieBreak + u' ' + direction);
    } else {
        // Texts sort in Polish alphabetical order; numbers are not affected.
        q.setSlot(kSortSlot, s.sortColumn + QStringLiteral(" COLLATE PL"));
        q.setSlot(kDirectionSlot, direction);
    }
}

engine::Params RegisterController::params() const {
    const RegisterViewState& s = state();
    if (m_descriptor.vehicleFilter == VehicleFilter::RegistrationNumber &&
        s.vehicleFragment.contains(u':' + kVehicleFilterParameter))
        return {{kVehicleFilterParameter, s.vehicleParameter}};
    return {};
}

bool RegisterController::refresh() {
    return start() && finishReading();
}

bool RegisterController::startRefresh() {
    return start();
}

bool RegisterController::start() {
    const RegisterHooks& hooks = registerHooks(m_descriptor.id);
    if (hooks.beforeRefresh)
        hooks.beforeRefresh(*this);
    writeStatementLines();
    // Stay near where the user was, as far as the new rows allow.
    const int previous = query().currentRow();
    const auto failed = std::make_shared<bool>(false);
    DataModule* db = &m_db;
    const RegisterId id = m_descriptor.id;
    // Runs when the last row is read, which may be after this controller is gone.
    auto onEnd = [db, id, failed](bool ok, const QString& error) {
        if (!ok) {
            *failed = true;
            reportDatabaseError(error, true, registerDescriptor(id).refreshCode);
            return;
        }
        if (const RegisterHooks& hooks = registerHooks(id); hooks.afterRefresh) {
            RegisterController reg(*db, id);
            hooks.afterRefresh(reg);
        }
    };
    m_db.openInBackground(query(), params(), previous, std::move(onEnd));
    return !*failed;
}

bool RegisterController::isReading() const {
    return m_db.isReading(query());
}

bool RegisterController::finishReading() {
    return m_db.finishReading(query());
}

bool RegisterController::sortBy(const QString& field) {
    if (!m_descriptor.sortable() || m_unsortable.contains(field, Qt::CaseInsensitive))
        return false;
    for (const GridColumn& c : m_descriptor.columns)
        if (c.format == Formatter::Computed && c.field.compare(field, Qt::CaseInsensitive) == 0)
            return false;
    RegisterViewState& s = state();
    if (s.sortColumn.compare(field, Qt::CaseInsensitive) == 0)
        s.ascending = !s.ascending;
    else
        s.sortColumn = field;
    return true;
}

std::shared_ptr<const ResultSet> RegisterController::rows() const {
    return query().result();
}

bool RegisterController::isEmpty() const {
    return rowCount() == 0;
}
int RegisterController::rowCount() const {
    return query().rowCount();
}
int RegisterController::currentRow() const {
    return query().currentRow();
}

void RegisterController::setCurrentRow(int row) {
    if (row >= -1 && row < rowCount())
        query().setCurrentRow(row);
}

QVariant RegisterController::currentValue(const QString& column) const {
    return query().currentValue(column);
}

bool RegisterController::locate(const QVariantList& key) {
    const RegisterDescriptor& d = m_descriptor;
    return m_db.locateRecord(d.query, d.locateKey, d.locateKeyIsText, key, d.locateCode);
}

bool locateRegisterRow(DataModule& db, const QString& queryName, const QVariantList& key) {
    if (const RegisterDescriptor* d = registerByQuery(queryName))
        return db.locateRecord(queryName, d->locateKey, d->locateKeyIsText, key, d->locateCode);
    reportDatabaseError(QStringLiteral("Nieznane zapytanie %1").arg(queryName), true, 0);
    return false;
}

QString RegisterController::deleteStatement(engine::Params* params) const {
    const RegisterDescriptor& d = m_descriptor;
    QString first = d.deleteStatement;
    // A register kept in twin tables deletes from the one it shows now.
    first.replace(d.table, currentRegisterTable(m_db, d.id));
    if (d.deleteKeyIsText) {
        if (params)
            *params = engine::positionalParams({currentValue(d.deleteKey.first()).toString()});
        return first;
    }
    QString sql = first + u'\n' + QString::number(currentValue(d.deleteKey.first()).toLongLong());
    // A second key column narrows the row further ("AND DATA =" and the date).
    for (int k = 1; k < d.deleteKey.size(); ++k)
        sql += QStringLiteral("\nAND %1 =\n").arg(d.deleteKey.at(k)) +
               QString::number(currentValue(d.deleteKey.at(k)).toLongLong());
    return sql;
}

RegisterController::DeleteResult RegisterController::deleteCurrent(bool askFirst) {
    if (isEmpty() || currentRow() < 0)
        return DeleteResult::Nothing;
    if (askFirst) {
        // A register may name what still refers to the row instead.
        const RegisterHooks& hooks = registerHooks(m_descriptor.id);
        const QString special = hooks.deleteQuestion ? hooks.deleteQuestion(*this) : QString();
        const QString text =
            special.isEmpty() ? QStringLiteral("Czy na pewno usunąć zaznaczoną pozycję?") : special;
        if (!ui().question(QStringLiteral("Pytanie"), text, DefaultAnswer::No))
            return DeleteResult::Declined;
    }
    engine::Params params;
    const QString sql = deleteStatement(&params);
    try {
        m_db.exec(sql, params);
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, m_descriptor.deleteCode);
        return DeleteResult::Failed;
    }
    refresh();
    return DeleteResult::Deleted;
}

RegisterController::CellText RegisterController::computedCells() const {
    const auto& compute = registerHooks(m_descriptor.id).computedCell;
    if (!compute)
        return {};
    DataModule* db = &m_db;
    return [db, compute](const ResultSet& rows, int row, const GridColumn& column) {
        return compute(*db, rows, row, column);
    };
}

} // namespace kv
