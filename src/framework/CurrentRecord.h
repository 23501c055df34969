#pragma once

#include "framework/RecordCard.h"
#include "framework/RegisterEditing.h"

#include <optional>

namespace kv {

// The register's current record as its edit window is filled with it: the
// values and what the window is told (lists, labels), with no field locked.
// "Podgląd" fills the window from it and "Drukuj" prints the card from it, so
// the card shows what the window shows. Nothing for an empty register.
template <class V> struct CurrentForm {
    V values;
    FormSetup setup;
};

template <class V>
std::optional<CurrentForm<V>> currentRecordForm(RegisterController& reg,
                                                const RegisterEditing<V>& e) {
    if (reg.isEmpty() || reg.currentRow() < 0 || !reg.rows())
        return std::nullopt;
    FormSetup setup = e.setup ? e.setup(false) : FormSetup{};
    setup.lockedColumns.clear(); // every field read-only alike
    const V defaults = e.defaults ? e.defaults() : V{};
    return CurrentForm<V>{e.fields->fromRecord(*reg.rows(), reg.currentRow(), defaults), setup};
}

// The grid's text of a column of the current record (computed columns
// through the register's hook).
QString currentGridText(RegisterController& reg, const QString& column);

// The card of the current record; nothing for an empty register or a
// register without a card.
template <class V>
std::optional<RecordCardText> currentRecordCard(RegisterController& reg,
                                                const RegisterEditing<V>& e) {
    if (!e.card)
        return std::nullopt;
    const std::optional<CurrentForm<V>> form = currentRecordForm(reg, e);
    if (!form)
        return std::nullopt;
    RegisterController* r = &reg;
    return buildRecordCard(*e.card, *e.fields, form->values, form->setup,
                           [r](const QString& column) { return currentGridText(*r, column); });
}

} // namespace kv
