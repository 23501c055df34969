#pragma once

#include "dictionaries/DictionaryEntry.h"
#include "dictionaries/DictionaryLists.h"
#include "dictionaries/VehicleKindNames.h"

#include <memory>
#include <optional>

namespace kv {

class Query;
class ResultSet;
class DataModule;

// The entry window as the dictionary window's commands see it.
class DictionaryEntryView {
public:
    virtual ~DictionaryEntryView() = default;
    virtual void load(const DictionaryEntryLayout& layout, const DictionaryEntryValues& values) = 0;
    // The values as confirmed (after the checks rewrote them).
    virtual DictionaryEntryValues values() const = 0;
    // Shows the window; true when "&Zapisz" passed the checks.
    virtual bool confirm() = 0;
};

// What the dictionary window does, without the window: the list on show, its
// rows and cursor, adding, changing and deleting entries, and renaming the
// vehicle kinds. Failures are reported with the codes of their place and leave
// the rows as they were.
class DictionaryBook {
public:
    explicit DictionaryBook(DataModule& db);

    // The user's right to change the dictionaries: without it the commands
    // (and renaming the vehicle kinds) do nothing.
    void setChangesAllowed(bool allowed) { m_changesAllowed = allowed; }
    bool changesAllowed() const { return m_changesAllowed; }

    // Chooses a list by its selector position and reads its entries (code
    // 36). The vehicle kinds have a page of their own and read nothing here.
    bool showList(int position);
    int position() const { return m_position; }
    const DictionaryList& list() const;
    bool onKindsPage() const { return list().isVehicleKinds(); }
    // Add, edit, copy and delete are offered: the right is held and the list
    // has entries to command.
    bool commandsEnabled() const { return m_changesAllowed && !onKindsPage(); }

    Query& query() const;
    std::shared_ptr<const ResultSet> rows() const;
    int rowCount() const;
    int currentRow() const;
    void setCurrentRow(int row);

    // Add: the window starts empty, or with copy from the current entry. The
    // saved entry becomes the current one. True when something was saved.
    bool add(DictionaryEntryView& view, bool copy);
    bool edit(DictionaryEntryView& view);
    // Asks first when askFirst is set. Records that refer to the entry keep
    // its number.
    bool remove(bool askFirst);

    // The vehicle kinds page (read: code 3100; saved after the question:
    // code 3101).
    std::optional<VehicleKindNames> loadKinds();
    bool saveKinds(const VehicleKindNames& names);

private:
    bool hasCurrent() const;
    bool rerun(qint64 locateKod, bool keepRow = true);

    DataModule& m_db;
    int m_position = 0;
    bool m_changesAllowed = false;
};

} // namespace kv
