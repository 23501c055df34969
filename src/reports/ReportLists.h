#pragma once

#include "framework/FormView.h"

#include <QList>
#include <QStringList>

namespace kv {

class DataModule;

// The lists of the report options: drivers (NREW, the name), fuel cards
// (IDKARTY), road cards (IDDROGOWA, NRKARTY), cost centres and fuel kinds
// (dictionary KOD, OPIS). A list that cannot be read is empty.
struct ReportLists {
    QList<KeyedItem> drivers;
    QList<KeyedItem> fuelCards;
    QList<KeyedItem> roadCards;
    QList<KeyedItem> costCentres;
    QList<KeyedItem> fuelKinds;
};

ReportLists loadReportLists(DataModule& db);

// The order numbers offered for "Drukuj wskazane zlecenie": those of the
// chosen vehicle (all without one), in order.
QStringList loadOrderNumbers(DataModule& db);

} // namespace kv
