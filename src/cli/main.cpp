// karvento-cli: the program's headless commands.
#include "cli/CliCommands.h"
#include "cli/TerminalUserInterface.h"
#include "storage/RunEnvironment.h"

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
    // A private directory of its own gives the engine a journal that spans
    // several table files, as in the program: a change of two tables is
    // whole or not at all even if the tool is killed half-way.
    const kv::EngineStart engine = kv::startEngineSession();
    if (!engine.ok) {
        err << engine.message << Qt::endl;
        return 1;
    }
    const int code = kv::cli::runCli(arguments, out, err);
    out.flush();
    err.flush();
    // As the program does at its end: its own scratch folders go, those that
    // a running copy holds stay.
    kv::releaseRunTemporaryDirectory();
    kv::removeTemporaryDirectories();
    kv::setUserInterface(nullptr);
    return code;
}
