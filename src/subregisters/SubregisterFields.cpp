#include "subregisters/SubregisterFields.h"

#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/DateNumbers.h"
#include "support/Decimal.h"

namespace kv {

namespace {

// Reads the rows one by one into the list, so a failure keeps what came.
void readDictionary(DataModule& db, const QString& code, bool byKey, QList<KeyedItem>& out) {
    const ResultSet rows = db.select(QStringLiteral("SELECT KOD, OPIS FROM slowniki.DB WHERE "
                                                    "IDSLOWNIK = :C ORDER BY OPIS COLLATE PL, KOD"),
                                     {{QStringLiteral("C"), code}});
    for (int i = 0; i < rows.rowCount(); ++i) {
        const QString text = rows.value(i, 1).toString();
        out.append({byKey ? QString::number(rows.value(i, 0).toLongLong()) : text, text});
    }
}

} // namespace

QString readingWithTwoDecimals(const QString& typed) {
    const std::optional<Decimal> d = Decimal::parse(typed);
    return formatDecimal(d ? *d : Decimal(), 2);
}

bool isBlankOrCalendarDate(const QString& text) {
    return isBlankDateText(text) || isCalendarDateText(text);
}

QList<KeyedItem> loadDictionaryTexts(DataModule& db, const QString& code) {
    QList<KeyedItem> out;
    try {
        readDictionary(db, code, false, out);
    } catch (const DatabaseError&) {
        // A list that takes typing is still usable without its entries.
    }
    return out;
}

QList<KeyedItem> loadDictionaryCodes(DataModule& db, const QString& code, qint64 errorCode) {
    QList<KeyedItem> out;
    try {
        readDictionary(db, code, true, out);
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, errorCode);
    }
    return out;
}

} // namespace kv
