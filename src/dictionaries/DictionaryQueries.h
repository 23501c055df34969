#pragma once

#include <QString>

namespace kv {

class DataModule;

// Names of the dictionary window's statements in the data module.
inline const QString kDictionaryListQuery = QStringLiteral("DBFSlowniki");
inline const QString kDictionaryInsertQuery = QStringLiteral("DBFInsertSlowniki");
inline const QString kDictionaryUpdateQuery = QStringLiteral("DBFUpdateSlowniki");
inline const QString kDictionaryDeleteQuery = QStringLiteral("DBFDeleteSlowniki");
inline const QString kVehicleKindsQuery = QStringLiteral("DBFRodzajePojazdow");
inline const QString kFixedKindUpdateQuery = QStringLiteral("DBFUpdateRodzajStaly");
inline const QString kFurtherKindUpdateQuery = QStringLiteral("DBFUpdateRodzajDalszy");

// Lines of the list statement the window rewrites: the ordering, and the key
// slots of the update and delete statements.
constexpr int kDictionaryOrderLine = 7;
constexpr int kDictionaryUpdateKeyLine = 6;
constexpr int kDictionaryDeleteKeyLine = 1;

// The ordering of a list: by text in Polish alphabetical order ("Łowicz"
// before "Zgierz"), and the VAT rates by their value, highest first (as text
// "8" would come before "23").
QString dictionaryOrder(const QString& code);

// The statements of the dictionary window and of the allowance rate register.
void registerDictionaryQueries(DataModule& db);

// Puts the dictionary list's cursor on the entry with the code; without it the
// cursor ends on the last entry and the answer is false (failure: code 31).
bool locateDictionaryEntry(DataModule& db, qint64 kod);

} // namespace kv
