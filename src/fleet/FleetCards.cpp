#include "fleet/FleetCards.h"

#include "fleet/VehicleStatus.h"

namespace kv {

const CardTable& vehicleCard() {
    using S = CardSource;
    static const CardTable card = [] {
        CardPart status{QStringLiteral("Status pojazdu: "), S::List, QStringLiteral("STATUS"),
                        vehicleStatusTexts()};
        return CardTable{
            QStringLiteral("Dane pojazdu"),
            {cardLine("Numer rejestracyjny: ", "NRREJ"),
             cardLine("Lp: ", "LP"),
             cardLine("ID pojazdu: ", "NREWID"),
             cardLine("Numer Floty: ", "NRFLOTY", S::List),
             cardLine("Poprzedni nr rejestr.: ", "POPRZNRREJ"),
             cardLine("Marka / typ / model: ", "MARKA"),
             cardLine("Rodzaj pojazdu: ", "RODZAJ", S::List),
             cardLine("Pojemność [cm3]: ", "POJEMNOSC"),
             cardLine("Rocznik: ", "ROCZNIK"),
             cardLine({status}),
             cardLine("Seria dow. rejestrac.: ", "SERIADREJ"),
             cardLine("Następny przegląd techniczny: ", "DATAPRZE"),
             cardLine("Numer silnika: ", "NRSILNIKA"),
             cardLine("Przegl.tech. przy stanie licznika [km]: ", "LICZPRZEG"),
             cardLine("Właściciel: ", "NREW"),
             cardLine("Numer nadwozia: ", "NRNADWOZIA"),
             cardLine("Numer polisy OC: ", "NRPOLOC"),
             cardLine("Data ważności OC: ", "DATAOC"),
             cardLine("Numer polisy AC: ", "NRPOLAC"),
             cardLine("Data ważności AC: ", "DATAAC"),
             cardLine("Przegląd gwaranyjny po stanie licznika [km]: ", "LICZGWAR"),
             cardLine("Data przeglądu gwarancyjnego: ", "DATAPRZEGW"),
             cardLine("Data legalizacji tachografu: ", "DATATACHO"),
             cardLine("Stawka za godzinę pracy [PLN/h]: ", "STAWKA"),
             cardLine({{QStringLiteral("Norma zużycia paliwa od [l]: "), S::Value,
                        QStringLiteral("NORMAOD")},
                       {QStringLiteral(" do: "), S::Value, QStringLiteral("NORMADO")}}),
             cardLine("Kierowca: ", "IDKIEROWCY", S::List),
             cardLine("Inne: ", "UWAGI")}};
    }();
    return card;
}

const CardTable& employeeCard() {
    static const CardTable card{
        QStringLiteral("Dane pracownika"),
        {cardLine("Numer ewidencyjny: ", "NREW"),
         cardLine(
             {{QStringLiteral("Nazwisko i imię: "), CardSource::Value, QStringLiteral("NAZWISKO")},
              {QStringLiteral(" "), CardSource::Value, QStringLiteral("IMIE")}}),
         cardLine("Adres: ", "ADRES"), cardLine("Numer domu: ", "NUMER"),
         cardLine("Miasto: ", "MIASTO"), cardLine("Kod pocztowy: ", "KOD"),
         cardLine("Kraj: ", "KRAJ"), cardLine("Telefon (-y): ", "TELEFON"),
         cardLine("Adres kontaktowy: ", "KONTAKT"), cardLine("Inne: ", "UWAGI")}};
    return card;
}

} // namespace kv
