#include "dictionaries/RateCard.h"

namespace kv {

const CardTable& rateCard() {
    static const CardTable card = [] {
        CardTable c{QStringLiteral("Informacje dotyczące stawek we wskazanym okresie"),
                    {cardLine("Od kiedy obowiązują stawki: ", "DATAOD"),
                     cardAlone("Stawki w PLN w zależności od rodzaju pojazdu:"),
                     cardLine("Poniżej 900 cm3: ", "LW900"), cardLine("Powyżej 900 cm3: ", "GT900"),
                     cardLine("", "MOTOCYKL", CardSource::Label),
                     cardLine("", "MOTOROWER", CardSource::Label)}};
        for (int n = 5; n <= 20; ++n)
            c.lines.append(
                cardLine({{QString(), CardSource::Label, QStringLiteral("RDPOJ%1").arg(n)}}));
        return c;
    }();
    return card;
}

} // namespace kv
