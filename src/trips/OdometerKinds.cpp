#include "trips/OdometerKinds.h"

#include "framework/DisplayFormatters.h"

namespace kv {

const QStringList& odometerKindTexts() {
    static const QStringList texts{QStringLiteral("Pozostałe"),
                                   QStringLiteral("Rozpoczęcie prowadzenia ewidencji VAT"),
                                   QStringLiteral("Stan na koniec okresu rozliczeniowego VAT"),
                                   QStringLiteral("Zakończenia prowadzenia ewidencji VAT")};
    return texts;
}

QString formatOdometerKind(const QVariant& value) {
    return formatChoice(value, odometerKindTexts(), 0);
}

} // namespace kv
