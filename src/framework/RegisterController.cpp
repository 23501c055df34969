#include "framework/RegisterController.h"

#include "framework/RegisterViewState.h"
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
    return m_db.viewState(m_descriptor.id);
}

void RegisterController::writeStatementLines() {
    Query& q = query();
    const RegisterViewState& s = state();
    const RegisterDescriptor& d = m_descriptor;
    if (d.vehicleLine >= 0)
        q.setLine(d.vehicleLine,
                  d.vehicleFilter == VehicleFilter::None ? QString() : s.vehicleFragment);
    if (d.periodLine >= 0)
        q.setLine(d.periodLine, s.periodFragment);
    for (int i = 0; i < d.extraLines.size(); ++i)
        q.setLine(d.extraLines.at(i), s.extraFragments.value(i));
    if (d.sortLine >= 0) {
        const QString direction = s.ascending ? QStringLiteral("ASC") : QStringLiteral("DESC");
        if (d.id == RegisterId::Trips && s.sortColumn == u"DATA") {
            // Trips of one day follow the private-use odometer start.
            q.setLine(d.sortLine, QStringLiteral("DATA ") + direction);
            q.setLine(d.directionLine, QStringLiteral(",PRYWLICZOD ") + direction);
        } else {
            // Texts sort in Polish alphabetical order; numbers are not affected.
            q.setLine(d.sortLine, s.sortColumn + QStringLiteral(" COLLATE PL"));
            q.setLine(d.directionLine, direction);
        }
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
    if (beforeRefresh)
        beforeRefresh();
    writeStatementLines();
    const int previous = query().currentRow();
    try {
        m_db.open(query(), {}, params());
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, m_descriptor.refreshCode);
        return false;
    }
    // Stay near where the user was, as far as the new rows allow.
    if (previous >= 0 && rowCount() > 0)
        setCurrentRow(std::min(previous, rowCount() - 1));
    if (afterRefresh)
        afterRefresh();
    return true;
}

bool RegisterController::sortBy(const QString& field) {
    if (!m_descriptor.sortable() || m_unsortable.contains(field, Qt::CaseInsensitive))
        return false;
    RegisterViewState& s = state();
    if (s.sortColumn.compare(field, Qt::CaseInsensitive) == 0)
        s.ascending = !s.ascending;
    else
        s.sortColumn = field;
    return true;
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
    return m_db.locateRecord(m_descriptor.query, key);
}

QString RegisterController::deleteStatement(engine::Params* params) const {
    const RegisterDescriptor& d = m_descriptor;
    if (d.deleteKeyIsText) {
        if (params)
            *params = engine::positionalParams({currentValue(d.deleteKey.first()).toString()});
        return d.deleteStatement;
    }
    if (d.deleteKey.size() == 2) {
        // Refuelling rows: the vehicle id, then the date. The table follows
        // the fuel (petrol or LPG) the register shows now.
        QString first = d.deleteStatement;
        if (m_db.lpgTablesActive())
            first.replace(d.table, d.table.left(d.table.size() - 3) + QStringLiteral("lpg.DB"));
        return first + u'\n' + QString::number(currentValue(d.deleteKey.at(0)).toLongLong()) +
               QStringLiteral("\nAND DATA =\n") +
               QString::number(currentValue(d.deleteKey.at(1)).toLongLong());
    }
    return d.deleteStatement + u'\n' +
           QString::number(currentValue(d.deleteKey.first()).toLongLong());
}

RegisterController::DeleteResult RegisterController::deleteCurrent(bool askFirst) {
    if (isEmpty() || currentRow() < 0)
        return DeleteResult::Nothing;
    if (askFirst && !ui().question(QStringLiteral("Pytanie"),
                                   QStringLiteral("Czy na pewno usunąć zaznaczoną pozycję?"),
                                   DefaultAnswer::No))
        return DeleteResult::Declined;
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

} // namespace kv
