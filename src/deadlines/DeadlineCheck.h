#pragma once

#include "deadlines/DeadlineRules.h"

#include <functional>

namespace kv {

class DataModule;

// One run of the deadline checker, from the start-up or a menu, without its
// window: the progress and the questions go through ui(), the window (which
// the caller opens when `showWindow` says so) gets the lists.

struct DeadlineRequest {
    bool dates = false;
    bool mileage = false;
    bool warehouse = false;
    bool quiet = false;         // nothing found: no window
    bool interruptible = false; // progress shown, the stop question offered
};

// The three callers.
DeadlineRequest startupDeadlineRequest(const ProgramOptions& options);
DeadlineRequest menuDeadlineRequest();
DeadlineRequest menuWarehouseRequest();

struct DeadlineRunResult {
    DeadlineLists lists;
    bool shown[3] = {false, false, false}; // a page per list: its check ran
    ReminderListKind activePage = ReminderListKind::Dates;
    bool aborted = false;    // the user stopped the run
    bool showWindow = false; // the window is to be shown
    bool anyFound = false;
    QList<qint64> failedCodes;
    bool pageShown(ReminderListKind kind) const { return shown[static_cast<int>(kind)]; }
};

// Offering to stop comes after this long.
inline constexpr qint64 kLongCheckMs = 15000;

inline const QString kStopQuestion =
    QStringLiteral("Sprawdzanie terminów trwa dość długo. Czy przerwać sprawdzanie terminów?");
inline const QString kStopAdvice = QStringLiteral(
    "Aby przyspieszyć ten proces zmień konfigurację sprawdzania terminów w opcjach programu. "
    "Możesz wyłączyć nieużywane elementy (np. sprawdzanie napraw, dokumentów). Możesz zawęzić "
    "zakres zmiejszając wartość pola \"Ile kilometrów/dni po terminie informować\". Możesz też "
    "wyłączyć sprawdzanie terminów podczas startu programu.");

struct DeadlineRunContext {
    QDate today;
    ProgramOptions options;
    PermissionSet permissions;
    // Milliseconds since the run started (tests give their own).
    std::function<qint64()> elapsedMs;
};
// Today, the program's options and the logged-in user's permissions.
DeadlineRunContext currentDeadlineContext();

DeadlineRunResult runDeadlineCheck(DataModule& db, const DeadlineRequest& request,
                                   const DeadlineRunContext& context);

} // namespace kv
