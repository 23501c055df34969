#include "dictionaries/RateForm.h"

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

const QStringList& rateColumns() {
    static const QStringList columns = [] {
        QStringList c{QStringLiteral("LW900"), QStringLiteral("GT900"), QStringLiteral("MOTOCYKL"),
                      QStringLiteral("MOTOROWER")};
        for (int n = 5; n <= 20; ++n)
            c.append(QStringLiteral("RDPOJ%1").arg(n));
        return c;
    }();
    return columns;
}

const FieldTable<RateFormValues>& rateFields() {
    using V = RateFormValues;
    static const FieldTable<V> table = [] {
        auto date = field("DATAOD", &V::validFrom, FieldKind::Date);
        date.widget = kRateDateField;
        QList<Field<V>> fields{date};
        for (int i = 0; i < kRateColumnCount; ++i) {
            Field<V> f;
            f.column = rateColumns().at(i);
            f.kind = FieldKind::Rate;
            f.get = [i](const V& v) { return v.rates.value(i); };
            f.set = [i](V& v, const QString& text) {
                v.rates.resize(kRateColumnCount);
                v.rates[i] = text;
            };
            f.widget = rateFieldNames().at(i);
            fields.append(f);
        }
        return FieldTable<V>(QStringLiteral("stawki.DB"), fields);
    }();
    return table;
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

} // namespace kv
