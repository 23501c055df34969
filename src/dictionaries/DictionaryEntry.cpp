#include "dictionaries/DictionaryEntry.h"

#include "dictionaries/DictionaryLists.h"
#include "storage/engine/ResultSet.h"
#include "support/Numbers.h"

namespace kv {

namespace {

const QString kYes = QStringLiteral("Tak");
const QString kNo = QStringLiteral("Nie");

// A number as stored in the text column: "." as separator whatever the
// computer's locale, no trailing zeros, never an exponent (which would not
// read back as a number).
QString numberText(double value) {
    QString text = QString::number(value, 'f', 6);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == u"-0" ? QStringLiteral("0") : text;
}

} // namespace

DictionaryEntryLayout dictionaryEntryLayout(const DictionaryList& list) {
    DictionaryEntryLayout l;
    l.title = list.editTitle;
    l.label = list.fieldLabel;
    l.vatBox = list.second == SecondValue::VatFlag;
    l.lengthField = list.second == SecondValue::RouteLength;
    l.percentUnit = list.code == kVatRatesCode;
    return l;
}

DictionaryEntryValues newDictionaryEntry() {
    return {};
}

DictionaryEntryValues dictionaryEntryFromRow(const DictionaryList& list, const ResultSet& rows,
                                             int row) {
    DictionaryEntryValues v;
    v.text = rows.text(row, QStringLiteral("OPIS"));
    const QString second = rows.text(row, QStringLiteral("UZUP1"));
    v.second = list.second == SecondValue::RouteLength ? routeLengthForDisplay(second) : second;
    v.bookVat = second == kYes;
    return v;
}

QString routeLengthForDisplay(const QString& stored) {
    const std::optional<double> n = parseNumber(stored);
    if (!n)
        return stored;
    return numberText(*n).replace(u'.', decimalSeparator());
}

FormCheck checkDictionaryEntry(const DictionaryList& list, DictionaryEntryValues& v) {
    if (v.text.trimmed().isEmpty())
        return FormCheck::fail(kEntryTextField, QStringLiteral("Nie wypełniono pola."));
    if (list.code == kVatRatesCode) {
        // A rate is a whole percentage; a sign or a fraction is no rate.
        const QString typed = v.text.trimmed();
        const std::optional<qint64> rate = parseInteger(typed);
        if (!rate || !typed.front().isDigit())
            return FormCheck::fail(kEntryTextField, QStringLiteral("Niewłaściwa stawka VAT."));
        v.text = QString::number(*rate);
    }
    if (list.second == SecondValue::RouteLength && !v.second.trimmed().isEmpty()) {
        // A route cannot be shorter than nothing.
        const std::optional<double> length = parseNumber(v.second);
        if (!length || *length < 0)
            return FormCheck::fail(kEntryLengthField,
                                   QStringLiteral("Niepoprawna wartość długości trasy."), true);
        v.second = routeLengthForDisplay(numberText(*length));
    }
    return FormCheck::pass();
}

QStringList dictionaryEntryParams(const DictionaryList& list, const DictionaryEntryValues& v) {
    QString second = v.second.trimmed();
    if (list.second == SecondValue::VatFlag) {
        second = v.bookVat ? kYes : kNo;
    } else if (list.second == SecondValue::RouteLength) {
        if (const std::optional<double> length = parseNumber(second))
            second = numberText(*length);
    }
    return {list.code, v.text.trimmed(), second, QString()};
}

} // namespace kv
