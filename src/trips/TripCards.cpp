#include "trips/TripCards.h"

#include "trips/OdometerKinds.h"

namespace kv {

const CardTable& tripCard() {
    using S = CardSource;
    static const CardTable card = [] {
        CardLine lent =
            cardLine({{QStringLiteral("Użyczono?: Tak"), S::None, QString()},
                      {QStringLiteral(". komu użyczono: "), S::Value, QStringLiteral("PRYWKTO")},
                      {QStringLiteral(". Stan licznika: "), S::Value, QStringLiteral("PRYWLICZOD")},
                      {QStringLiteral(" - "), S::Value, QStringLiteral("PRYWLICZDO")}});
        lent.flagColumn = QStringLiteral("PRYW");
        CardLine notLent = cardAlone("Użyczono?: Nie");
        notLent.flagColumn = QStringLiteral("PRYW");
        notLent.whenTicked = false;
        return CardTable{
            QStringLiteral("Szczegóły przejazdu"),
            {cardLine("Data wyjazdu: ", "DATA"), cardLine("Pojazd: ", "IDPOJAZD", S::List),
             cardLine("Cel wyjazdu: ", "CELWYJAZDU"), cardLine("Trasa: ", "TRASA"),
             cardLine("Stawka: ", "STAWKA", S::Grid), cardLine("Długość trasy [km]: ", "ODLEGLOSC"),
             cardLine("Kwota: ", "KWOTA", S::Grid), cardLine("Kierowca: ", "IDKIEROWCY", S::List),
             cardLine("Inne: ", "UWAGI"), lent, notLent}};
    }();
    return card;
}

const CardTable& odometerCard() {
    static const CardTable card = [] {
        CardTable c{QStringLiteral("Informacje o przebiegu we wskazanym dniu"),
                    {cardLine("Data odczytu: ", "DATA"),
                     cardLine("Pojazd: ", "IDPOJAZD", CardSource::List),
                     cardLine("Stan licznika: ", "LICZNIK"),
                     cardLine({{QStringLiteral("Dotyczy: "), CardSource::List,
                                QStringLiteral("DOTYCZY"), odometerKindTexts()}}),
                     cardLine("Uwagi: ", "UWAGI")}};
        c.leadingSeparator = true;
        return c;
    }();
    return card;
}

} // namespace kv
