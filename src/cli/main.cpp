// karvento-cli: the program's headless commands.
#include "cli/ChartPictures.h"
#include "cli/CliCommands.h"
#include "cli/TerminalUserInterface.h"
#include "storage/RunEnvironment.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    // Reports and cards lay out text with the report font and paint PDF:
    // those commands get an offscreen QGuiApplication, needing no display.
    bool reports = false;
    bool charts = false;
    for (int i = 1; i < argc; ++i) {
        reports = reports || std::strcmp(argv[i], "report") == 0 ||
                  std::strcmp(argv[i], "card") == 0 || std::strcmp(argv[i], "annual") == 0;
        // Charts are drawn by the program's chart widget.
        charts = charts || std::strcmp(argv[i], "chart") == 0;
    }
    std::unique_ptr<QCoreApplication> application;
    if (charts) {
        application = kv::cli::makeWidgetApplication(argc, argv);
    } else if (reports) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication& app = *application;
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
