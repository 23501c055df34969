#pragma once

#include "framework/FormView.h"

#include <QHash>
#include <QList>
#include <QString>

namespace kv {

class DataModule;

// What the repair, damage and tyre windows offer in their lists, by column,
// and their VAT rate list (kVatRateList, highest first, a calculator).
inline const QString kVatRateList = QStringLiteral("stawkaVAT");
inline const QString kRepairKindsCode = QStringLiteral("RDNAP");
inline const QString kTyreKindsCode = QStringLiteral("RODOP");
inline const QString kTyreSizesCode = QStringLiteral("ROZOP");

// Vehicles (IDPOJAZD, each with its driver), drivers (IDKIEROWCY), the VAT
// rates and the repair kinds (OPIS, texts that typing may leave).
QHash<QString, QList<KeyedItem>> repairLists(DataModule& db);
// The same without the repair kinds.
QHash<QString, QList<KeyedItem>> damageLists(DataModule& db);
// Vehicles (IDPOJAZDU), tyre kinds (RODZAJ), sizes (ROZMIAR), VAT rates.
QHash<QString, QList<KeyedItem>> tyreLists(DataModule& db);
// The repair kinds alone, read again after the dictionary window.
QList<KeyedItem> loadRepairKinds(DataModule& db);

// Whether the user may hand a record on to the costs (write permission 6).
bool mayAddCosts();

} // namespace kv
