#pragma once

#include "cli/CliContext.h"

#include <memory>

namespace kv {
class DataModule;
}

namespace kv::cli {

inline const QString kNoPermissionText =
    QStringLiteral("Brak uprawnień do wykonania wskazanej operacji.");

// The login a command makes for itself (--user, --user-password) into one
// company (--company, else the one the program remembers): the company's
// data module with the user's permissions loaded, the administrator's
// permission 0 checked when asked for. Null when the login cannot be made,
// with the reason written.
std::unique_ptr<DataModule> logIn(CliContext& c, bool administrator);

// The exit code of a command whose login did not come about: the options
// missing are wrong use, anything else a refusal already written.
int failedLogin(const CliContext& c);

} // namespace kv::cli
