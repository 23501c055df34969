#include "dictionaries/DictionaryBook.h"

#include "dictionaries/DictionaryQueries.h"
#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/UserInterface.h"

#include <algorithm>

namespace kv {

namespace {
constexpr int kListCode = 36;
constexpr int kInsertCode = 50;
constexpr int kDeleteCode = 51;
constexpr int kUpdateCode = 52;
constexpr int kKindsReadCode = 3100;
constexpr int kKindsWriteCode = 3101;
} // namespace

DictionaryBook::DictionaryBook(DataModule& db) : m_db(db) {}

const DictionaryList& DictionaryBook::list() const {
    return dictionaryLists().at(m_position);
}

Query& DictionaryBook::query() const {
    return m_db.query(kDictionaryListQuery);
}

std::shared_ptr<const ResultSet> DictionaryBook::rows() const {
    return query().result();
}

int DictionaryBook::rowCount() const {
    return query().rowCount();
}

int DictionaryBook::currentRow() const {
    return query().currentRow();
}

void DictionaryBook::setCurrentRow(int row) {
    if (row >= -1 && row < rowCount())
        query().setCurrentRow(row);
}

bool DictionaryBook::hasCurrent() const {
    return rowCount() > 0 && currentRow() >= 0;
}

bool DictionaryBook::showList(int position) {
    if (position < 0 || position >= dictionaryLists().size())
        position = 0;
    const bool otherList = position != m_position;
    m_position = position;
    if (onKindsPage())
        return true;
    if (rerun(-1, !otherList))
        return true;
    // The rows of another list must not stay behind the commands of this one.
    if (otherList)
        query().close();
    return false;
}

// Reads the list again; the cursor goes to the entry with the number, or
// stays near where it was (on the first entry of a list just chosen).
bool DictionaryBook::rerun(qint64 locateKod, bool keepRow) {
    Query& q = query();
    const int previous = keepRow ? q.currentRow() : -1;
    q.setLine(kDictionaryOrderLine, dictionaryOrder(list().code));
    try {
        m_db.open(q, {list().code});
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kListCode);
        return false;
    }
    if (locateKod >= 0)
        locateDictionaryEntry(m_db, locateKod);
    else if (previous >= 0 && rowCount() > 0)
        setCurrentRow(std::min(previous, rowCount() - 1));
    return true;
}

bool DictionaryBook::add(DictionaryEntryView& view, bool copy) {
    if (!commandsEnabled())
        return false;
    const DictionaryList& l = list();
    view.load(dictionaryEntryLayout(l), copy && hasCurrent()
                                            ? dictionaryEntryFromRow(l, *rows(), currentRow())
                                            : newDictionaryEntry());
    if (!view.confirm())
        return false;
    engine::Connection& c = m_db.companyConnection();
    qint64 kod = -1;
    try {
        // The new number is read under the same write lock, so another
        // program's entry cannot come between.
        c.beginWrite({QStringLiteral("slowniki")});
        m_db.execute(m_db.query(kDictionaryInsertQuery), dictionaryEntryParams(l, view.values()));
        const ResultSet r = m_db.select(QStringLiteral("SELECT MAX(KOD) AS ID FROM SLOWNIKI"));
        kod = r.isEmpty() ? -1 : r.value(0, 0).toLongLong();
        c.commit();
    } catch (const DatabaseError& e) {
        c.rollback();
        reportDatabaseError(e.message(), true, kInsertCode);
        return false;
    }
    rerun(kod);
    return true;
}

bool DictionaryBook::edit(DictionaryEntryView& view) {
    if (!commandsEnabled() || !hasCurrent())
        return false;
    const DictionaryList& l = list();
    const qint64 kod = query().currentValue(QStringLiteral("KOD")).toLongLong();
    view.load(dictionaryEntryLayout(l), dictionaryEntryFromRow(l, *rows(), currentRow()));
    if (!view.confirm())
        return false;
    Query& update = m_db.query(kDictionaryUpdateQuery);
    update.setLine(kDictionaryUpdateKeyLine, QString::number(kod));
    try {
        m_db.execute(update, dictionaryEntryParams(l, view.values()));
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kUpdateCode);
        return false;
    }
    rerun(kod);
    return true;
}

bool DictionaryBook::remove(bool askFirst) {
    if (!commandsEnabled() || !hasCurrent())
        return false;
    if (askFirst && !ui().question(QStringLiteral("Pytanie"),
                                   QStringLiteral("Czy na pewno usunąć zaznaczoną pozycję?"),
                                   DefaultAnswer::No))
        return false;
    Query& del = m_db.query(kDictionaryDeleteQuery);
    del.setLine(kDictionaryDeleteKeyLine,
                QString::number(query().currentValue(QStringLiteral("KOD")).toLongLong()));
    try {
        m_db.execute(del);
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kDeleteCode);
        return false;
    }
    rerun(-1);
    return true;
}

std::optional<VehicleKindNames> DictionaryBook::loadKinds() {
    try {
        return readVehicleKindNames(m_db);
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kKindsReadCode);
        return std::nullopt;
    }
}

bool DictionaryBook::saveKinds(const VehicleKindNames& names) {
    if (!m_changesAllowed)
        return false;
    if (!ui().question(QStringLiteral("Pytanie"),
                       QStringLiteral("Czy na pewno zapamiętać zmiany?")))
        return false;
    try {
        writeVehicleKindNames(m_db, names);
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kKindsWriteCode);
        return false;
    }
    return true;
}

} // namespace kv
