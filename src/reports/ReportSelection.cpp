#include "reports/ReportSelection.h"

#include "framework/RegisterViewState.h"
#include "support/UserInterface.h"

namespace kv {

namespace {

bool refuse(const QString& text) {
    ui().information(QStringLiteral("Informacja"), text);
    return false;
}

} // namespace

bool checkReportSelection(SelectionKind kind, const SharedFilters& filters,
                          const ReportChoices& choices, const PeriodChoice& period) {
    switch (kind) {
    case SelectionKind::None:
        return true;
    case SelectionKind::Vehicle:
    case SelectionKind::VehicleYear:
    case SelectionKind::VehicleYearMonth:
        if (filters.selectedVehicleNr.trimmed().isEmpty())
            return refuse(QStringLiteral(
                "Nie wskazano pojazdu, dla którego wygenerować zestawienie. Wybierz pojazd z "
                "filtra poniżej: \"Dane dla pojazdu\"."));
        if (kind == SelectionKind::Vehicle)
            return true;
        if (!period.monthYearActive)
            return refuse(QStringLiteral(
                "Filtr \"Dane dla <ROK>\" u dołu ekranu nieaktywny. Aktywuj filtr i wskaż w nim "
                "rok, dla którego wygenerować zestawienie."));
        if (period.year <= 0)
            return refuse(QStringLiteral(
                "Nie wskazano roku, dla którego wygenerować zestawienie. Wybierz rok z filtru "
                "\"Dane dla <ROK>\" u dołu ekranu."));
        if (kind == SelectionKind::VehicleYear)
            return true;
        if (period.month <= 0)
            return refuse(QStringLiteral(
                "Nie wskazano miesiąca, dla którego wygenerować zestawienie. Wybierz miesiąc z "
                "filtru \"Dane dla <MIESIĄCA>\" u dołu ekranu."));
        return true;
    case SelectionKind::FuelCard:
        if (choices.fuelCardKey.trimmed().isEmpty())
            return refuse(QStringLiteral(
                "Nie wskazano karty paliwowej, dla której wygenerować zestawienie. Wybierz kartę z "
                "rozwijanej listy powyżej."));
        return true;
    case SelectionKind::Driver:
        if (choices.driverKey.trimmed().isEmpty())
            return refuse(QStringLiteral(
                "Nie wskazano kierowcy, dla którego wygenerować zestawienie. Wybierz kierowcę z "
                "rozwijanej listy powyżej."));
        return true;
    case SelectionKind::RoadCard:
        if (choices.roadCardId <= 0)
            return refuse(QStringLiteral(
                "Nie wskazano karty drogowej. Wybierz kartę z rozwijanej listy obok."));
        return true;
    }
    return true;
}

} // namespace kv
