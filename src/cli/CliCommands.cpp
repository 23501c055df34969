#include "cli/CliCommands.h"

#include "support/ProgramVersion.h"

#include <algorithm>

namespace kv::cli {

const QList<Command>& commands() {
    static const QList<Command> all = [] {
        QList<Command> list;
        addInspectionCommands(list);
        addLocationCommands(list);
        addUserCommands(list);
        addMaintenanceCommands(list);
        addExportCommands(list);
        addOdometerCommands(list);
        addArchiveCommands(list);
        addReportCommands(list);
        addImportCommands(list);
        addTripCommands(list);
        addDeadlineCommands(list);
        addAnnualCommands(list);
        addChartCommands(list);
        return list;
    }();
    return all;
}

namespace {

QString headOf(const Command& c) {
    return c.words.join(u' ') + (c.usage.isEmpty() ? QString() : u' ' + c.usage);
}

void printHelp(QTextStream& out) {
    out << QStringLiteral("Użycie: karvento-cli POLECENIE [ARGUMENTY] [OPCJE]\n\n"
                          "Polecenia:\n");
    for (const Command& c : commands())
        out << QStringLiteral("  %1\n      %2\n").arg(headOf(c), c.help);
    out << QStringLiteral(
        "\nOpcje wspólne:\n"
        "  --db-password HASŁO     hasło bazy danych (domyślnie zapamiętane na tym komputerze)\n"
        "  --location KATALOG      lokalizacja bazy danych (domyślnie zapamiętana)\n"
        "  --company FOLDER        folder firmy w lokalizacji bazy danych\n"
        "  --user NAZWA            użytkownik programu\n"
        "  --user-password HASŁO   hasło użytkownika programu\n"
        "  --help                  ten opis\n"
        "  --version               wersja programu\n"
        "\nKody wyjścia:\n"
        "  0                       wykonano (check: lokalizacja poprawna)\n"
        "  1                       odmowa z komunikatem; nic nie zostało zmienione\n"
        "  2                       błędne użycie\n");
}

} // namespace

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    CliContext context(out, err);
    if (!context.parse(arguments))
        return Usage;
    if (context.has(QStringLiteral("--version"))) {
        out << QStringLiteral("Karvento %1 – narzędzie wiersza poleceń").arg(programVersion())
            << Qt::endl;
        return Ok;
    }
    const QStringList& words = context.words();
    if (context.has(QStringLiteral("--help")) || words.isEmpty()) {
        printHelp(out);
        return words.isEmpty() && !context.has(QStringLiteral("--help")) ? Usage : Ok;
    }
    // The longest command whose words start the arguments.
    const Command* chosen = nullptr;
    for (const Command& c : commands()) {
        if (c.words.size() > words.size())
            continue;
        if (!std::equal(c.words.begin(), c.words.end(), words.begin()))
            continue;
        if (!chosen || c.words.size() > chosen->words.size())
            chosen = &c;
    }
    if (!chosen) {
        // A group named without its command ("archive") lists the commands it has.
        QStringList group;
        for (const Command& c : commands())
            if (c.words.size() > 1 && c.words.first() == words.first())
                group << QStringLiteral("  karvento-cli ") + headOf(c);
        if (!group.isEmpty()) {
            err << QStringLiteral("Polecenie %1 wymaga jednego z:").arg(words.first()) << Qt::endl
                << group.join(u'\n') << Qt::endl;
            return Usage;
        }
        err << QStringLiteral("Nieznane polecenie: %1. Spis poleceń: karvento-cli --help")
                   .arg(words.join(u' '))
            << Qt::endl;
        return Usage;
    }
    if (!context.pathOptionsGiven())
        return Usage;
    return chosen->run(context, words.mid(chosen->words.size()));
}

} // namespace kv::cli
