#pragma once

#include <QString>
#include <optional>

namespace kv {

class DataModule;
struct ReportChoices;

// The names every report answers after its own, worked out once before the
// run (STRONA excepted).
struct CommonValues {
    QString vehicle;       // NRREJ: registration number, ", ", make
    QString capacity;      // POJEMNOSC: capacity + " cm3"
    QString normFrom;      // NORMAOD
    QString normTo;        // NORMADO
    QString owner;         // WLASCICIEL
    QString company;       // FIRMA: empty while "Umieszczaj na raportach dane firmy" is off
    QString driver;        // KIERODANE
    QString fuelCard;      // NRKARTYPALIWOWEJ
    QString issuedBy;      // WYSTAWIL
    QString acceptedBy;    // ZAAKCEPTOWAL
    QString issued;        // WYSTAWIONO
    QString chosenVehicle; // CURRENTNRREJ
    QString period;        // CURRENTDATE
};

// The answer for a common name; STRONA is the page given. Any other name is
// answered with an empty text.
QString commonVariable(const QString& name, const CommonValues& values, int page);

// CURRENTDATE of the filter bounds: a year (lower month "00", upper lower +
// 1300) "Dane z roku: YYYY"; a month (upper lower + 100) "Dane z miesiąca:
// MM-YYYY"; a range "Dane z okresu: " the two dates joined by " - ", or
// "od " / "do " one date when the other end is open; empty without bounds.
QString periodText(qint64 lower, qint64 upper);

// Reads what the common names need: the chosen vehicle (else the vehicle
// register's current row), the company's name, the options and the choices.
CommonValues commonValues(DataModule& db, const ReportChoices& choices);

} // namespace kv
