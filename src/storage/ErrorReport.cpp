#include "storage/ErrorReport.h"

#include "storage/ErrorLog.h"
#include "support/UserInterface.h"

namespace kv {

void reportDatabaseError(const QString& message, bool show, qint64 code) {
    UserInterface& out = ui();
    try {
        if (!out.isTerminating()) {
            if (message.contains(kLockedDirectoryMarker))
                out.information(kDatabaseErrorCaption, kLockedFilesText);
            else
                out.information(kDatabaseErrorCaption,
                                show ? kGeneralErrorPrefix + message : message);
        }
    } catch (...) {
        // A failure while showing must not hide the failure being reported.
    }
    appendErrorLog(codedLine(code, message));
}

} // namespace kv
