#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <array>

namespace kv {

class DataModule;

// The thirty reminder notes of the logged-in company (notatki.DB), numbered
// 1 to 30. A note is due from its date on; one with text and no valid date
// is due at every start.
struct ReminderNote {
    QString date; // exactly as the date field shows it ("dd.mm.yyyy"), or empty
    QString text; // empty: the slot holds no note
    QString reserved;
    bool operator==(const ReminderNote&) const = default;
};

class ReminderNotes {
public:
    static constexpr int kSlots = 30;

    // Slot 1..30.
    ReminderNote& slot(int number) { return m_slots.at(static_cast<size_t>(number - 1)); }
    const ReminderNote& slot(int number) const {
        return m_slots.at(static_cast<size_t>(number - 1));
    }
    void clear();

    // Fills the slots from the table: the k-th row (by IDNOTATKI below 40)
    // fills slot k whatever its own number, the slots after the last row are
    // emptied. A failure is reported (code 23) and leaves every slot empty.
    bool load(DataModule& db);
    // Writes the 30 slots as the rows 1 to 30 in one transaction. A failure
    // is reported (code 22) and leaves the table as it was. Nothing is
    // written until a load has succeeded: slots never read would overwrite
    // notes nobody has seen.
    bool save(DataModule& db);
    bool loaded() const { return m_loaded; }

    // Slot numbers of the notes due on `today`, in order.
    QList<int> dueSlots(const QDate& today) const;

private:
    std::array<ReminderNote, kSlots> m_slots;
    bool m_loaded = false;
};

// A note is due when its trimmed text is not empty and its date, read as a
// date number with 0 for anything not a date, is not after today.
bool isNoteDue(const ReminderNote& note, const QDate& today);

// What the notes window stores when it leaves a note: a note of blanks is
// emptied with its date; a date that is not a date is dropped.
ReminderNote storedNote(const QString& dateField, const QString& text, const QString& reserved);

// The notes of the running program's company (emptied at every login).
ReminderNotes& reminderNotes();

} // namespace kv
