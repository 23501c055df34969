#include "options/OptionsControls.h"

#include <algorithm>

namespace kv {

namespace {

template <typename T>
ControlBinding<T> check(const char* name, const QString& caption, bool T::*flag,
                        bool hidden = false) {
    ControlBinding<T> b;
    b.name = QLatin1String(name);
    b.caption = caption;
    b.kind = ControlKind::Check;
    b.flag = flag;
    b.hidden = hidden;
    return b;
}

template <typename T>
ControlBinding<T> number(const char* name, const QString& caption, int T::*value, int minimum,
                         int maximum) {
    ControlBinding<T> b;
    b.name = QLatin1String(name);
    b.caption = caption;
    b.kind = ControlKind::Number;
    b.number = value;
    b.minimum = minimum;
    b.maximum = maximum;
    return b;
}

template <typename T>
ControlBinding<T> choice(const char* name, const QString& caption, int T::*value,
                         const QStringList& items) {
    ControlBinding<T> b = number<T>(name, caption, value, 0, int(items.size()) - 1);
    b.kind = ControlKind::Choice;
    b.items = items;
    return b;
}

using O = ProgramOptions;

// Days and kilometres have no natural upper bound; these are far beyond any
// sensible setting but keep the fields a reasonable width.
constexpr int kMaxDays = 9999;
constexpr int kMaxKilometres = 999999;

QList<OptionBinding> makeOptionBindings() {
    const QString active = QStringLiteral("Sprawdzaj tylko dla aktywnych pojazdów");
    return {
        // Ogólne
        check<O>("pokazujPoradeDnia",
                 QStringLiteral("Pokazuj poradę dnia podczas uruchomienia programu"),
                 &O::pokazujPoradeDnia),
        check<O>("pytajPrzedZamknieciem", QStringLiteral("Pytaj przed zamknięciem programu"),
                 &O::pytajPrzedZamknieciem),
        check<O>("pytajPrzedKasowaniem", QStringLiteral("Pytaj przed kasowaniem danych w tabelach"),
                 &O::pytajPrzedKasowaniem),
        check<O>("sprawdzajTerminy", QStringLiteral("Przy starcie programu sprawdź terminy"),
                 &O::sprawdzajTerminy),
        check<O>("sprawdzajNotatki",
                 QStringLiteral("Przy starcie programu sprawdź notatki na dziś"),
                 &O::sprawdzajNotatki),
        check<O>(
            "sprawdzajPrzebieg",
            QStringLiteral("Przy starcie programu sprawdź terminy wg stanu licznika przebiegu"),
            &O::sprawdzajPrzebieg),
        check<O>("sprawdzajMagazyn",
                 QStringLiteral("Przy starcie programu sprawdź stany magazynowe"), &O::cbMAGAZYN),
        check<O>("cbKopiujPrzebiegDoHistorii",
                 QStringLiteral("Podczas edycji danych zawsze kopiuj stan licznika do tabeli "
                                "historii przebiegów"),
                 &O::cbKopiujPrzebiegDoHistorii),
        check<O>(
            "cbSetNrRej",
            QStringLiteral("Podczas dodawania danych użyj numer rejestracyjny pojazdu z filtra"),
            &O::cbSetNrRej),
        check<O>("cbAllowChangeOsobowaNREW",
                 QStringLiteral("Zezwól na zmianę numeru ewidencyjnego w kartotece osobowej"),
                 &O::cbAllowChangeOsobowaNREW),
        check<O>(
            "poleInneJestLiczba",
            QStringLiteral("Pierwsze znaki pola \"Ilość towaru / inne\" oznaczają ilość towaru"),
            &O::poleInneJestLiczba),
        number<O>("filtrRokOd", QStringLiteral("Filtr na rok - zakres od - do"), &O::filtrRokOd,
                  1970, 2100),
        number<O>("filtrRokDo", QStringLiteral("Filtr na rok - zakres od - do"), &O::filtrRokDo,
                  1970, 2100),
        check<O>("cbPowerOnSprawdzacz",
                 QStringLiteral("Sprawdź terminarz podczas startu komputera"),
                 &O::cbPowerOnSprawdzacz, true),
        check<O>("cbPowerOnPrzebiegi",
                 QStringLiteral("Sprawdź również zdarzenia na podstawie przebiegu"),
                 &O::cbPowerOnPrzebiegi, true),
        // Sprawdzanie terminów
        check<O>("cbOC", QStringLiteral("Termin ubezpieczenia OC"), &O::cbOC),
        check<O>("cbAC", QStringLiteral("Termin ubezpieczenia AC"), &O::cbAC),
        check<O>("cbPRZEG", QStringLiteral("Termin przeglądu technicznego"), &O::cbPRZEG),
        check<O>("cbPRZEGW", QStringLiteral("Termin przeglądu gwarancyjnego"), &O::cbPRZEGW),
        check<O>("cbKPALIWOWE", QStringLiteral("Termin ważności karty paliwowej"), &O::cbKPALIWOWE),
        check<O>("cbDOKUMENTY", QStringLiteral("Termin ważności dokumentu"), &O::cbDOKUMENTY),
        check<O>("cbWYPOSAZENIE", QStringLiteral("Termin wymiany wyposażenia"), &O::cbWYPOSAZENIE),
        check<O>("cbNAPRAWY", QStringLiteral("Termin naprawy"), &O::cbNAPRAWY),
        check<O>("cbOPONY", QStringLiteral("Termin wymiany opon"), &O::cbOPONY),
        check<O>("cbTERMINARZ", QStringLiteral("Zdarzenia zapisane w terminarzu"), &O::cbTERMINARZ),
        check<O>("cbTachograf",
                 QStringLiteral("Termin legalizacji tachografu (Pole \"Data legalizacji "
                                "tachografu\" na ekranie \"Pojazd\" traktowane jako termin)"),
                 &O::cbTachograf),
        number<O>("dataPrzed", QStringLiteral("Ile dni przed terminem informować"),
                  &O::dataWsteczna, 0, kMaxDays),
        number<O>("dataPo", QStringLiteral("Ile dni po terminie informować"), &O::dataWstecznaMin,
                  0, kMaxDays),
        choice<O>("sprawdzajTerminySortuj", QStringLiteral("Sposób sortowania:"),
                  &O::sprawdzajTerminySortuj,
                  {QStringLiteral("(bez sortowania)"), QStringLiteral("po dacie"),
                   QStringLiteral("po numerze rejestracyjnym")}),
        check<O>("cbSprTermAktPojazdy", active, &O::cbSprTermAktPojazdy),
        check<O>("cbInterruptLongChecking",
                 QStringLiteral("Przerwij sprawdzanie terminów, gdy proces trwa więcej niż 10 "
                                "sekund."),
                 &O::cbInterruptLongChecking),
        // Sprawdzanie wg przebiegu
        check<O>("cbLICZPRZEG", QStringLiteral("Termin przeglądu technicznego"), &O::cbLICZPRZEG),
        check<O>("cbLICZGWAR", QStringLiteral("Termin przeglądu gwarancyjnego"), &O::cbLICZGWAR),
        check<O>("cbLICZDOK", QStringLiteral("Termin ważności dokumentu"), &O::cbLICZDOK),
        check<O>("cbLICZWYPOS", QStringLiteral("Termin wymiany wyposażenia"), &O::cbLICZWYPOS),
        check<O>("cbLICZNAPR", QStringLiteral("Termin naprawy"), &O::cbLICZNAPR),
        check<O>("cbLICZOPONY", QStringLiteral("Termin wymiany opon"), &O::cbLICZOPONY),
        check<O>("cbLICZTERM", QStringLiteral("Zdarzenia zapisane w terminarzu"), &O::cbLICZTERM),
        number<O>("kmOd", QStringLiteral("Ile kilometrów przed terminem informować"), &O::kmOd, 0,
                  kMaxKilometres),
        number<O>("kmDo", QStringLiteral("Ile kilometrów po terminie informować"), &O::kmDo, 0,
                  kMaxKilometres),
        check<O>("cbSprPrzebAktPojazdy", active, &O::cbSprPrzebAktPojazdy),
        // Raporty
        check<O>("cbRapZaakceptowal", QStringLiteral("Umieszczaj na raportach \"Zaakceptował\""),
                 &O::cbRapZaakceptowal),
        check<O>("cbRapWystawil", QStringLiteral("Umieszczaj na raportach \"Wystawił\""),
                 &O::cbRapWystawil),
        check<O>("cbRapData", QStringLiteral("Umieszczaj na raportach datę wystawienia"),
                 &O::cbRapData),
        check<O>("cbRapFirma", QStringLiteral("Umieszczaj na raportach dane firmy"),
                 &O::cbRapFirma),
    };
}

using B = BackupSettings;

QList<BackupBinding> makeBackupBindings() {
    return {
        number<B>("cbHowOften", QStringLiteral("Co ile dni wykonywać kopię?"), &B::intervalDays, 1,
                  365),
        number<B>("cbHowManyFolders", QStringLiteral("Ile kopii przechowywać?"), &B::folders, 2,
                  100),
        check<B>("cbIsOnlyAdmin", QStringLiteral("Tylko administrator może wykonać kopię"),
                 &B::onlyAdministrator),
        check<B>("cbIsAskBeforeBackup", QStringLiteral("Pytaj przed wykonaniem kopii"),
                 &B::askFirst),
        check<B>("cbIsDoBackup",
                 QStringLiteral("Włącz mechanizm automatycznego tworzenia kopii bezpieczeństwa "
                                "bazy danych"),
                 &B::enabled),
    };
}

template <typename T>
const ControlBinding<T>* findIn(const QList<ControlBinding<T>>& bindings, const QString& name) {
    for (const ControlBinding<T>& b : bindings) {
        if (b.name == name)
            return &b;
    }
    return nullptr;
}

template <typename T>
ControlValues valuesOf(const T& target, const QList<ControlBinding<T>>& bindings) {
    ControlValues values;
    for (const ControlBinding<T>& b : bindings) {
        if (b.kind == ControlKind::Check)
            values.insert(b.name, target.*(b.flag));
        else
            values.insert(b.name, std::clamp(target.*(b.number), b.minimum, b.maximum));
    }
    return values;
}

template <typename T>
T take(T target, const ControlValues& values, const QList<ControlBinding<T>>& bindings) {
    for (const ControlBinding<T>& b : bindings) {
        const auto it = values.constFind(b.name);
        if (it == values.constEnd())
            continue;
        if (b.kind == ControlKind::Check)
            target.*(b.flag) = it->toBool();
        else
            target.*(b.number) =
                integerFieldValue(it->toString(), target.*(b.number), b.minimum, b.maximum);
    }
    return target;
}

} // namespace

const QList<OptionBinding>& optionBindings() {
    static const QList<OptionBinding> bindings = makeOptionBindings();
    return bindings;
}

const QList<BackupBinding>& backupBindings() {
    static const QList<BackupBinding> bindings = makeBackupBindings();
    return bindings;
}

const OptionBinding* findOptionBinding(const QString& name) {
    return findIn(optionBindings(), name);
}

const BackupBinding* findBackupBinding(const QString& name) {
    return findIn(backupBindings(), name);
}

int integerFieldValue(const QString& text, int oldValue, int minimum, int maximum) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < minimum || value > maximum)
        return oldValue;
    return value;
}

ControlValues controlValues(const ProgramOptions& options) {
    return valuesOf(options, optionBindings());
}

ControlValues controlValues(const BackupSettings& settings) {
    return valuesOf(settings, backupBindings());
}

ProgramOptions takeControlValues(ProgramOptions old, const ControlValues& values) {
    return take(std::move(old), values, optionBindings());
}

BackupSettings takeControlValues(BackupSettings old, const ControlValues& values) {
    return take(old, values, backupBindings());
}

} // namespace kv
