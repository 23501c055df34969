// karvento-cli: the program's headless commands.
#include "cli/CliCommands.h"
#include "cli/TerminalUserInterface.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    kv::cli::TerminalUserInterface terminal(arguments.contains(QStringLiteral("--yes")));
    kv::setUserInterface(&terminal);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = kv::cli::runCli(arguments, out, err);
    out.flush();
    err.flush();
    kv::setUserInterface(nullptr);
    return code;
}
