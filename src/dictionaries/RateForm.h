#pragma once

#include "support/FormCheck.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace kv {

class ResultSet;

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
// A row of the register: the date as text, the rates with four decimals.
RateFormValues rateFormFromRecord(const ResultSet& rows, int row);

// The checks of "&Zapisz" in their order: the date, then each rate (blank
// becomes "0", a number is rewritten with four decimals). labels are the
// twenty field labels, which name the further kinds in their messages.
FormCheck checkRateForm(RateFormValues& values, const QStringList& labels);

// The date number of the confirmed date.
int rateFormDate(const RateFormValues& values);
// Slot values of the insert or update (DATAOD and the twenty rates as
// statement numbers).
QHash<QString, QString> rateSlotValues(const RateFormValues& values);

} // namespace kv
