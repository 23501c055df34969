#include "cli/TerminalUserInterface.h"

#include <QTextStream>

#include <termios.h>
#include <unistd.h>

namespace kv::cli {

namespace {

void writeErr(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

std::optional<QString> readLine(bool hidden) {
    termios old{};
    const bool tty = isatty(STDIN_FILENO) != 0;
    if (hidden && tty) {
        tcgetattr(STDIN_FILENO, &old);
        termios quiet = old;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    char buffer[1024];
    const char* got = std::fgets(buffer, sizeof buffer, stdin);
    if (hidden && tty) {
        tcsetattr(STDIN_FILENO, TCSANOW, &old);
        writeErr(QStringLiteral("\n"));
    }
    if (!got)
        return std::nullopt;
    QString line = QString::fromUtf8(buffer);
    while (line.endsWith(u'\n') || line.endsWith(u'\r'))
        line.chop(1);
    return line;
}

} // namespace

void TerminalUserInterface::information(const QString& caption, const QString& text) {
    writeErr(text + u'\n');
}

bool TerminalUserInterface::question(const QString& caption, const QString& text,
                                     DefaultAnswer byDefault) {
    if (m_assumeYes) {
        writeErr(text + QStringLiteral(" [Tak]\n"));
        return true;
    }
    if (!isatty(STDIN_FILENO)) {
        // Nobody can answer: a question that names its default takes it,
        // any other is answered "Nie", which changes nothing.
        const bool yes = text.contains(QStringLiteral("(Domyślnie: TAK)"), Qt::CaseInsensitive);
        writeErr(text + (yes ? QStringLiteral(" [Tak – domyślnie; brak terminala]\n")
                             : QStringLiteral(" [Nie – brak terminala; użyj --yes]\n")));
        return yes;
    }
    // An empty answer is "Nie" either way; a question whose default is "Nie"
    // shows it in capitals, as terminals do.
    writeErr(text + (byDefault == DefaultAnswer::No ? QStringLiteral(" (t/N) ")
                                                    : QStringLiteral(" (t/n) ")));
    const std::optional<QString> answer = readLine(false);
    return answer && answer->trimmed().toLower().startsWith(u't');
}

std::optional<QString> TerminalUserInterface::prompt(const QString& caption, const QString& message,
                                                     const QString& initial, bool password) {
    if (!isatty(STDIN_FILENO))
        return std::nullopt;
    writeErr(message + (initial.isEmpty() ? QString() : QStringLiteral(" [%1]").arg(initial)) +
             QStringLiteral(": "));
    std::optional<QString> line = readLine(password);
    if (line && line->isEmpty())
        line = initial;
    return line;
}

void TerminalUserInterface::systemMessage(const QString& caption, const QString& text) {
    writeErr(text + u'\n');
}

void TerminalUserInterface::progressShow(int position) {
    // A counter redrawn in place is for a person at a terminal, not for a log.
    if (!isatty(STDERR_FILENO))
        return;
    m_progressShown = true;
    writeErr(QStringLiteral("\r%1%2%").arg(m_job).arg(position, 3));
}

void TerminalUserInterface::progressJob(const QString& text) {
    m_job = text + u' ';
}

void TerminalUserInterface::progressHide() {
    if (m_progressShown)
        writeErr(QStringLiteral("\n"));
    m_progressShown = false;
}

} // namespace kv::cli
