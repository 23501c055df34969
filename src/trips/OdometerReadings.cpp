#include "trips/OdometerReadings.h"

#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/engine/DatabaseError.h"
#include "support/DateNumbers.h"
#include "support/Numbers.h"
#include "support/UserInterface.h"

#include <QDate>
#include <algorithm>

namespace kv {

namespace {

// Logged when a table of readings cannot be read; the check goes on without it.
constexpr qint64 kReadingsReadCode = 562070;

// A table that holds readings: the column that keys a row within its vehicle,
// up to two readings with their dates, and which rows count.
struct ReadingSource {
    const char* table;
    const char* registerName;
    const char* key;
    struct Pair {
        const char* reading;
        const char* date;
    };
    Pair pairs[2];
    const char* condition; // empty: every row
};

// One statement per table: a statement may attach only so many table files,
// and the vehicle's rows come by the vehicle index of each.
const ReadingSource kSources[] = {
    {"przebiegi", "Historia przebiegów", "IDPRZEBIEGI", {{"LICZNIK", "DATA"}, {}}, ""},
    // Only a lent vehicle's trip records readings (hand-over and return).
    {"przejazdy",
     "Przejazdy",
     "IDPRZEJAZD",
     {{"PRYWLICZOD", "DATA"}, {"PRYWLICZDO", "DATA"}},
     "PRYW = 'T'"},
    {"kartydrogowe",
     "Karty drogowe",
     "IDDROGOWA",
     {{"LICZSTART", "DATASTART"}, {"LICZEND", "DATAEND"}},
     ""},
    {"koszty", "Koszty", "IDKOSZT", {{"LICZNIK", "DATA"}, {}}, ""},
    {"zuzycie", "Zużycie paliwa ciągłe", "DATA", {{"LICZNIK", "DATA"}, {}}, ""},
    {"zuzycielpg", "Zużycie paliwa ciągłe (LPG)", "DATA", {{"LICZNIK", "DATA"}, {}}, ""},
    {"zuzyciekm", "Zużycie paliwa - km", "DATA", {{"LICZNIK", "DATA"}, {}}, ""},
    {"zuzyciekmlpg", "Zużycie paliwa - km (LPG)", "DATA", {{"LICZNIK", "DATA"}, {}}, ""},
    {"naprawy", "Naprawy", "IDNAPRAWY", {{"LICZNIK", "DATA"}, {}}, ""},
    {"szkody", "Szkody, stłuczki", "IDSZKODY", {{"LICZNIK", "DATA"}, {}}, ""},
    {"wyposazenie", "Wyposażenie", "IDWYPOS", {{"LICZNIK", "DATA"}, {}}, ""},
};

// Engine hours live in the per-hour fuel register alone.
const ReadingSource kHourSources[] = {
    {"zuzyciemth", "Zużycie paliwa - mth", "DATA", {{"LICZNIK", "DATA"}, {}}, ""},
    {"zuzyciemthlpg", "Zużycie paliwa - mth (LPG)", "DATA", {{"LICZNIK", "DATA"}, {}}, ""},
};

QDate dateOf(qint64 dateNumber) {
    if (dateNumber < 10000101 || dateNumber > 99991231)
        return {};
    return QDate(static_cast<int>(dateNumber / 10000), static_cast<int>(dateNumber / 100 % 100),
                 static_cast<int>(dateNumber % 100));
}

// A reading above 0 with a calendar date; none otherwise.
std::optional<OdometerReading> readingOf(const QVariant& reading, const QVariant& date,
                                         const QString& registerName) {
    const qint64 day = date.toLongLong();
    if (!dateOf(day).isValid())
        return std::nullopt;
    std::optional<Decimal> value;
    try {
        value = Decimal::fromStored(reading);
    } catch (const DecimalError&) {
        return std::nullopt;
    }
    if (!value || value->signum() <= 0)
        return std::nullopt;
    return OdometerReading{static_cast<int>(day), *value, registerName};
}

QString selectOf(const ReadingSource& s, bool oneVehicle) {
    QStringList columns{QStringLiteral("IDPOJAZD"), QLatin1String(s.key)};
    for (const ReadingSource::Pair& p : s.pairs)
        if (p.reading)
            columns << QLatin1String(p.reading) << QLatin1String(p.date);
    QStringList where;
    if (oneVehicle)
        where << QStringLiteral("IDPOJAZD = :V");
    if (*s.condition)
        where << QLatin1String(s.condition);
    QString sql = QStringLiteral("SELECT %1 FROM %2.DB")
                      .arg(columns.join(QStringLiteral(", ")), QLatin1String(s.table));
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    return sql;
}

// Hands every reading of the rows to `take` with its vehicle.
template <class Take>
void readSource(DataModule& db, const ReadingSource& s, std::optional<int> vehicleId,
                const EditedRow& edited, Take take) {
    const QString registerName = QString::fromUtf8(s.registerName);
    const bool skipEdited = edited.table == QLatin1String(s.table);
    try {
        engine::Params params;
        if (vehicleId)
            params.append({QStringLiteral("V"), *vehicleId});
        const ResultSet rows = db.select(selectOf(s, vehicleId.has_value()), params);
        for (int i = 0; i < rows.rowCount(); ++i) {
            if (skipEdited && rows.value(i, 1).toLongLong() == edited.key)
                continue;
            const int vehicle = static_cast<int>(rows.value(i, 0).toLongLong());
            for (int p = 0; p < 2 && s.pairs[p].reading; ++p)
                if (const auto r =
                        readingOf(rows.value(i, 2 + 2 * p), rows.value(i, 3 + 2 * p), registerName))
                    take(vehicle, *r);
        }
    } catch (const DatabaseError& e) {
        appendErrorLog(codedLine(kReadingsReadCode, e.message()));
    }
}

QString unitName(ReadingUnit unit) {
    return unit == ReadingUnit::EngineHours ? QStringLiteral("mth") : QStringLiteral("km");
}

QString quantity(const Decimal& value, ReadingUnit unit) {
    return formatDecimal(value, 2) + u' ' + unitName(unit);
}

Decimal dailyLimit(ReadingUnit unit) {
    return unit == ReadingUnit::EngineHours ? kMaxEngineHoursPerDay : kDefaultMaxKmPerDay;
}

// A limit as typed: no decimals when it has none.
QString plainNumber(const Decimal& value) {
    return value.toSql().replace(u'.', decimalSeparator());
}

QString inDays(int days) {
    return days == 1 ? QStringLiteral("1 dnia") : QStringLiteral("%1 dni").arg(days);
}

QString reference(const OdometerReading& r, ReadingUnit unit) {
    return QStringLiteral("%1 z dnia %2 (%3)")
        .arg(quantity(r.reading, unit), dateNumberToText(r.date, true), r.registerName);
}

bool earlierInOrder(const OdometerReading& a, const OdometerReading& b) {
    return a.date != b.date ? a.date < b.date : a.reading < b.reading;
}

} // namespace

QList<OdometerReading> vehicleReadings(DataModule& db, int vehicleId, const EditedRow& edited) {
    QList<OdometerReading> out;
    for (const ReadingSource& s : kSources)
        readSource(db, s, vehicleId, edited,
                   [&out](int, const OdometerReading& r) { out.append(r); });
    return out;
}

QList<OdometerReading> vehicleEngineHours(DataModule& db, int vehicleId, const EditedRow& edited) {
    QList<OdometerReading> out;
    for (const ReadingSource& s : kHourSources)
        readSource(db, s, vehicleId, edited,
                   [&out](int, const OdometerReading& r) { out.append(r); });
    return out;
}

QHash<int, QList<OdometerReading>> allVehicleReadings(DataModule& db) {
    QHash<int, QList<OdometerReading>> out;
    for (const ReadingSource& s : kSources)
        readSource(db, s, std::nullopt, {},
                   [&out](int vehicle, const OdometerReading& r) { out[vehicle].append(r); });
    return out;
}

int daysBetween(int fromDate, int toDate) {
    const QDate from = dateOf(fromDate);
    const QDate to = dateOf(toDate);
    if (!from.isValid() || !to.isValid())
        return -1;
    return std::max<int>(1, static_cast<int>(std::abs(from.daysTo(to))));
}

QList<ReadingFinding> checkReading(const QList<OdometerReading>& others,
                                   const OdometerReading& typed, const Decimal& maxKmPerDay) {
    QList<ReadingFinding> findings;
    if (typed.reading.signum() <= 0 || !dateOf(typed.date).isValid())
        return findings;
    const OdometerReading* earlier = nullptr; // greatest of the latest earlier day
    const OdometerReading* later = nullptr;   // smallest of the earliest later day
    const OdometerReading* sameDay = nullptr; // nearest of the same day
    for (const OdometerReading& r : others) {
        if (r.date < typed.date) {
            if (!earlier || r.date > earlier->date ||
                (r.date == earlier->date && r.reading > earlier->reading))
                earlier = &r;
        } else if (r.date > typed.date) {
            if (!later || r.date < later->date ||
                (r.date == later->date && r.reading < later->reading))
                later = &r;
        } else {
            auto gap = [&typed](const OdometerReading& o) {
                const Decimal d = o.reading - typed.reading;
                return d.signum() < 0 ? -d : d;
            };
            if (!sameDay || gap(r) < gap(*sameDay))
                sameDay = &r;
        }
    }
    auto tooFast = [&](const OdometerReading& other, const Decimal& gap) {
        const int days = daysBetween(other.date, typed.date);
        if (gap > maxKmPerDay * Decimal::fromInteger(days))
            findings.append({ReadingProblem::TooFast, typed, other, days});
    };
    if (earlier) {
        if (typed.reading < earlier->reading)
            findings.append({ReadingProblem::BelowEarlier, typed, *earlier});
        else
            tooFast(*earlier, typed.reading - earlier->reading);
    }
    if (sameDay) {
        const Decimal gap = typed.reading - sameDay->reading;
        tooFast(*sameDay, gap.signum() < 0 ? -gap : gap);
    }
    if (later) {
        if (typed.reading > later->reading)
            findings.append({ReadingProblem::AboveLater, typed, *later});
        else
            tooFast(*later, later->reading - typed.reading);
    }
    return findings;
}

QList<ReadingFinding> implausibleReadings(QList<OdometerReading> readings,
                                          const Decimal& maxKmPerDay) {
    std::stable_sort(readings.begin(), readings.end(), earlierInOrder);
    const int n = static_cast<int>(readings.size());
    // Longest non-decreasing sequence: tails[k] ends the best sequence of
    // length k + 1 found so far; the predecessors rebuild it.
    QList<int> tails;
    QList<int> previous(n, -1);
    for (int i = 0; i < n; ++i) {
        const auto it = std::upper_bound(tails.begin(), tails.end(), i, [&](int value, int tail) {
            return readings.at(value).reading < readings.at(tail).reading;
        });
        const int position = static_cast<int>(it - tails.begin());
        if (position > 0)
            previous[i] = tails.at(position - 1);
        if (it == tails.end())
            tails.append(i);
        else
            *it = i;
    }
    QList<bool> kept(n, false);
    for (int i = tails.isEmpty() ? -1 : tails.last(); i >= 0; i = previous.at(i))
        kept[i] = true;

    QList<ReadingFinding> findings;
    int lastKept = -1;
    for (int i = 0; i < n; ++i) {
        if (!kept.at(i)) {
            ReadingFinding f{ReadingProblem::OutOfSequence, readings.at(i), {}};
            if (lastKept >= 0)
                f.other = readings.at(lastKept);
            findings.append(f);
            continue;
        }
        if (lastKept >= 0) {
            const OdometerReading& a = readings.at(lastKept);
            const OdometerReading& b = readings.at(i);
            const int days = daysBetween(a.date, b.date);
            if (b.reading - a.reading > maxKmPerDay * Decimal::fromInteger(days))
                findings.append({ReadingProblem::TooFast, b, a, days});
        }
        lastKept = i;
    }
    return findings;
}

QString describeFinding(const ReadingFinding& f, const Decimal& maxKmPerDay, ReadingUnit unit) {
    switch (f.problem) {
    case ReadingProblem::BelowEarlier:
        return QStringLiteral("mniej niż ") + reference(f.other, unit);
    case ReadingProblem::AboveLater:
        return QStringLiteral("więcej niż ") + reference(f.other, unit);
    case ReadingProblem::TooFast: {
        Decimal gap = f.reading.reading - f.other.reading;
        if (gap.signum() < 0)
            gap = -gap;
        return QStringLiteral("%1 różnicy względem %2 w ciągu %3, a to ponad %4 %5 na dzień")
            .arg(quantity(gap, unit), reference(f.other, unit), inDays(f.days),
                 plainNumber(maxKmPerDay), unitName(unit));
    }
    case ReadingProblem::ReturnBelowHandover:
        return QStringLiteral("mniej niż przy udostępnieniu pojazdu (%1)")
            .arg(quantity(f.other.reading, unit));
    case ReadingProblem::OutOfSequence:
        if (f.other.date == 0)
            return QStringLiteral("nie pasuje do kolejności pozostałych odczytów pojazdu");
        return QStringLiteral("nie pasuje do kolejności pozostałych odczytów pojazdu (poprzedni: "
                              "%1)")
            .arg(reference(f.other, unit));
    }
    return {};
}

QList<QPair<TypedReading, ReadingFinding>> checkTypedReadings(DataModule& db,
                                                              const ReadingCheck& check) {
    QList<QPair<TypedReading, ReadingFinding>> out;
    if (check.vehicleId <= 0 || check.typed.isEmpty())
        return out;
    const bool hours = check.unit == ReadingUnit::EngineHours;
    const QList<OdometerReading> others =
        hours ? vehicleEngineHours(db, check.vehicleId, check.edited)
              : vehicleReadings(db, check.vehicleId, check.edited);
    for (const TypedReading& t : check.typed)
        for (const ReadingFinding& f : checkReading(others, t.reading, dailyLimit(check.unit)))
            out.append({t, f});
    if (check.handoverAndReturn && check.typed.size() == 2) {
        const TypedReading& handover = check.typed.at(0);
        const TypedReading& back = check.typed.at(1);
        if (handover.reading.reading.signum() > 0 && back.reading.reading.signum() > 0 &&
            back.reading.reading < handover.reading.reading)
            out.append(
                {back, {ReadingProblem::ReturnBelowHandover, back.reading, handover.reading}});
    }
    return out;
}

QString readingQuestion(const QList<QPair<TypedReading, ReadingFinding>>& findings,
                        ReadingUnit unit) {
    if (findings.isEmpty())
        return {};
    QString text =
        QStringLiteral("Podany stan licznika nie pasuje do innych odczytów tego pojazdu.\n");
    QString lastLabel;
    for (const auto& [typed, finding] : findings) {
        const QString heading = QStringLiteral("%1 %2 z dnia %3:")
                                    .arg(typed.label, quantity(typed.reading.reading, unit),
                                         dateNumberToText(typed.reading.date, true));
        if (heading != lastLabel)
            text += u'\n' + heading + u'\n';
        lastLabel = heading;
        text += QStringLiteral("– ") + describeFinding(finding, dailyLimit(unit), unit) + u'\n';
    }
    return text + QStringLiteral("\nCzy mimo to zapisać?");
}

bool confirmReadings(DataModule& db, const ReadingCheck& check) {
    const QString question = readingQuestion(checkTypedReadings(db, check), check.unit);
    return question.isEmpty() ||
           ui().question(QStringLiteral("Pytanie"), question, DefaultAnswer::No);
}

} // namespace kv
