#pragma once

#include "charts/ChartData.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace kv {

class DataModule;
class PermissionSet;

// The deadlines due in the coming days, as the start page lists them, one
// line each. Whoever checks deadlines registers itself here at start-up;
// until then the start page says there is nothing to show. A provider
// reports its own failure by throwing (the part then stays empty and the
// failure is logged).
using StartPageDeadlineProvider = std::function<QStringList(DataModule&)>;
void setStartPageDeadlineProvider(StartPageDeadlineProvider provider);
bool hasStartPageDeadlineProvider();

// What the start page shows beside its notepad, read after a login, each
// part only with its permission: the deadlines (permission 31) and the
// fleet's costs and kilometres per month of a year (the costs and the
// trips read permissions; each series only with its own).
struct StartPageContent {
    bool deadlinesAllowed = false;
    bool deadlinesAvailable = false; // a provider is registered
    bool deadlinesFailed = false;
    QStringList deadlines;

    bool chartAllowed = false; // at least one of its series may be read
    ChartData fleetChart;
};
StartPageContent loadStartPageContent(DataModule& db, const PermissionSet& permissions, int year);

// The whole fleet's gross costs (first series, left axis) and kilometres
// (second series, right axis) per month of the year. Without a permission
// its series has no label and no points; a failing series is logged and
// left empty.
ChartData fleetChart(DataModule& db, int year, bool costs, bool kilometres);

// The short lines the start page shows in place of the deadlines.
inline const QString kNoDeadlineCheckText =
    QStringLiteral("Sprawdzanie terminów nie jest dostępne w tej wersji programu.");
inline const QString kNoDeadlinesDueText = QStringLiteral("Brak terminów w najbliższych dniach.");
inline const QString kDeadlinesFailedText =
    QStringLiteral("Nie udało się odczytać terminów (szczegóły w logu błędów).");

} // namespace kv
