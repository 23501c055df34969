#pragma once

#include "framework/FieldTable.h"
#include "support/FormCheck.h"

#include <QString>

namespace kv {

// The tyre window's content ("Opony"): one tyre or set under its evidence
// number. Its place is the vehicle and the warehouse mark together: fitted
// to X (X, "N"), X's set in store (X, "T"), unassigned in store (0, "T").
struct TyreFormValues {
    QString nrewid; // evidence number, unique among tyres
    QString ilosc;  // tyres in the set, a whole number of at least 1
    QString marka;
    int rodzaj = 0;  // "Rodzaje opon" KOD, 0 for none
    int rozmiar = 0; // "Rozmiary opon" KOD, 0 for none
    QString bieznik;
    QString przebmax; // maximum mileage
    QString cechy;
    QString dataZakupu; // date text, blank for none
    QString nrDokumentu;
    QString netto;
    QString vat;
    QString brutto;
    int vehicle = 0;                       // IDPOJAZDU, 0 for none
    QString dataWymiany;                   // next change, blank for none
    QString liczterm;                      // remind at this reading, 0 for none
    QString magazyn = QStringLiteral("N"); // "T" in store
    QString inne;
    bool handOn = false; // "Dodaj powyższe dane do rejestru kosztów", not stored

    bool operator==(const TyreFormValues&) const = default;
};

// opony.DB's columns in the insert's order; the texts, the evidence number
// (trimmed) and the warehouse mark bound.
const FieldTable<TyreFormValues>& tyreFields();

// A new tyre: a set of 1, no kind, size or vehicle, not in store, amounts and
// readings 0 with two decimals.
TyreFormValues newTyreDefaults();

// A set size as leaving its field shows it: the number rounded half away
// from zero to a whole one; text that is no number shows "0".
QString setSizeText(const QString& typed);

// The checks of "&Zapisz" in their order: reading and maximum mileage with
// two decimals, the set size a whole number of at least 1 (anything else
// becomes "1"), the two dates blank or real calendar days, the amounts
// numbers that agree, an evidence number.
FormCheck checkTyreForm(TyreFormValues& values);

inline const QString kTyreDuplicateMessage = QStringLiteral("Istnieje już taki numer ewidencyjny.");

} // namespace kv
