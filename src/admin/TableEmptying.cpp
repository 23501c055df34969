#include "admin/TableEmptying.h"

#include "admin/CompanyHold.h"
#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/UserInterface.h"

namespace kv {

namespace {

constexpr qint64 kEmptyingCode = 300;

QString baseNameOf(const QString& file) {
    return file.left(file.size() - 3);
}

// The company's own data: every text of its single row emptied, the row kept.
QString companyDataStatement() {
    QStringList lines{QStringLiteral("UPDATE firma.DB SET ")};
    for (const char* column :
         {"NAZWA",   "KOD",    "MIASTO",  "ULICA",    "NUMER", "NIP",    "REGON",
          "BANK",    "ROR",    "TELEFON", "FAX",      "EMAIL", "WWW",    "KKOD",
          "KMIASTO", "KULICA", "KNUMER",  "KTELEFON", "KFAX",  "KEMAIL", "INNE"})
        lines.append(QString::fromLatin1(column) + QStringLiteral("='',"));
    lines.append(QStringLiteral("IDFIRMA=1"));
    return lines.join(u'\n');
}

EmptyingEntry tables(const char* label, QStringList files) {
    return {QString::fromUtf8(label), EmptyingEntry::Kind::Tables, std::move(files), {}};
}

EmptyingEntry dictionary(const char* label, const char* code) {
    return {QStringLiteral("Słowniki -> ") + QString::fromUtf8(label),
            EmptyingEntry::Kind::Dictionary,
            {QStringLiteral("slowniki.DB")},
            QString::fromLatin1(code)};
}

} // namespace

const QList<EmptyingEntry>& emptyingEntries() {
    static const QList<EmptyingEntry> entries = {
        tables("Pojazdy", {"pojazdy.DB"}),
        tables("Przejazdy", {"przejazdy.DB"}),
        tables("Koszty", {"koszty.DB"}),
        tables("Zlecenia", {"zlecenia.DB"}),
        tables("Rozliczenia", {"rozliczenia.DB"}),
        tables("Karty drogowe", {"kartydrogowe.DB"}),
        tables("Karty paliwowe", {"kpaliwowe.DB"}),
        tables("Ceny paliw", {"cenypaliw.DB"}),
        tables("Zyżycie paliwa", {"zuzycie.DB", "zuzycielpg.DB", "zuzyciekm.DB", "zuzyciekmlpg.DB",
                                  "zuzyciemth.DB", "zuzyciemthlpg.DB"}),
        tables("Terminarz", {"terminy.DB"}),
        tables("Przebiegi", {"przebiegi.DB"}),
        tables("Magazyn", {"magazyn.DB"}),
        tables("Wyposażenie", {"wyposazenie.DB"}),
        tables("Dokumenty", {"dokumenty.DB"}),
        tables("Opony", {"opony.DB"}),
        tables("Szkody, stłuczki", {"szkody.DB"}),
        tables("Naprawy", {"naprawy.DB"}),
        tables("Stawki", {"stawki.DB"}),
        {QStringLiteral("Dane Firmy"), EmptyingEntry::Kind::CompanyData, {"firma.DB"}, {}},
        tables("Kartoteka", {"osobowa.DB"}),
        dictionary("Cele wyjazdów", "CELWY"),
        dictionary("Rodzaje wydatków", "RDWYD"),
        dictionary("Trasy", "TRASY"),
        dictionary("Stawki VAT", "STVAT"),
        dictionary("Rodzaje dokumentów", "RDDOK"),
        dictionary("Rodzaje wyposażenia", "RDWYP"),
        dictionary("Rodzaje terminów", "RTERM"),
        dictionary("Rodzaje prac", "RPRAC"),
        dictionary("Kontrahenci", "KONTR"),
        dictionary("Rodzaje opon", "RODOP"),
        dictionary("Rozmiary opon", "ROZOP"),
        dictionary("Numer Floty", "FLOTA"),
        dictionary("Centra Kosztów", "CKKOD"),
        dictionary("Typy zadań", "TYPZA"),
        dictionary("Rodzaje paliw", "RDPAL"),
        dictionary("Stacje paliw", "PMIEJ"),
    };
    return entries;
}

EmptyingOutcome emptyEntry(DataModule& db, const EmptyingEntry& entry, SafetyCopyPolicy policy) {
    EmptyingOutcome outcome;
    const CompanyHold hold = holdCompanyAlone(db, QStringLiteral("Danych nie usunięto."));
    if (!hold)
        return outcome;
    const SafetyCopy safety =
        makeSafetyCopy(db, QStringLiteral("czyszczenie: ") + entry.label, policy);
    if (!safety.goOn)
        return outcome;
    outcome.safetyCopy = safety.folder;
    QStringList bases;
    for (const QString& file : entry.tables)
        bases.append(baseNameOf(file));
    engine::Connection& c = db.companyConnection();
    try {
        c.beginWrite(bases);
        switch (entry.kind) {
        case EmptyingEntry::Kind::Tables:
            for (const QString& file : entry.tables)
                outcome.rows += c.execute(QStringLiteral("DELETE FROM ") + file);
            break;
        case EmptyingEntry::Kind::Dictionary:
            outcome.rows = c.execute(QStringLiteral("DELETE FROM slowniki.DB WHERE IDSLOWNIK = "
                                                    ":PARAM0"),
                                     engine::positionalParams({entry.dictionary}));
            break;
        case EmptyingEntry::Kind::CompanyData:
            outcome.rows = c.execute(companyDataStatement());
            break;
        }
        c.commit();
    } catch (const DatabaseError& e) {
        c.rollback();
        reportDatabaseError(e.message(), true, kEmptyingCode);
        return outcome;
    }
    outcome.done = true;
    pruneSafetyCopies(db.companyDirectory());
    db.reloadCompanyData(); // the rates and vehicle kinds read at opening
    ui().information(
        QStringLiteral("Informacja"),
        entry.kind == EmptyingEntry::Kind::CompanyData
            ? QStringLiteral("Zbiór został wyczyszczony.")
            : QStringLiteral("Zbiór został wyczyszczony. Usunięto wierszy: %1.").arg(outcome.rows));
    return outcome;
}

} // namespace kv
