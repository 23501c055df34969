#pragma once

#include "framework/FieldTable.h"
#include "support/FormCheck.h"

#include <QString>

namespace kv {

// The warehouse window's content ("Magazyn zasobów"): one resource and its
// stock, independent of the window.
struct WarehouseFormValues {
    QString czesc;      // the resource's name
    QString ilosc;      // quantity in stock, as typed
    QString przypomnij; // remind at this level (0: never)
    QString uwagi;

    bool operator==(const WarehouseFormValues&) const = default;
};

// magazyn.DB's columns in the insert's order: quantity and level into slots
// as numbers, name and remarks bound as :PARAM0 and :PARAM1.
const FieldTable<WarehouseFormValues>& warehouseFields();

// A new resource: empty texts, quantity and level 0 with two decimals.
WarehouseFormValues newWarehouseDefaults();

// The checks of "&Zapisz": a name that is not blank, the quantity and the
// level rewritten with two decimals (text that is no number: 0), and a
// quantity that is not negative (a stock level cannot go below nothing;
// levels stored earlier are left as they are).
FormCheck checkWarehouseForm(WarehouseFormValues& values);

} // namespace kv
