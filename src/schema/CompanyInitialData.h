#pragma once

#include <QList>
#include <QString>

namespace kv {

// The rows a new company cannot work without, which the empty templates do not
// hold: the twenty vehicle kinds of "slowniki.DB" (KOD 1 to 4 the fixed kinds
// "Samochód osobowy", "Samochód ciężarowy", "Motocykl", "Motorower", then
// "Inne 1" to "Inne 16" rated by the columns RDPOJ5 to RDPOJ20), the payment
// kinds, the VAT rates, and the statutory allowance rates of "stawki.DB".
//
// Written in one transaction on the company directory with its password; a
// failure is reported (code 327) and leaves neither table changed.
bool insertInitialCompanyData(const QString& companyDirectory, const QString& password);

// One dated row of statutory rates (PLN per km).
struct StatutoryRate {
    int validFrom;  // date number
    double upTo900; // cars up to 900 cm3
    double above900;
    double motorcycle;
    double moped;
};
// The statutory rates a new company starts with, oldest first.
const QList<StatutoryRate>& statutoryRates();

} // namespace kv
