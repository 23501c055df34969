#pragma once

#include "framework/FormView.h"

#include <QList>

namespace kv {

class DataModule;

// What the chart tabs' selectors offer, read again whenever the charts
// section opens: the fuel kinds (dictionary "RDPAL": the code as key), the
// vehicles (the id as key, the registration number as text) and the expense
// kinds (the text as key). A list that cannot be read stays empty.
struct ChartLists {
    QList<KeyedItem> fuelKinds;
    QList<KeyedItem> vehicles;
    QList<KeyedItem> expenseKinds;
};
ChartLists loadChartLists(DataModule& db);

// The years of the year lists: the options filtrRokOd to filtrRokDo, none
// when the range is reversed; and the index the current year takes (the
// year less filtrRokOd, 0 when that falls outside the list).
QList<int> chartYears(int from, int to);
int chartYearIndex(const QList<int>& years, int currentYear);

} // namespace kv
