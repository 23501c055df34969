#pragma once

#include <QString>

namespace kv {

// The per-computer program options, section "OPTIONS" of karvento.ini.
struct ProgramOptions {
    bool pokazujPoradeDnia = true;
    bool pytajPrzedZamknieciem = true;
    bool pytajPrzedKasowaniem = true;
    bool sprawdzajTerminy = true;
    bool sprawdzajNotatki = true;
    bool sprawdzajPrzebieg = true;
    bool cbMAGAZYN = true;
    bool poleInneJestLiczba = false;
    int filtrRokOd = 2005;
    int filtrRokDo = 2030;
    bool cbKopiujPrzebiegDoHistorii = true;
    bool cbSetNrRej = true;
    bool cbAllowChangeOsobowaNREW = false;
    bool cbPowerOnSprawdzacz = false;
    bool cbPowerOnPrzebiegi = false;
    // Deadline checker: which dates are checked.
    bool cbOC = true;
    bool cbAC = true;
    bool cbPRZEG = true;
    bool cbPRZEGW = true;
    bool cbKPALIWOWE = true;
    bool cbDOKUMENTY = true;
    bool cbWYPOSAZENIE = true;
    bool cbNAPRAWY = true;
    bool cbOPONY = true;
    bool cbTERMINARZ = true;
    bool cbTachograf = false;
    int dataWsteczna = 7;    // days before a deadline to report it
    int dataWstecznaMin = 0; // days after a deadline to keep reporting it; 0 without limit
    int sprawdzajTerminySortuj = 0;
    bool cbSprTermAktPojazdy = true;
    bool cbInterruptLongChecking = true;
    // Deadline checker: odometer deadlines.
    bool cbLICZPRZEG = true;
    bool cbLICZGWAR = true;
    bool cbLICZDOK = true;
    bool cbLICZWYPOS = true;
    bool cbLICZNAPR = true;
    bool cbLICZOPONY = true;
    bool cbLICZTERM = true;
    int kmOd = 1000;
    int kmDo = 0;
    bool cbSprPrzebAktPojazdy = true;
    // Reports.
    bool cbRapZaakceptowal = true;
    bool cbRapWystawil = true;
    bool cbRapData = true;
    bool cbRapFirma = true;
    // Program state remembered between runs.
    bool cbFirstLog = true;
    QString firmaDir;
    bool RodzajKosztuRO = false; // set by hand in the file; never written
    QString CBPojazd;
    int CBCurrentYear = -1;
    int CBCurrentMonth = -1;
    int mainWinWidth = -1;
    int mainWinHeight = -1;
    // The encoding "do CSV" last wrote in: UTF-8 with a byte order mark, or
    // (by default) Windows-1250.
    bool csvUtf8 = false;

    bool operator==(const ProgramOptions&) const = default;

    // Reads the options from the settings file; missing keys keep the defaults.
    static ProgramOptions load(const QString& iniPath);
    // Writes every option (cbFirstLog as false, RodzajKosztuRO untouched) into
    // the file as it is on disk now, keeping its other sections. A file that
    // cannot be written is not reported: the options stay in memory.
    bool save(const QString& iniPath) const;
};

// The options of the running program.
ProgramOptions& programOptions();
// karvento.ini in the settings directory.
QString optionsFilePath();
bool loadProgramOptions();
bool saveProgramOptions();

} // namespace kv
