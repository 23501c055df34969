#include "deadlines/ReminderNotes.h"

#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/DateNumbers.h"

namespace kv {

namespace {

constexpr qint64 kLoadCode = 23;
constexpr qint64 kSaveCode = 22;

} // namespace

void ReminderNotes::clear() {
    m_slots.fill(ReminderNote{});
    m_loaded = false;
}

bool ReminderNotes::load(DataModule& db) {
    clear();
    try {
        const ResultSet r = db.select(
            QStringLiteral("SELECT * FROM notatki.DB WHERE IDNOTATKI < 40 ORDER BY IDNOTATKI"));
        for (int i = 0; i < r.rowCount() && i < kSlots; ++i) {
            ReminderNote& n = m_slots.at(static_cast<size_t>(i));
            n.date = r.text(i, QStringLiteral("DATA")).left(10);
            n.text = r.text(i, QStringLiteral("OPIS")).left(255);
            n.reserved = r.text(i, QStringLiteral("RESERVED")).left(10);
        }
    } catch (const DatabaseError& e) {
        clear();
        reportDatabaseError(e.message(), true, kLoadCode);
        return false;
    }
    m_loaded = true;
    return true;
}

bool ReminderNotes::save(DataModule& db) {
    if (!m_loaded)
        return false;
    engine::Connection& c = db.companyConnection();
    try {
        c.beginWrite({QStringLiteral("notatki")});
        db.exec(QStringLiteral("DELETE FROM notatki.DB WHERE IDNOTATKI < 40"));
        for (int n = 1; n <= kSlots; ++n) {
            const ReminderNote& note = slot(n);
            db.exec(QStringLiteral("INSERT INTO notatki.DB (IDNOTATKI, DATA, OPIS, RESERVED) "
                                   "VALUES (%1, :PARAM0, :PARAM1, :PARAM2)")
                        .arg(n),
                    engine::positionalParams({note.date, note.text, note.reserved}));
        }
        c.commit();
    } catch (const DatabaseError& e) {
        c.rollback();
        reportDatabaseError(e.message(), true, kSaveCode);
        return false;
    }
    return true;
}

QList<int> ReminderNotes::dueSlots(const QDate& today) const {
    QList<int> out;
    for (int n = 1; n <= kSlots; ++n)
        if (isNoteDue(slot(n), today))
            out << n;
    return out;
}

bool isNoteDue(const ReminderNote& note, const QDate& today) {
    if (note.text.trimmed().isEmpty())
        return false;
    return textToDateNumber(note.date, true) <= dateToDateNumber(today);
}

ReminderNote storedNote(const QString& dateField, const QString& text, const QString& reserved) {
    if (text.trimmed().isEmpty())
        return {QString(), QString(), reserved};
    return {isValidDateText(dateField) ? dateField : QString(), text, reserved};
}

ReminderNotes& reminderNotes() {
    static ReminderNotes notes;
    return notes;
}

} // namespace kv
