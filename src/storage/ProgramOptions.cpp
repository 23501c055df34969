#include "storage/ProgramOptions.h"

#include "storage/SettingsPaths.h"
#include "support/Clock.h"
#include "support/DateNumbers.h"
#include "support/IniFile.h"

namespace kv {

namespace {

const QString kSection = QStringLiteral("OPTIONS");

// One table of every boolean and integer option, so that loading and saving
// can never disagree about a key.
template <typename Visitor> void visitOptions(ProgramOptions& o, Visitor&& v) {
    v("pokazujPoradeDnia", o.pokazujPoradeDnia);
    v("pytajPrzedZamknieciem", o.pytajPrzedZamknieciem);
    v("pytajPrzedKasowaniem", o.pytajPrzedKasowaniem);
    v("sprawdzajTerminy", o.sprawdzajTerminy);
    v("sprawdzajNotatki", o.sprawdzajNotatki);
    v("sprawdzajPrzebieg", o.sprawdzajPrzebieg);
    v("cbMAGAZYN", o.cbMAGAZYN);
    v("poleInneJestLiczba", o.poleInneJestLiczba);
    v("filtrRokOd", o.filtrRokOd);
    v("filtrRokDo", o.filtrRokDo);
    v("cbKopiujPrzebiegDoHistorii", o.cbKopiujPrzebiegDoHistorii);
    v("cbSetNrRej", o.cbSetNrRej);
    v("cbAllowChangeOsobowaNREW", o.cbAllowChangeOsobowaNREW);
    v("cbPowerOnSprawdzacz", o.cbPowerOnSprawdzacz);
    v("cbPowerOnPrzebiegi", o.cbPowerOnPrzebiegi);
    v("cbOC", o.cbOC);
    v("cbAC", o.cbAC);
    v("cbPRZEG", o.cbPRZEG);
    v("cbPRZEGW", o.cbPRZEGW);
    v("cbKPALIWOWE", o.cbKPALIWOWE);
    v("cbDOKUMENTY", o.cbDOKUMENTY);
    v("cbWYPOSAZENIE", o.cbWYPOSAZENIE);
    v("cbNAPRAWY", o.cbNAPRAWY);
    v("cbOPONY", o.cbOPONY);
    v("cbTERMINARZ", o.cbTERMINARZ);
    v("cbTachograf", o.cbTachograf);
    v("dataWsteczna", o.dataWsteczna);
    v("dataWstecznaMin", o.dataWstecznaMin);
    v("sprawdzajTerminySortuj", o.sprawdzajTerminySortuj);
    v("cbSprTermAktPojazdy", o.cbSprTermAktPojazdy);
    v("cbInterruptLongChecking", o.cbInterruptLongChecking);
    v("cbLICZPRZEG", o.cbLICZPRZEG);
    v("cbLICZGWAR", o.cbLICZGWAR);
    v("cbLICZDOK", o.cbLICZDOK);
    v("cbLICZWYPOS", o.cbLICZWYPOS);
    v("cbLICZNAPR", o.cbLICZNAPR);
    v("cbLICZOPONY", o.cbLICZOPONY);
    v("cbLICZTERM", o.cbLICZTERM);
    v("kmOd", o.kmOd);
    v("kmDo", o.kmDo);
    v("cbSprPrzebAktPojazdy", o.cbSprPrzebAktPojazdy);
    v("cbRapZaakceptowal", o.cbRapZaakceptowal);
    v("cbRapWystawil", o.cbRapWystawil);
    v("cbRapData", o.cbRapData);
    v("cbRapFirma", o.cbRapFirma);
    v("cbFirstLog", o.cbFirstLog);
    v("CBCurrentYear", o.CBCurrentYear);
    v("CBCurrentMonth", o.CBCurrentMonth);
    v("mainWinWidth", o.mainWinWidth);
    v("mainWinHeight", o.mainWinHeight);
    v("csvUtf8", o.csvUtf8);
}

// Keys of the additional report modules: the date keys live in "REPORTS" and
// are written into "OPTIONS"; their other keys stay in "OPTIONS" as they are.
bool isReportDateKey(const QString& key) {
    return key.endsWith(QLatin1String("dataOd")) || key.endsWith(QLatin1String("dataDo")) ||
           key.endsWith(QLatin1String("DataOd")) || key.endsWith(QLatin1String("DataDo"));
}

} // namespace

ProgramOptions ProgramOptions::load(const QString& iniPath) {
    ProgramOptions o;
    IniFile ini(iniPath);
    ini.load();
    visitOptions(o, [&](const char* key, auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, bool>)
            value = ini.readBool(kSection, QLatin1String(key), value);
        else
            value = ini.readInt(kSection, QLatin1String(key), value);
    });
    o.firmaDir = ini.readString(kSection, QStringLiteral("firmaDir"));
    o.CBPojazd = ini.readString(kSection, QStringLiteral("CBPojazd"));
    o.RodzajKosztuRO = ini.readBool(kSection, QStringLiteral("RodzajKosztuRO"), false);
    return o;
}

bool ProgramOptions::save(const QString& iniPath) const {
    IniFile ini(iniPath);
    // Other parts of the program write their own sections of the same file;
    // read it as it is now so that nothing of theirs is lost.
    if (!ini.load())
        return false;
    ProgramOptions copy = *this;
    copy.cbFirstLog = false;
    visitOptions(copy, [&](const char* key, auto& value) {
        using T = std::decay_t<decltype(value)>;
        QString name = QLatin1String(key);
        if (name == u"pokazujPoradeDnia")
            name = QStringLiteral("PokazujPoradeDnia");
        if constexpr (std::is_same_v<T, bool>)
            ini.writeBool(kSection, name, value);
        else
            ini.writeInt(kSection, name, value);
    });
    ini.writeString(kSection, QStringLiteral("firmaDir"), firmaDir);
    ini.writeString(kSection, QStringLiteral("CBPojazd"), CBPojazd);
    for (const QString& key : ini.keys(QStringLiteral("REPORTS"))) {
        if (isReportDateKey(key))
            ini.writeString(
                kSection, key,
                ini.readString(QStringLiteral("REPORTS"), key, dateToText(Clock::today())));
    }
    return ini.save();
}

ProgramOptions& programOptions() {
    static ProgramOptions options;
    return options;
}

QString optionsFilePath() {
    return settingsFile(QStringLiteral("karvento.ini"));
}

bool loadProgramOptions() {
    programOptions() = ProgramOptions::load(optionsFilePath());
    return true;
}

bool saveProgramOptions() {
    return programOptions().save(optionsFilePath());
}

} // namespace kv
