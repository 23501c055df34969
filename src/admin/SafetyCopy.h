#pragma once

#include <QString>
#include <QStringList>

namespace kv {

class DataModule;

// What happens when the copy made before a change cannot be made.
enum class SafetyCopyPolicy {
    Ask,    // the window: say so and ask whether to go on without one
    Refuse, // the command-line tool: say so and stop
    Skip,   // asked for no copy at all (karvento-cli --no-safety-copy)
};

inline const QString kSafetyCopyPrefix = QStringLiteral("safety_");
constexpr int kSafetyCopiesKept = 3;

struct SafetyCopy {
    bool goOn = false;
    QString folder; // empty when none was made
};

// Before a change of many rows or of whole tables: an archive of the company
// ("Kopia przed: " + the command, today's date) in
// <company>/safety_<yyyyMMdd-HHmmss>; restoring it undoes the change. The free
// space is checked first. Failures are said; goOn tells whether the change
// may proceed.
SafetyCopy makeSafetyCopy(DataModule& db, const QString& command, SafetyCopyPolicy policy);

// The safety copies of a company directory, oldest first.
QStringList safetyCopies(const QString& companyDirectory);
// Removes all but the newest kept; called only after the change succeeded,
// so a failed change never costs an older copy.
void pruneSafetyCopies(const QString& companyDirectory, int kept = kSafetyCopiesKept);

} // namespace kv
