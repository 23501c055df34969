#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

namespace kv {

// An entry of a list keyed by a dictionary code, an id or an employee number.
struct KeyedItem {
    QString key;
    QString text;
    // What choosing the entry brings along, where a window uses it (the
    // vehicle's own driver, a route's length); empty otherwise.
    QString extra = {};
    bool operator==(const KeyedItem&) const = default;
};

// What an edit window is told besides the values it shows.
struct FormSetup {
    bool adding = true;
    // The window is the second of a hand-over: it offers no hand-over of its
    // own (a purchase handed on from a cost is not handed back to the costs).
    bool secondWindow = false;
    // The window's own hand-over box may be ticked (the user holds the
    // target's write permission); see offersHandOver.
    bool handOverOffered = false;
    // Columns shown but not open to change (an employee's number, say).
    QSet<QString> lockedColumns;
    // The entries of the list fields, by column.
    QHash<QString, QList<KeyedItem>> lists;
    // Labels named at run time, by column.
    QHash<QString, QString> labels;

    bool editable(const QString& column) const { return !lockedColumns.contains(column); }
};

// An edit window as the add and edit cycle sees it: one interface for every
// register, over the register's values.
template <class V> class FormView {
public:
    virtual ~FormView() = default;
    virtual void load(const V& values, const FormSetup& setup) = 0;
    virtual V values() const = 0;
    // Shows the window; true when "&Zapisz" passed the window's checks.
    virtual bool confirm() = 0;
};

} // namespace kv
