#pragma once

#include <QString>

namespace kv {

// What the program sets up once per run, before any window shows data: the
// single-instance check, the engine session with this run's temporary
// directory, and the removal of temporary directories at the end.

// Takes the program's single-instance lock (in the settings directory). False
// when another copy of the program is running. The OS drops the lock when the
// process dies, so a crashed copy never blocks the next start.
bool acquireSingleInstance();
void releaseSingleInstance();
inline const QString kMultiRunArgument = QStringLiteral("ENABLEMULTIRUN");

// The start time of this run, "yyyyMMddHHmmss" (taken once).
QString runStartStamp();
// "tmpFile/<start time>" in the settings directory: this run's temporary
// directory (empty when it could not be created).
QString runTemporaryDirectory();

struct EngineStart {
    bool ok = true;
    QString message; // what to show in a plain message box when not ok
    int logCode = 0; // 391 or 392
    QString engineMessage;
};

// Sets up the default engine session: this run's temporary directory (only its
// last level is created; without it the session keeps its in-memory default)
// as its private directory, held for the run, and the settings directory as
// its control directory; then checks that the engine works.
EngineStart startEngineSession();
// The messages for an engine that does not start (separated for testing).
EngineStart engineStartFailure(const QString& engineMessage);
// Sets the engine's "LOCAL SHARE" to "TRUE" when it reads "FALSE".
void configureEngineSharing();

// Removes every temporary directory below "tmpFile" of the settings
// directory, except those a running program (this one included, until it
// lets go) still holds. Errors on one directory do not stop the others.
void removeTemporaryDirectories();
// The three diagnostic lines the error-log viewer writes before it opens the
// log: the database location, the settings directory, the installation.
void writeLogViewerLines(const QString& databaseLocation);

// Lets go of this run's temporary directory (before the clean-up at the end).
void releaseRunTemporaryDirectory();

} // namespace kv
