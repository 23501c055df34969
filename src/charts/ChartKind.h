#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

// The six charts of the "Wykresy" page, in tab order.
enum class ChartKind { FuelPrices, Consumption, ConsumptionKm, ConsumptionMth, Mileage, Costs };

inline constexpr ChartKind kChartKinds[] = {ChartKind::FuelPrices,    ChartKind::Consumption,
                                            ChartKind::ConsumptionKm, ChartKind::ConsumptionMth,
                                            ChartKind::Mileage,       ChartKind::Costs};

// The tab's title ("Zmiana cen paliw", "Zużycie paliwa - km" ...).
QString chartTabTitle(ChartKind kind);
// The chart's item in "Widok" > "Wykresy": the stem of its caption
// ("Koszty brutto"), which no register's menu item shares, so no register's
// permission reaches it.
QString chartMenuItem(ChartKind kind);
// The short name karvento-cli takes ("ceny", "zuzycie", "zuzyciekm",
// "zuzyciemth", "przebieg", "koszty"), and back; nothing for another word.
QString chartCommandName(ChartKind kind);
std::optional<ChartKind> chartKindByCommandName(const QString& name);
// The stem of the chart's object names ("cenyPaliw", "zuzycieCiagle", ...):
// its year list is stem + "Rok", its month list stem + "Miesiac".
QString chartObjectStem(ChartKind kind);

// Whether the chart may show one month (the price and consumption charts);
// the mileage and costs charts always show a whole year.
bool chartHasMonth(ChartKind kind);
// Whether its selectors choose fuel kinds (prices) rather than vehicles.
bool chartSelectsFuelKinds(ChartKind kind);
// Whether it reads a consumption register, and so offers liquid fuel or LPG.
bool chartHasFuelKind(ChartKind kind);

// "Styczeń" .. "Grudzień" for 1 .. 12.
QString monthName(int month);
// The month list of a chart: "(Wszystkie)" then the twelve months.
QStringList chartMonthTexts();

// The caption above the chart: "Zmiana cen paliw w miesiącu Luty 2024",
// "Przebieg w roku 2024"; month 0 is the whole year.
QString chartCaption(ChartKind kind, int year, int month);

// Told when the year chosen is not a number, under kChartYearErrorCaption.
inline const QString kChartYearErrorCaption = QStringLiteral("Błąd");
inline const QString kChartYearErrorText =
    QStringLiteral("Niepoprawny rok. Sprawdź ustawienia filtrów w opcjach programu.");
// The year of a year list's text; nothing for a text that is not a year.
std::optional<int> parseChartYear(const QString& text);

} // namespace kv
