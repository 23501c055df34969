#include "charts/ChartKind.h"

#include <QRegularExpression>

namespace kv {

namespace {

struct KindInfo {
    ChartKind kind;
    const char* tab;
    const char* command;
    const char* stem;
    const char* captionStem; // before " w miesiącu " / " w roku "
};

const KindInfo kInfo[] = {
    {ChartKind::FuelPrices, "Zmiana cen paliw", "ceny", "cenyPaliw", "Zmiana cen paliw"},
    {ChartKind::Consumption, "Zużycie paliwa ciągłe", "zuzycie", "zuzycieCiagle",
     "Zużycie paliwa ciągłe"},
    {ChartKind::ConsumptionKm, "Zużycie paliwa - km", "zuzyciekm", "zuzycieKm",
     "Zużycie paliwa km"},
    {ChartKind::ConsumptionMth, "Zużycie paliwa - Mth", "zuzyciemth", "zuzycieMth",
     "Zużycie paliwa Mth"},
    {ChartKind::Mileage, "Przebieg", "przebieg", "przebieg", "Przebieg"},
    {ChartKind::Costs, "Koszty", "koszty", "koszty", "Koszty brutto"},
};

const KindInfo& info(ChartKind kind) {
    return kInfo[static_cast<int>(kind)];
}

} // namespace

QString chartTabTitle(ChartKind kind) {
    return QString::fromUtf8(info(kind).tab);
}

QString chartMenuItem(ChartKind kind) {
    return QString::fromUtf8(info(kind).captionStem);
}

QString chartCommandName(ChartKind kind) {
    return QString::fromUtf8(info(kind).command);
}

std::optional<ChartKind> chartKindByCommandName(const QString& name) {
    for (const KindInfo& i : kInfo)
        if (name == QLatin1String(i.command))
            return i.kind;
    return std::nullopt;
}

QString chartObjectStem(ChartKind kind) {
    return QString::fromUtf8(info(kind).stem);
}

bool chartHasMonth(ChartKind kind) {
    return kind != ChartKind::Mileage && kind != ChartKind::Costs;
}

bool chartSelectsFuelKinds(ChartKind kind) {
    return kind == ChartKind::FuelPrices;
}

bool chartHasFuelKind(ChartKind kind) {
    return kind == ChartKind::Consumption || kind == ChartKind::ConsumptionKm ||
           kind == ChartKind::ConsumptionMth;
}

QString monthName(int month) {
    static const char* const names[] = {"Styczeń",  "Luty",        "Marzec",   "Kwiecień",
                                        "Maj",      "Czerwiec",    "Lipiec",   "Sierpień",
                                        "Wrzesień", "Październik", "Listopad", "Grudzień"};
    if (month < 1 || month > 12)
        return {};
    return QString::fromUtf8(names[month - 1]);
}

QStringList chartMonthTexts() {
    QStringList texts{QStringLiteral("(Wszystkie)")};
    for (int m = 1; m <= 12; ++m)
        texts << monthName(m);
    return texts;
}

QString chartCaption(ChartKind kind, int year, int month) {
    const QString stem = QString::fromUtf8(info(kind).captionStem);
    if (chartHasMonth(kind) && month >= 1 && month <= 12)
        return stem + QStringLiteral(" w miesiącu ") + monthName(month) + u' ' +
               QString::number(year);
    return stem + QStringLiteral(" w roku ") + QString::number(year);
}

std::optional<int> parseChartYear(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^\\d{1,4}$"));
    const QString t = text.trimmed();
    if (!form.match(t).hasMatch() || t.toInt() < 1)
        return std::nullopt;
    return t.toInt();
}

} // namespace kv
