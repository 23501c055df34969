#pragma once

#include "framework/FieldTable.h"
#include "support/FormCheck.h"

#include <QString>
#include <QStringList>

namespace kv {

// The rate columns of stawki.DB after DATAOD, in column order: LW900, GT900,
// MOTOCYKL, MOTOROWER, RDPOJ5 .. RDPOJ20.
constexpr int kRateColumnCount = 20;
const QStringList& rateColumns();

// The rates window's content as texts, independent of the window.
struct RateFormValues {
    QString validFrom; // "Od kiedy obowiązują stawki", a date text
    QStringList rates; // twenty texts in the column order of rateColumns()

    bool operator==(const RateFormValues&) const = default;
};

// Object names of the window's fields: FDataOd, then FLW900, FGT900,
// FMotocykl, FMotorower and rodz5 .. rodz20 in the rates' order.
inline const QString kRateDateField = QStringLiteral("FDataOd");
const QStringList& rateFieldNames();

// A new row: no date, every rate empty.
RateFormValues newRateDefaults();
// The row as the window holds it: the date as text, the rates with four
// decimals.
const FieldTable<RateFormValues>& rateFields();

// The checks of "&Zapisz" in their order: the date, then each rate (blank
// becomes "0", a number is rewritten with four decimals). labels are the
// twenty field labels, which name the further kinds in their messages.
FormCheck checkRateForm(RateFormValues& values, const QStringList& labels);

// The date number of the confirmed date.
int rateFormDate(const RateFormValues& values);

} // namespace kv
