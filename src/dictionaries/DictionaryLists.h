#pragma once

#include <QList>
#include <QString>

namespace kv {

// What the second value (UZUP1) of a list's entries means.
enum class SecondValue {
    None,
    VatFlag,     // "Tak" / "Nie": whether the VAT of this expense kind is booked
    RouteLength, // the route's length in km, a number text
    RateColumn,  // vehicle kinds: the allowance rate column 5..20
};

// One list of the dictionary table as the dictionary window offers it.
struct DictionaryList {
    int position;      // in the list selector CBSlownik
    QString name;      // as the selector shows it
    QString code;      // IDSLOWNIK
    QString gridTitle; // title of the entry text's column
    SecondValue second;
    QString editTitle;  // caption of the entry window
    QString fieldLabel; // label of the entry text in that window

    bool isVehicleKinds() const { return second == SecondValue::RateColumn; }
};

inline const QString kVehicleKindsCode = QStringLiteral("RDPOJ");
inline const QString kVatRatesCode = QStringLiteral("STVAT");
inline const QString kExpenseKindsCode = QStringLiteral("RDWYD");
inline const QString kRoutesCode = QStringLiteral("TRASY");

// The 18 lists in the order of the selector.
const QList<DictionaryList>& dictionaryLists();
// By list code; null for a list the window has no page for (RDPLA, CZESC).
const DictionaryList* dictionaryByCode(const QString& code);
// The selector position of a list code, -1 when the window has no page for it.
int dictionaryPosition(const QString& code);

} // namespace kv
