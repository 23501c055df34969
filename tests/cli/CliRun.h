#pragma once

#include "cli/CliCommands.h"

#include <QStringList>
#include <QTextStream>

namespace kv::test {

// What one in-process run of karvento-cli printed and returned.
struct CliRun {
    int code;
    QString out;
    QString err;
};

inline CliRun runCli(const QStringList& args) {
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = cli::runCli(args, o, e);
    o.flush();
    e.flush();
    return {code, out, err};
}

} // namespace kv::test
