#include "trips/TripMonthCopy.h"

#include "framework/RegisterEditing.h"
#include "storage/ChangeTemplate.h"
#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/Decimal.h"
#include "support/Numbers.h"
#include "trips/TripForm.h"

#include <QDate>

namespace kv {

namespace {

// Reported when the trips of the month cannot be read or written.
constexpr qint64 kMonthCopyCode = 4210;

QString twoDecimals(const QVariant& stored) {
    return formatDecimal(Decimal::fromStored(stored).value_or(Decimal()), 2);
}

} // namespace

int daysInMonth(YearMonth m) {
    return QDate(m.year, m.month, 1).daysInMonth();
}

int copiedTripDate(int sourceDate, YearMonth target, LastDayRule rule) {
    const int last = daysInMonth(target);
    int day = sourceDate % 100;
    if (day > last) {
        if (rule == LastDayRule::Skip)
            return 0;
        day = last;
    }
    return target.year * 10000 + target.month * 100 + day;
}

TripMonthCopyResult copyTripMonth(DataModule& db, YearMonth from, YearMonth to, LastDayRule rule,
                                  bool dryRun) {
    TripMonthCopyResult result;
    const int base = from.year * 10000 + from.month * 100;
    ResultSet rows;
    try {
        // Read whole before the first insert: a month copied onto itself
        // doubles once and never meets its own copies.
        rows = db.select(
            QStringLiteral("SELECT P.DATA, P.IDPOJAZD, P.CELWYJAZDU, P.TRASA, P.ODLEGLOSC, "
                           "P.IDKIEROWCY, P.UWAGI, P.PRYW, P.PRYWLICZOD, P.PRYWLICZDO, P.PRYWKTO, "
                           "A.NRREJ FROM przejazdy.DB AS P LEFT OUTER JOIN pojazdy.DB AS A ON "
                           "A.IDPOJAZD = P.IDPOJAZD WHERE P.DATA > %1 AND P.DATA < %2 ORDER BY "
                           "P.DATA, P.IDPRZEJAZD")
                .arg(base)
                .arg(base + 32));
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kMonthCopyCode);
        return result;
    }

    const FieldTable<TripFormValues>& fields = tripFields();
    QList<TripFormValues> copies;
    for (int i = 0; i < rows.rowCount(); ++i) {
        const int newDate = copiedTripDate(rows.value(i, 0).toInt(), to, rule);
        if (newDate == 0) {
            ++result.skipped;
            continue;
        }
        TripFormValues v;
        v.data = QString::number(newDate);
        v.vehicle = rows.value(i, 1).toInt();
        v.celWyjazdu = rows.value(i, 2).toString();
        v.trasa = rows.value(i, 3).toString();
        v.odleglosc = twoDecimals(rows.value(i, 4));
        v.driver = rows.value(i, 5).toString();
        v.uwagi = rows.value(i, 6).toString();
        const bool lent = rows.value(i, 7).toString() == u"T";
        if (lent) {
            v.pryw = QStringLiteral("T");
            v.prywKto = rows.value(i, 10).toString();
            v.prywLiczOd = v.prywLiczDo = QStringLiteral("0");
            ++result.lent;
        }
        copies.append(v);
        result.items.append({rows.value(i, 0).toInt(), newDate, rows.value(i, 11).toString(),
                             v.trasa, v.odleglosc, lent});
    }
    result.copied = static_cast<int>(copies.size());
    if (dryRun || copies.isEmpty()) {
        result.ok = true;
        return result;
    }

    Query& insert = db.query(insertQueryName(registerDescriptor(RegisterId::Trips)));
    engine::Connection& c = db.companyConnection();
    try {
        c.beginWrite({QStringLiteral("przejazdy")});
        for (const TripFormValues& v : copies) {
            QHash<QString, QString> slotTexts = fields.slotValues(v);
            slotTexts.insert(QStringLiteral("DATA"), v.data); // already a date number
            fillSlots(insert, slotTexts);
            db.execute(insert, fields.params(v), fields.nullParams(v));
        }
        c.commit();
    } catch (const DatabaseError& e) {
        c.rollback();
        reportDatabaseError(e.message(), true, kMonthCopyCode);
        result.copied = 0;
        return result;
    }
    result.ok = true;
    return result;
}

QString tripMonthCopyMessage(const TripMonthCopyResult& r, bool dryRun) {
    QString text = (dryRun ? QStringLiteral("Do skopiowania przejazdów: %1 (pominięto: %2).")
                           : QStringLiteral("Skopiowano przejazdów: %1 (pominięto: %2)."))
                       .arg(r.copied)
                       .arg(r.skipped);
    if (r.lent > 0)
        text += QStringLiteral(" Przejazdy pojazdów użyczonych: %1 - ich stany licznika %2 jako 0, "
                               "bo nie dotyczą nowego miesiąca.")
                    .arg(r.lent)
                    .arg(dryRun ? QStringLiteral("zostaną zapisane") : QStringLiteral("zapisano"));
    return text;
}

} // namespace kv
