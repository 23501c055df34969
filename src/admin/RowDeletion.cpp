#include "admin/RowDeletion.h"

#include "admin/CompanyHold.h"
#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/DateNumbers.h"
#include "support/UserInterface.h"

namespace kv {

namespace {

constexpr qint64 kDeletionCode = 14091419;

QString baseNameOf(const QString& file) {
    return file.left(file.size() - 3);
}

} // namespace

const QList<RowDeletionEntry>& rowDeletionEntries() {
    static const QList<RowDeletionEntry> entries = [] {
        struct Raw {
            const char* label;
            const char* table;
            const char* from;
            const char* to;
        };
        const Raw raw[] = {
            {"Przejazdy (data wyjazdu)", "przejazdy.DB", "DATA", "DATA"},
            {"Historia przebiegów (data odczytu)", "przebiegi.DB", "DATA", "DATA"},
            {"Koszty (data powstania kosztu)", "koszty.DB", "DATA", "DATA"},
            {"Karty drogowe (data wystawienia)", "kartydrogowe.DB", "DATAWYST", "DATAWYST"},
            {"Zlecenia (data od - data do)", "zlecenia.DB", "DATAOD", "DATADO"},
            {"Rozliczenia (data od - data do)", "rozliczenia.DB", "DATAOD", "DATADO"},
            {"Rejestr ceny paliw (data)", "cenypaliw.DB", "DATA", "DATA"},
            {"Zyżycie paliwa - paliwo płynne - CIĄGŁE (data tankowania)", "zuzycie.DB", "DATA",
             "DATA"},
            {"Zyżycie paliwa - paliwo płynne - KM (data tankowania)", "zuzyciekm.DB", "DATA",
             "DATA"},
            {"Zyżycie paliwa - paliwo płynne - MTH (data tankowania)", "zuzyciemth.DB", "DATA",
             "DATA"},
            {"Zyżycie paliwa - gaz LPG - CIĄGŁE (data tankowania)", "zuzycielpg.DB", "DATA",
             "DATA"},
            {"Zyżycie paliwa - gaz LPG - KM (data tankowania)", "zuzyciekmlpg.DB", "DATA", "DATA"},
            {"Zyżycie paliwa - gaz LPG - MTH (data tankowania)", "zuzyciemthlpg.DB", "DATA",
             "DATA"},
            {"Terminarz (data od - data do)", "terminy.DB", "DATAOD", "DATADO"},
            {"Wyposażenie (data montażu)", "wyposazenie.DB", "DATA", "DATA"},
            {"Dokumenty (data dokumentu)", "dokumenty.DB", "DATA", "DATA"},
            {"Opony (data zakupu)", "opony.DB", "DATAZAKUPU", "DATAZAKUPU"},
            {"Szkody, stłuczki (data szkody)", "szkody.DB", "DATA", "DATA"},
            {"Naprawy (data naprawy)", "naprawy.DB", "DATA", "DATA"},
        };
        QList<RowDeletionEntry> list;
        for (const Raw& r : raw)
            list.append({QString::fromUtf8(r.label), QString::fromLatin1(r.table),
                         QString::fromLatin1(r.from), QString::fromLatin1(r.to)});
        return list;
    }();
    return entries;
}

const RowDeletionEntry* rowDeletionEntryForTable(const QString& baseName) {
    for (const RowDeletionEntry& e : rowDeletionEntries())
        if (baseNameOf(e.table).compare(baseName.trimmed(), Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

std::optional<RangeProblem> checkDeletionRange(const QString& fromText, const QString& toText) {
    // A day the calendar lacks (31.02) is refused as the edit windows refuse it.
    if (!isCalendarDateText(fromText))
        return RangeProblem{RangeProblem::From,
                            QStringLiteral("Niepoprawny format daty od. Popraw pole.")};
    if (!isCalendarDateText(toText))
        return RangeProblem{RangeProblem::To,
                            QStringLiteral("Niepoprawny format daty do. Popraw pole.")};
    if (textToDateNumber(toText) < textToDateNumber(fromText))
        return RangeProblem{RangeProblem::From,
                            QStringLiteral("Data od większa niż data do. Popraw pola.")};
    return std::nullopt;
}

QString rangeCondition(const RowDeletionEntry& entry, int from, int to) {
    const QString start = entry.fromColumn + QStringLiteral(">=") + QString::number(from);
    if (entry.fromColumn == entry.toColumn)
        return start + QStringLiteral(" AND ") + entry.toColumn + QStringLiteral("<=") +
               QString::number(to);
    // An open row (no to-date) ends, for the range, where it starts.
    return start + QStringLiteral(" AND COALESCE(NULLIF(%1,0),%2)<=%3")
                       .arg(entry.toColumn, entry.fromColumn, QString::number(to));
}

int countRowsInRange(DataModule& db, const RowDeletionEntry& entry, int from, int to) {
    try {
        return db
            .select(QStringLiteral("SELECT COUNT(*) FROM ") + entry.table +
                    QStringLiteral(" WHERE ") + rangeCondition(entry, from, to))
            .value(0, 0)
            .toInt();
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kDeletionCode);
        return -1;
    }
}

RowDeletionOutcome deleteRowsInRange(DataModule& db, const RowDeletionEntry& entry, int from,
                                     int to, SafetyCopyPolicy policy) {
    RowDeletionOutcome outcome;
    const CompanyHold hold = holdCompanyAlone(db, QStringLiteral("Danych nie usunięto."));
    if (!hold)
        return outcome;
    const SafetyCopy safety =
        makeSafetyCopy(db, QStringLiteral("usuwanie wierszy z tabeli ") + entry.table, policy);
    if (!safety.goOn)
        return outcome;
    outcome.safetyCopy = safety.folder;
    engine::Connection& c = db.companyConnection();
    try {
        c.beginWrite({baseNameOf(entry.table)});
        outcome.rows = c.execute(QStringLiteral("DELETE FROM ") + entry.table +
                                 QStringLiteral(" WHERE ") + rangeCondition(entry, from, to));
        c.commit();
    } catch (const DatabaseError& e) {
        c.rollback();
        reportDatabaseError(e.message(), true, kDeletionCode);
        return outcome;
    }
    outcome.done = true;
    pruneSafetyCopies(db.companyDirectory());
    ui().information(QStringLiteral("Informacja"),
                     QStringLiteral("Wiersze w tabeli dla podanego zakresu zostały usunięte. "
                                    "Usunięto wierszy: %1.")
                         .arg(outcome.rows));
    return outcome;
}

} // namespace kv
