#include "dictionaries/RateForm.h"

#include "dictionaries/RateQueries.h"
#include "storage/engine/ResultSet.h"
#include "support/DateNumbers.h"
#include "support/Numbers.h"

namespace kv {

namespace {
constexpr int kRateDecimals = 4;
} // namespace

const QStringList& rateFieldNames() {
    static const QStringList names = [] {
        QStringList n{QStringLiteral("FLW900"), QStringLiteral("FGT900"),
                      QStringLiteral("FMotocykl"), QStringLiteral("FMotorower")};
        for (int k = 5; k <= 20; ++k)
            n.append(QStringLiteral("rodz%1").arg(k));
        return n;
    }();
    return names;
}

RateFormValues newRateDefaults() {
    RateFormValues v;
    v.rates = QStringList(kRateColumnCount, QString());
    return v;
}

RateFormValues rateFormFromRecord(const ResultSet& rows, int row) {
    RateFormValues v;
    v.validFrom = dateNumberToText(rows.value(row, QStringLiteral("DATAOD")).toLongLong(), true);
    for (const QString& c : rateColumns())
        v.rates.append(formatNumber(rows.value(row, c).toDouble(), kRateDecimals));
    return v;
}

FormCheck checkRateForm(RateFormValues& v, const QStringList& labels) {
    // A saved date is counted with (the trips pick their rate by it), so a
    // day the calendar does not have is refused as well.
    if (!isCalendarDateText(v.validFrom))
        return FormCheck::fail(kRateDateField,
                               QStringLiteral("Niepoprawny format daty. Popraw pole."), true);
    v.rates.resize(kRateColumnCount);
    for (QString& rate : v.rates)
        if (rate.trimmed().isEmpty())
            rate = QStringLiteral("0");
    const QString prefix = QStringLiteral("Niepoprawna wartość stawki dla ");
    const QStringList fixed{prefix + QStringLiteral("pojazdów poniżej 900 cm3"),
                            prefix + QStringLiteral("pojazdów powyżej 900 cm3"),
                            prefix + QStringLiteral("Motocykli."),
                            prefix + QStringLiteral("Motorowerów.")};
    for (int i = 0; i < kRateColumnCount; ++i) {
        const std::optional<double> rate = parseNumber(v.rates.at(i));
        if (!rate)
            return FormCheck::fail(rateFieldNames().at(i),
                                   i < fixed.size() ? fixed.at(i) : prefix + labels.value(i), true);
        v.rates[i] = formatNumber(*rate, kRateDecimals);
    }
    return FormCheck::pass();
}

int rateFormDate(const RateFormValues& v) {
    return textToDateNumber(v.validFrom, true);
}

QHash<QString, QString> rateSlotValues(const RateFormValues& v) {
    QHash<QString, QString> s;
    s.insert(QStringLiteral("DATAOD"), QString::number(rateFormDate(v)));
    for (int i = 0; i < kRateColumnCount; ++i)
        s.insert(rateColumns().at(i), numberForSql(v.rates.value(i)));
    return s;
}

} // namespace kv
