// Build-time generator of karvento-cli's manual page from what the tool itself
// prints for --help and --version, so the page never falls behind the
// commands.
//
//   karvento-mkman PROGRAM OUTPUT.1
//
// The help is read as the tool writes it: "Użycie: ..." gives the synopsis, a
// line ending in ":" at the margin starts a section, and inside a section an
// entry is either a term indented by two blanks with its description indented
// by six on the next line (the commands), or a term and its description on
// one line, apart by two blanks or more (the options, the exit codes).
#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <cstdio>
#include <optional>

namespace {

void fail(const QString& text) {
    std::fprintf(stderr, "karvento-mkman: %s\n", qPrintable(text));
}

std::optional<QString> output(const QString& program, const QString& option) {
    QProcess p;
    p.start(program, {option});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        fail(QStringLiteral("%1 %2 nie zadziałało: %3")
                 .arg(program, option, QString::fromLocal8Bit(p.readAllStandardError())));
        return std::nullopt;
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Text safe in roff: backslashes written as such, hyphens as minus signs (they
// are typed in commands), and no line that starts like a request.
QString roff(QString text) {
    text.replace(u'\\', QStringLiteral("\\e"));
    text.replace(u'-', QStringLiteral("\\-"));
    if (text.startsWith(u'.') || text.startsWith(u'\''))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

QString bold(const QString& text) {
    return QStringLiteral("\\fB") + roff(text) + QStringLiteral("\\fR");
}

QString sectionName(QString header) {
    header.chop(1); // the colon
    if (header == u"Polecenia")
        return QStringLiteral("POLECENIA");
    if (header.startsWith(QStringLiteral("Opcje")))
        return QStringLiteral("OPCJE");
    return header.toUpper();
}

QString manPage(const QString& help, const QString& version) {
    QStringList page;
    page << QStringLiteral(".\\\" Made by karvento-mkman from karvento-cli --help; do not edit.")
         << QStringLiteral(".TH KARVENTO\\-CLI 1 \"\" \"%1\" \"Polecenia programu Karvento\"")
                .arg(roff(version))
         << QStringLiteral(".SH NAZWA")
         << QStringLiteral("karvento\\-cli \\- polecenia programu Karvento wykonywane bez okien");
    static const QRegularExpression oneLine(QStringLiteral("^  (\\S.*?)\\s{2,}(\\S.*)$"));
    bool description = false;
    for (const QString& line : help.split(u'\n')) {
        if (line.trimmed().isEmpty())
            continue;
        if (line.startsWith(QStringLiteral("Użycie: "))) {
            const QStringList words = line.mid(8).split(u' ', Qt::SkipEmptyParts);
            page << QStringLiteral(".SH SKŁADNIA")
                 << bold(words.value(0)) + u' ' + roff(words.mid(1).join(u' '))
                 << QStringLiteral(".SH OPIS")
                 << QStringLiteral("Polecenia programu Karvento, ewidencji pojazdów firmy, "
                                   "wykonywane bez jego okien: zakładanie bazy danych i firm, "
                                   "użytkownicy, kopie zapasowe, aktualizacje i odczyt tabel.");
            continue;
        }
        if (!line.startsWith(u' ') && line.endsWith(u':')) {
            page << QStringLiteral(".SH ") + sectionName(line);
            description = false;
            continue;
        }
        if (line.startsWith(QStringLiteral("      ")) && description) {
            page << roff(line.trimmed());
            continue;
        }
        const QRegularExpressionMatch m = oneLine.match(line);
        page << QStringLiteral(".TP");
        // Inline bold rather than .B, which would take the quotes of a term
        // ("SELECT ...") for its own.
        if (m.hasMatch()) {
            page << bold(m.captured(1)) << roff(m.captured(2));
            description = false;
        } else {
            page << bold(line.trimmed());
            description = true;
        }
    }
    return page.join(u'\n') + u'\n';
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2) {
        fail(QStringLiteral("użycie: karvento-mkman PROGRAM WYJŚCIE.1"));
        return 2;
    }
    const std::optional<QString> help = output(args.at(0), QStringLiteral("--help"));
    const std::optional<QString> version = output(args.at(0), QStringLiteral("--version"));
    if (!help || !version)
        return 1;
    // The program's name and version, the first two words of the answer.
    const QString release = version->section(u' ', 0, 1).trimmed();
    QSaveFile out(args.at(1));
    if (!out.open(QIODevice::WriteOnly)) {
        fail(QStringLiteral("nie można zapisać %1: %2").arg(args.at(1), out.errorString()));
        return 1;
    }
    out.write(manPage(*help, release).toUtf8());
    if (!out.commit()) {
        fail(QStringLiteral("nie można zapisać %1: %2").arg(args.at(1), out.errorString()));
        return 1;
    }
    return 0;
}
