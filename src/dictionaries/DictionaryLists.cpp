#include "dictionaries/DictionaryLists.h"

namespace kv {

namespace {

using S = SecondValue;

QList<DictionaryList> build() {
    struct Row {
        const char* name;
        const char* code;
        const char* gridTitle;
        S second;
        const char* editTitle;
        const char* label;
    };
    // clang-format off
    const Row rows[] = {
        {"Cele wyjazdów", "CELWY", "Cel wyjazdu", S::None, "Edytuj cel wyjazdu", "Cel wyjazdu"},
        {"Rodzaje wydatków", "RDWYD", "Rodzaj wydatku", S::VatFlag, "Edytuj rodzaj wydatku", "Rodzaj wydatku"},
        {"Trasy", "TRASY", "Trasa", S::RouteLength, "Edytuj informacje o trasie", "Trasa"},
        {"Stawki VAT", "STVAT", "Stawka VAT (w procentach % )", S::None, "Edytuj stawkę VAT", "Stawka VAT"},
        {"Rodzaje dokumentów", "RDDOK", "Rodzaje dokumentów", S::None, "Edytuj rodzaj dokumentu", "Rodzaj dokumentu"},
        {"Rodzaje wyposażenia", "RDWYP", "Rodzaje wyposażenia", S::None, "Edytuj rodzaj wyposażenia", "Rodzaj wyposażenia"},
        {"Rodzaje pojazdów", "RDPOJ", "", S::RateColumn, "", ""},
        {"Rodzaje terminów", "RTERM", "Rodzaje terminów", S::None, "Edytuj rodzaj terminu", "Rodzaj terminu"},
        {"Rodzaje prac", "RPRAC", "Rodzaje prac zleconych / wykonywanych", S::None, "Edytuj rodzaj prac wykonywanych / zleconych", "Rodzaj prac"},
        {"Kontrahenci", "KONTR", "Słownik kontrahentów", S::None, "Edytuj dane kontrahenta", "Dane kontrahenta"},
        {"Rodzaje opon", "RODOP", "Rodzaje opon (sezon)", S::None, "Edytuj rodzaj opon (Sezon)", "Rodzaj opon"},
        {"Rozmiary opon", "ROZOP", "Rozmiary opon", S::None, "Edytuj rozmiar opon", "Rozmiar opon"},
        {"Rodzaje napraw", "RDNAP", "Rodzaje napraw", S::None, "Edytuj rodzaj naprawy", "Rodzaj naprawy"},
        {"Numer floty", "FLOTA", "Numery floty", S::None, "Edytuj numer Floty", "Numer floty"},
        {"Centra kosztów", "CKKOD", "Centra kosztów (CK)", S::None, "Edytuj nazwę/numer Centrum Kosztów (CK)", "Centrum Kosztów"},
        {"Typy zadań", "TYPZA", "Typy zadań", S::None, "Edytuj typ zadania", "Typ zadania"},
        {"Rodzaje paliw", "RDPAL", "Rodzaje Paliw", S::None, "Edytuj nazwę rodzaju paliwa", "Rodzaj Paliwa"},
        {"Stacje paliw", "PMIEJ", "Stacje paliw / Lokalizacje", S::None, "Edytuj nazwę stacji paliw / Lokalizację", "Stacja Paliw"},
    };
    // clang-format on
    QList<DictionaryList> lists;
    int position = 0;
    for (const Row& r : rows)
        lists.append({position++, QString::fromUtf8(r.name), QString::fromLatin1(r.code),
                      QString::fromUtf8(r.gridTitle), r.second, QString::fromUtf8(r.editTitle),
                      QString::fromUtf8(r.label)});
    return lists;
}

} // namespace

const QList<DictionaryList>& dictionaryLists() {
    static const QList<DictionaryList> lists = build();
    return lists;
}

const DictionaryList* dictionaryByCode(const QString& code) {
    for (const DictionaryList& l : dictionaryLists())
        if (l.code.compare(code, Qt::CaseInsensitive) == 0)
            return &l;
    return nullptr;
}

int dictionaryPosition(const QString& code) {
    const DictionaryList* l = dictionaryByCode(code);
    return l ? l->position : -1;
}

} // namespace kv
